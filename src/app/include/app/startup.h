#pragma once

namespace zt {

// The program: creates the application, shows the main board and runs the
// event loop until the main board is closed.  Returns the exit code.
int runProgram(int argc, char** argv);

} // namespace zt
