#pragma once
// The queue file of spinqueue.h as a file: read and written only when it is a
// regular file, never through a symbolic link, never waiting on a pipe, and
// read in bounded memory.

#include <QByteArray>
#include <QString>

namespace zt::queuefile {

// Makes what was written into the folder of `path` (a new or renamed file)
// last on disk.
bool syncFolder(const QString& path);

// What the path names when that is not a regular file: "è un collegamento
// simbolico" (never followed), "è una cartella", "non è un file normale (è
// una pipe)"…; empty for a regular file and for nothing at all.
QString notAFile(const QString& path);

// Something is at path (a link counts, whatever it points to).
bool exists(const QString& path);

enum class Reading { Missing, Done, Unreadable, NotAFile, TooLarge };

// Reads the queue file at path, never following a symbolic link, never
// blocking on a pipe, never more than kLargestInput bytes.  A file that
// nobody may read is not read, even by an administrator.  *cause says why
// it was not read.
Reading readQueueFile(const QString& path, QByteArray* bytes, QString* cause);

} // namespace zt::queuefile
