#pragma once
// What the commands share: their messages on standard error, their output on
// standard output (a failed write is a failure), and how a value typed on
// the command line shows in a message.

#include <QCommandLineOption>
#include <QList>
#include <QString>

class QCommandLineParser;

namespace zt {

// The message and a line end on standard error; returns code.  For
// ExitBusy the message ends with the advice to try again.
int failWith(int code, const QString& message);

// The message, then the usage, on standard error; returns ExitUsage.
int usageError(const QString& usage, const QString& message);

// The text on standard output.  False, after saying why on standard error,
// when it could not be written (a full disk, a closed output).
bool printOut(const QString& text);

// An option that takes one value given more than once, counted over all the
// names of the option: the message that names it ("L'opzione --db è data
// più di una volta…"), else empty.  `lists`: the options whose values add
// up (an elenco given in pieces), which may be repeated.
QString repeatedOption(const QCommandLineParser& p, const QList<QCommandLineOption>& lists = {});

// A value or a path typed on the command line as a message shows it: what
// does not print spelt out, the separators of the system.
QString shownArgument(const QString& text);

} // namespace zt
