#pragma once
// Writing a whole file for the player (the report, an exported list): in one
// piece, with the cause of a failure in Italian.

#include <QByteArray>
#include <QString>

namespace zt {

// Writes the bytes to the file at path in one piece: afterwards either all of
// them are there or the file is as it was.  A file that nobody may write is
// kept as it is, also by an administrator.  A device or a pipe of that name
// (/dev/null) is written into, never replaced by a file.  On failure returns false and sets
// *error to "Impossibile scrivere <what> <path>: <cause>." (what: "il
// rapporto", "il file").
bool saveWhole(const QString& path, const QByteArray& bytes, const QString& what, QString* error);

// The cause, for the player, of a failed write of the file at path: what the
// path is, else the system's error number (errno), else its own text.
QString writeProblem(const QString& path, int systemError, const QString& systemText);

} // namespace zt
