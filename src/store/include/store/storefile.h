#pragma once
// The database file dati.mdb in the working directory: one connection to it,
// its creation and check, and the Italian texts of its failures.
//
// File format: SQLite, table Uscite (id INTEGER PRIMARY KEY AUTOINCREMENT,
// Numero TEXT, Memoria TEXT, Tipo INTEGER, Cima TEXT, Memcima TEXT, Note TEXT).
// A missing file is created with that table; an existing file is never
// changed by opening it (no repair, no migration, no change of journal mode),
// so a file that fails the check keeps every byte.
//
// Durability: every write is one auto-committed statement with the rollback
// journal and synchronous = FULL, so a write that has returned is in dati.mdb
// itself and on disk; the journal file exists only while a write runs.

#include <QSqlDatabase>
#include <QString>

class QSqlError;

namespace zt {

inline constexpr auto kStoreFileName = "dati.mdb";

// What an operation was doing when it failed: picks the end of its message.
enum class StoreAction { Open, Record, Delete, Update, Read };

// "problem" (a sentence without its full stop) followed by what the failure
// means for the action: "…: l'uscita non è stata registrata." for Record,
// a plain full stop for Open.
QString storeMessage(const QString& problem, StoreAction action);

// The problem sentence for an error reported by the database driver.
QString storeProblem(const QSqlError& error);
// The same, naming the file as given.
QString storeProblem(const QSqlError& error, const QString& file);

// storeProblem() for a failure to add a row to Uscite through db: tells a
// table whose ids are used up, which the engine reports as a full disk.
QString insertProblem(const QSqlError& error, const QSqlDatabase& db);

// "Il file dati.mdb è in sola lettura"
QString readOnlyProblem();

// One connection of its own (unique name) to dati.mdb in the working
// directory at the time of open().  Queries made on database() must be gone
// before close() or the destructor.
class StoreConnection {
public:
    StoreConnection();
    ~StoreConnection();
    StoreConnection(const StoreConnection&) = delete;
    StoreConnection& operator=(const StoreConnection&) = delete;

    // Creates the file with its table when it does not exist; otherwise
    // checks that it is a database holding the table Uscite with its seven
    // columns and id as its INTEGER PRIMARY KEY (the engine's row number),
    // waiting up to two seconds for a lock held by another program.  On
    // failure returns false, closes, and puts the problem sentence in *problem.
    // A file without any write permission is opened read-only, even by an
    // administrator.
    bool open(QString* problem);
    // Opens the database file at path read-only, as it is: a missing file is
    // not created ("Il file <name> non esiste") and nothing is ever written
    // to it.  The checks and messages of open(), naming the file as name.
    bool openExisting(const QString& path, const QString& name, QString* problem);
    void close();
    bool isOpen() const { return open_; }
    bool isReadOnly() const { return readOnly_; }
    QSqlDatabase database() const;

private:
    bool openFile(const QString& path, const QString& name, bool readOnly, QString* problem);
    bool fail(const QString& text, QString* problem);

    QString name_;
    bool open_ = false;
    bool readOnly_ = false;
};

} // namespace zt
