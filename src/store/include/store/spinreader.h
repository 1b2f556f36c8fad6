#pragma once
// The recorded spins as the statistics read them: the number and the game
// type of each row of Uscite, in the order of id, over a read-only connection
// of the reader's own (the file is never created or changed).  May run on any
// thread; the rows are read in short stretches, so that a spin recorded
// meanwhile waits for a few milliseconds at most.

#include "core/statistics.h"

#include <QString>

#include <atomic>
#include <vector>

namespace zt {

// Which file a path names: another file renamed over it is another file.
struct FileIdentity {
    quint64 device = 0;
    quint64 inode = 0; // 0: no file
    bool operator==(const FileIdentity&) const = default;
};
FileIdentity fileIdentity(const QString& path);

struct SpinReading {
    std::vector<stats::Spin> spins; // in the order of id
    qint64 lastId = 0;              // id of the last row read (0: none)
    qint64 unreadable = 0;          // rows whose Numero is no whole number 0..36
    // Rows read up to lastId, spins and unreadable ones, and the file they
    // came from: a later reading checks them before it only adds rows.
    qint64 rows = 0;
    FileIdentity file;
    // The last readSpins found those rows changed and read every row again.
    bool restarted = false;
};

enum class ReadResult {
    Read,      // the rows are in the reading
    NoFile,    // there is no dati.mdb: nothing is recorded yet
    Failed,    // the file cannot be read: *problem says why
    Cancelled, // *cancel was set
};

// Appends to `reading` the rows whose id is above reading.lastId, which may
// hold only the rows read before (its spins need not be there).  When the
// file is another one, or the rows up to lastId are not reading.rows any
// more (rows deleted or put in below lastId), the reading is emptied first
// and every row read: restarted.  Rows changed in place keep their count and
// are not noticed.  On anything but Read the reading is left as it was.
ReadResult readSpins(SpinReading& reading, QString* problem,
                     const std::atomic<bool>* cancel = nullptr);

// The number of a Numero value: its leading number when it has one and that
// is a whole number 0..36; otherwise -1 (an empty text or a word is no spin).
int spinNumber(QStringView text);

} // namespace zt
