#include "app/startup.h"

#include "app/wiring.h"

#include <QApplication>

namespace zt {

int runProgram(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zentrima13"));
    // The main board decides when the program ends (closing it ends the run).
    QApplication::setQuitOnLastWindowClosed(false);
    AppLinks links;
    links.show(Links::Window::Board);
    return QApplication::exec();
}

} // namespace zt
