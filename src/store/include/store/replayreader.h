#pragma once
// The recorded spins of a database file read for a replay without windows:
// the two columns "SPIN" reads (Numero, Memoria), in id order, straight
// through the database engine's own interface, read-only.

#include <QString>

#include <optional>

namespace zt {

class ReplayRows;

enum class ReplayRead {
    Done,
    Unusable,  // the file is missing or is not a usable dati.mdb
    NoSuchRow, // no row has the id to start from
};

// Opens the database file at path read-only (a missing file is not created,
// nothing is ever written; the checks of StoreConnection, with messages that
// name the file as name) and appends to rows, in id order, the rows from the
// one whose id is fromId (from the first when none is given), at most limit
// of them (every one when limit is negative), each as the viewer's bound
// boxes show its Numero and Memoria.  The rows are those up to the last id
// at the start, read in stretches that leave the file free between them for
// the spins the board records.  Anything but Done sets *problem to a sentence
// for the player, without its full stop.
ReplayRead readReplayRows(const QString& path, const QString& name, std::optional<qint64> fromId,
                          qint64 limit, ReplayRows& rows, QString* problem);

} // namespace zt
