#include "board/boardwindow.h"

#include <QCloseEvent>
#include <QCoreApplication>

namespace zt {

BoardWindow::BoardWindow()
{
    setObjectName(QStringLiteral("Zentrima13"));
    setWindowTitle(QStringLiteral("Roulette"));
}

void BoardWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    QCoreApplication::exit(0);
}

} // namespace zt
