#pragma once
// The board window of a test function, made afresh in a working directory of
// its own: the test's init() calls openBoard() and its cleanup() closeBoard().

#include "ui/colorbutton.h"
#include "windowsupport.h"

#include <optional>

namespace zt::test {

struct BoardFixture {
    std::optional<FreshDir> dir;
    BoardWindow* board = nullptr;

    template <class T = QWidget> T* c(const char* name) { return control<T>(board, name); }
    ColorButton* key(int index) { return control<ColorButton>(board, "Command9", index); }
    void click(const char* name) { c<QAbstractButton>(name)->click(); }

    // Shown and active.
    bool openBoard()
    {
        dir.emplace();
        board = shared<BoardWindow>();
        board->show();
        QApplication::setActiveWindow(board);
        return QTest::qWaitForWindowActive(board);
    }
    void closeBoard()
    {
        destroySharedWindows();
        dir.reset();
    }
};

} // namespace zt::test
