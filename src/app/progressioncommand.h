#pragma once
// `zentrima13 progression`: the stakes of a progression by attempt.

#include <QStringList>

namespace zt {

// The command's work; arguments start with its name.  Returns an ExitCode.
int runProgression(const QStringList& arguments);

} // namespace zt
