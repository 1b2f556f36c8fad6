#pragma once
// What the commands share: their messages on standard error, their output on
// standard output (a failed write is a failure), and how a value typed on
// the command line shows in a message.

#include <QString>

namespace zt {

// The message and a line end on standard error; returns code.  For
// ExitBusy the message ends with the advice to try again.
int failWith(int code, const QString& message);

// The message, then the usage, on standard error; returns ExitUsage.
int usageError(const QString& usage, const QString& message);

// The text on standard output.  False, after saying why on standard error,
// when it could not be written (a full disk, a closed output).
bool printOut(const QString& text);

// A value or a path typed on the command line as a message shows it: what
// does not print spelt out, the separators of the system.
QString shownArgument(const QString& text);

} // namespace zt
