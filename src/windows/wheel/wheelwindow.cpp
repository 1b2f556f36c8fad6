#include "windows/wheelwindow.h"

#include "core/textrules.h"
#include "ui/form.h"

#include <QLabel>
#include <QPixmap>

namespace zt {

WheelWindow::WheelWindow()
{
    setObjectName(QStringLiteral("Ruota"));
    setWindowTitle(tr("Routa"));
    setFixedSize(twipsSize(6210, 6195));

    auto* image = place<QLabel>(this, QStringLiteral("Image1"), {120, 120, 6000, 6000});
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The sectors named as the statistics name them, in the language shown.
    image->setPixmap(QPixmap(shownLocale().language() == QLocale::English
                                 ? QStringLiteral(":/wheel_en.gif")
                                 : QStringLiteral(":/wheel.gif")));
}

} // namespace zt
