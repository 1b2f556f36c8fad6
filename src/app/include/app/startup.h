#pragma once

namespace zt {

// The program: with a command (see commands.h), that command's work;
// otherwise the windows: the application is created, the main board shown and
// the event loop run until the main board is closed.  Returns the exit code.
int runProgram(int argc, char** argv);

} // namespace zt
