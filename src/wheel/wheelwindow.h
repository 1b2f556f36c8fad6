#pragma once

#include "app/sharedwindow.h"

namespace zt {

// The wheel picture window "Ruota".
class WheelWindow : public SharedWindow {
    Q_OBJECT
public:
    WheelWindow();
};

} // namespace zt
