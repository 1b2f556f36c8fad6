// Handlers of the main board that act on the game: the keypad click, the
// corrections of the history, the bridges, the keypad inversion and the
// exchange-file poll.  Each reads the board's controls, calls the game logic and
// writes the controls back.

#include "board/boardwindow.h"

namespace zt {

void BoardWindow::enterSpin(int /*index*/) {}

void BoardWindow::spinBridgeChanged(const QString& /*text*/) {}

void BoardWindow::resetBridgeChanged(const QString& /*text*/) {}

void BoardWindow::cancelNewest() {}

void BoardWindow::cancelOldest() {}

void BoardWindow::cancelAll() {}

void BoardWindow::clearStringRow(int /*row*/) {}

void BoardWindow::repaintHighlight() {}

void BoardWindow::invertKeypad() {}

void BoardWindow::pollExchangeFile() {}

} // namespace zt
