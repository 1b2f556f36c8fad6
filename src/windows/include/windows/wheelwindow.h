#pragma once

#include "ui/sharedwindow.h"

namespace zt {

// The wheel picture window "Ruota": the picture of the wheel and nothing else.
class WheelWindow : public SharedWindow {
    Q_OBJECT
public:
    WheelWindow();
};

} // namespace zt
