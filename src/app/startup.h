#pragma once

namespace zt {

// Creates the application, shows the main board and runs the event loop until
// the main board is closed.
int runProgram(int argc, char** argv);

} // namespace zt
