#pragma once
// `zentrima13 read`: the numbers read from a picture of a casino's strip.

#include <QStringList>

namespace zt {

// The command's work; arguments start with its name.  Returns an ExitCode.
int runRead(const QStringList& arguments);

} // namespace zt
