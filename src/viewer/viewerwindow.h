#pragma once

#include "app/sharedwindow.h"

namespace zt {

// The outcome viewer "Visualizza Uscite".
class ViewerWindow : public SharedWindow {
    Q_OBJECT
public:
    ViewerWindow();
};

} // namespace zt
