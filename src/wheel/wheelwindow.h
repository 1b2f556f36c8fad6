#pragma once

#include "app/sharedwindow.h"

namespace zt {

// The wheel picture window "Ruota": the picture of the wheel and nothing else.
class WheelWindow : public SharedWindow {
    Q_OBJECT
public:
    WheelWindow();
};

// Shows the one wheel window (created on first use) without blocking the caller.
void showWheelWindow();

} // namespace zt
