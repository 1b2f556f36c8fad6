#pragma once
// Recorded spins in and out of dati.mdb as CSV text (core/spincsv.h).  Each
// transfer opens a connection of its own for the one operation.

#include "store/storefile.h"

#include <QByteArray>
#include <QString>

namespace zt {

class SpinCsvReader;

class SpinTransfer {
public:
    // path: the database file; empty for dati.mdb in the working directory.
    explicit SpinTransfer(const QString& path = {});
    SpinTransfer(const SpinTransfer&) = delete;
    SpinTransfer& operator=(const SpinTransfer&) = delete;

    // The rows of the command (one of storecommands.h) as CSV, in id order,
    // header first, every value exactly as stored (a BLOB as its bytes).  A
    // text that is not UTF-8 stops the export, naming its row.  The file is
    // only read (but see StoreConnection::open); a missing one is not created.
    bool exportRows(const QString& command, QByteArray* csv);

    // Appends the rows of the reader, whose check() has passed, to Uscite in
    // one transaction: all of them, or none when anything fails (also when
    // the process is killed meanwhile, and when the table does not gain
    // exactly the rows read: a trigger or a conflict clause of the file that
    // drops or adds rows).  The store assigns the ids.  The file is created
    // when it does not exist, and removed again if nothing could be stored in
    // it.
    bool importRows(SpinCsvReader& reader);

    // True when path names the database file itself (which an export must
    // never overwrite).
    bool isDatabase(const QString& path) const;

    // The rows exported or imported by the last call.
    qint64 rows() const { return rows_; }
    // Why the last call failed, in Italian, e.g. "Il file dati.mdb è in sola
    // lettura: nessuna uscita è stata importata."
    const QString& error() const { return error_; }

    enum class Fault {
        None,
        Refused, // the file cannot serve (missing, not a database of spins, read-only)
        Busy,    // another program holds the file: trying again later may succeed
        Failed,  // anything else (a row refused by the table, a text that is not UTF-8…)
    };
    // What made the last call fail.
    Fault fault() const { return fault_; }

private:
    bool fail(const QString& message, Fault fault);
    bool failOpen(const QString& message);

    StoreConnection conn_;
    qint64 rows_ = 0;
    QString error_;
    Fault fault_ = Fault::None;
};

} // namespace zt
