#include "wheel/wheelwindow.h"

namespace zt {

WheelWindow::WheelWindow()
{
    setObjectName(QStringLiteral("Ruota"));
    setWindowTitle(QStringLiteral("Routa"));
    setFixedSize(6210 / 15, 6195 / 15);
}

} // namespace zt
