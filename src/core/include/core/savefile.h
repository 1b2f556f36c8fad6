#pragma once
// Whole files for the player: writing the report or an exported list in one
// piece, several outputs of one command all or none, reading an input in
// bounded memory, and the causes of failures in Italian (the one place where
// the system's error numbers become sentences).

#include <QByteArray>
#include <QString>

#include <vector>

namespace zt {

// The largest input read whole (an imported list or CSV): 256 MiB.
inline constexpr qint64 kLargestInput = qint64(256) << 20;

// The cause, for the player, of a failed system call with the error number
// (errno): "il disco è pieno", "non si ha il permesso…".  Never the system's
// own English text; an unknown number is given as such.
QString systemProblem(int systemError);

// What a path names when it is there but is no regular file: "è una
// cartella", "non è un file normale (è una pipe)", "… (è un dispositivo)",
// "… (è un socket)".  Empty for a regular file (or a link to one) and for a
// path that names nothing.
QString notAFileProblem(const QString& path);
// The same as a whole sentence about the name given: "dati.mdb è una
// cartella", "dati.mdb non è un file normale (è una pipe)"…
QString notAFileSentence(const QString& path, const QString& name);

// The file a path names, as one compares two of them: the canonical path of
// an existing file, else its folder's canonical path and its name (the file
// that writing would make).  "-" (standard input or output) stays "-".
QString canonicalTarget(const QString& path);

// Reads the open file descriptor fd to its end into *bytes (the room reserved
// in it is used), at most `limit` bytes, again after an interrupted read: 0
// when done, -1 past the limit (*bytes then empty), else the error number.
int readAll(int fd, qint64 limit, QByteArray* bytes);

// Writes all the bytes to the open file descriptor fd, again after an
// interrupted write; false when the system refuses (errno says why).
bool writeAll(int fd, const QByteArray& bytes);

// Reads the whole file at path ("-": standard input), at most `limit` bytes.
// Only a regular file or standard input is read: a folder, a pipe or a device
// is refused at once.  On failure *error reads "Impossibile leggere il file
// <path>: <cause>." (or "… lo standard input: …").
bool readWhole(const QString& path, qint64 limit, QByteArray* bytes, QString* error);

// Writes the bytes to the file at path in one piece: afterwards either all of
// them are there or the file is as it was.  A file that nobody may write is
// kept as it is, also by an administrator.  A device or a pipe of that name
// (/dev/null) is written into, never replaced by a file; "-" is standard
// output.  On failure returns false and sets *error to "Impossibile scrivere
// <what> <path>: <cause>." (what: "il rapporto", "il file").
bool saveWhole(const QString& path, const QByteArray& bytes, const QString& what, QString* error);

// The outputs of one piece of work, written all or none: each file is
// written in full beside its place first, then standard output, devices and
// pipes are written, and only when all of that has gone well are the files
// put in place.  A failure before that point leaves every file as it was.
class Outputs {
public:
    // path: a file, a device or pipe, or "-" for standard output; what: as
    // saveWhole's ("il rapporto", "il file").
    void add(const QString& path, const QString& what, const QByteArray& bytes);
    // False with *error (the first failure, as saveWhole's) when anything
    // could not be written.
    bool write(QString* error);

private:
    struct Output {
        QString path;
        QString what;
        QByteArray bytes;
    };
    std::vector<Output> outputs_;
};

// Whether an output could be written at path, checked before the work that
// makes it: "-" needs an open standard output, a device or a pipe is taken as
// it is, and a file must be one that Outputs could put in place (tried by
// making, and dropping, its new copy beside it).  On failure *error reads as
// Outputs::write's would.
bool checkOutput(const QString& path, const QString& what, QString* error);

// Writes the bytes to standard output and flushes it; on failure *error reads
// "Impossibile scrivere sullo standard output: <cause>."
bool writeStandardOutput(const QByteArray& bytes, QString* error);

// The cause, for the player, of a failed write of the file at path: what the
// path is, else the system's error number (errno).
QString writeProblem(const QString& path, int systemError);

} // namespace zt
