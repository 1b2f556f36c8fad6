#include "app/startup.h"

#include "app/sharedwindow.h"
#include "board/boardwindow.h"

#include <QApplication>

namespace zt {

namespace {
bool ending = false;
}

void endProgram()
{
    ending = true;
    QCoreApplication::exit(0);
}

bool programEnding()
{
    return ending;
}

int runProgram(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zentrima13"));
    // The main board decides when the program ends (closing it ends the run).
    QApplication::setQuitOnLastWindowClosed(false);
    shared<BoardWindow>()->show();
    const int code = QApplication::exec();
    destroySharedWindows();
    return code;
}

} // namespace zt
