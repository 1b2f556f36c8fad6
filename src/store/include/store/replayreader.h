#pragma once
// The recorded spins of a database file read for a replay without windows:
// the two columns "SPIN" reads (Numero, Memoria), in id order, straight
// through the database engine's own interface, read-only.

#include <QString>

#include <optional>
#include <vector>

namespace zt {

class ReplayRows;
class SpinClock;

enum class ReplayRead {
    Done,
    Unusable,  // the file is missing or is not a usable dati.mdb
    NoSuchRow, // no row has the id to start from
    Busy,      // another program holds the file: trying again later may succeed
};

// Opens the database file at path read-only (a missing file is not created,
// nothing is ever written; the checks of StoreConnection, with messages that
// name the file as name) and appends to rows, in id order, the rows from the
// one whose id is fromId (from the first when none is given), at most limit
// of them (every one when limit is negative), each as the viewer's bound
// boxes show its Numero and Memoria, and with `ids` its id there.  The rows are those up to the last id
// at the start, read in stretches that leave the file free between them for
// the spins the board records.  Anything but Done sets *problem to a sentence
// for the player, without its full stop.
ReplayRead readReplayRows(const QString& path, const QString& name, std::optional<qint64> fromId,
                          qint64 limit, ReplayRows& rows, QString* problem,
                          std::vector<qint64>* ids = nullptr);

// The rows of one game type (1 "Live", 2 "Spin"; 0 every row), all of them in
// id order, as readReplayRows() reads them; with a clock, the times at which
// they were entered go into it, where the file keeps them.
ReplayRead readReplayRowsOfType(const QString& path, int type,
                                ReplayRows& rows, SpinClock* clock, QString* problem);

// The times at which the rows that readReplayRows() reads with the same
// fromId and limit were entered, from the table UsciteOra (id, Ora: ISO 8601
// text) beside Uscite, into the clock.  A file without that table (the usual
// case for files older than it) or that cannot be read gives no time.
void readSpinTimes(const QString& path, std::optional<qint64> fromId, qint64 limit,
                   SpinClock& clock);

} // namespace zt
