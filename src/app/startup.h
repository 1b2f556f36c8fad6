#pragma once

namespace zt {

// Creates the application, shows the main board and runs the event loop until
// the main board is closed.
int runProgram(int argc, char** argv);

// Ends the run: every running event loop returns, and programEnding() turns
// true so that a long loop that processes events by itself can stop too.
void endProgram();
bool programEnding();

} // namespace zt
