#pragma once
// `zentrima13 search`: which settings would have worked on a choosing part of
// the recorded spins, and how they did on the judging part after it.

#include <QStringList>

namespace zt {

// The command's work; arguments start with its name.  Returns an ExitCode.
int runSearch(const QStringList& arguments);

} // namespace zt
