#include "wheel/wheelwindow.h"

#include <QLabel>
#include <QPixmap>

namespace zt {

WheelWindow::WheelWindow()
{
    setObjectName(QStringLiteral("Ruota"));
    setWindowTitle(QStringLiteral("Routa"));
    setFixedSize(6210 / 15, 6195 / 15);

    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setGeometry(120 / 15, 120 / 15, 6000 / 15, 6000 / 15);
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    image->setPixmap(QPixmap(QStringLiteral(":/wheel.gif")));
}

void showWheelWindow()
{
    WheelWindow* wheel = shared<WheelWindow>();
    wheel->show();
    wheel->raise();
    wheel->activateWindow();
}

} // namespace zt
