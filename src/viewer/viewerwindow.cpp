#include "viewer/viewerwindow.h"

namespace zt {

ViewerWindow::ViewerWindow()
{
    setObjectName(QStringLiteral("visualizzaUsc"));
    setWindowTitle(QStringLiteral("Visualizza Uscite"));
    resize(11655 / 15, 6480 / 15);
}

} // namespace zt
