#pragma once
// The main board's data source on dati.mdb: it records spins and reads
// nothing else, so opening and recording take the same time whatever the
// size of the table.

#include "store/storefile.h"

#include <QSqlQuery>
#include <QString>

#include <optional>

namespace zt {

class SpinRecorder {
public:
    SpinRecorder() = default;
    ~SpinRecorder();
    SpinRecorder(const SpinRecorder&) = delete;
    SpinRecorder& operator=(const SpinRecorder&) = delete;

    // Opens its own connection on dati.mdb in the working directory, creating
    // the file when it does not exist (see StoreConnection::open).  On failure
    // lastError() says what is wrong, in Italian, and the file is untouched.
    bool open();
    bool isOpen() const { return conn_.isOpen(); }
    void close();

    // Adds one row to Uscite and stores it at once; the engine assigns its
    // id (lastId()).  Numero and Memoria are stored as the texts given
    // (" 17", " 37"); Tipo "1" or "2" is stored as a number; an empty or
    // blank text is stored as NULL in any of them.  Opens first when not open.  When
    // this returns true the row is on disk; on false nothing was stored and
    // lastError() holds the message, e.g. "Il file dati.mdb è in sola
    // lettura: l'uscita non è stata registrata."
    bool record(const QString& numero, const QString& tipo, const QString& memoria);

    enum class Removal {
        Deleted, // the row was deleted
        Gone,    // no row has that id and those values any more: nothing deleted
        Failed,  // nothing deleted; lastError() says why
    };
    // Deletes the row this recorder stored with the given id, only while it
    // still holds the Numero and Memoria it was stored with (a row deleted
    // in the viewer, or changed there, is left alone), in one statement.
    // A file that is read-only now is not touched:
    // "Il file dati.mdb è in sola lettura: la riga non è stata cancellata."
    Removal remove(qint64 id, const QString& numero, const QString& memoria);

    qint64 lastId() const { return lastId_; }
    const QString& lastError() const { return error_; }

private:
    bool connect(QString* problem);
    bool fail(const QString& problem, StoreAction action);

    StoreConnection conn_;
    std::optional<QSqlQuery> insert_;
    qint64 lastId_ = 0;
    QString error_;
};

} // namespace zt
