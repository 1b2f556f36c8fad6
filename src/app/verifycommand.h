#pragma once
// `zentrima13 verify`: the outcome viewer's verification ("GO" over the
// recorded spins, then "SALVA") without windows, for one setting or a sweep
// over many.

#include <QStringList>

namespace zt {

// The command's work; arguments start with its name.  Returns an ExitCode.
int runVerify(const QStringList& arguments);

} // namespace zt
