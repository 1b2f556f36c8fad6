#pragma once
// The database file dati.mdb in the working directory: one connection to it,
// its creation and check, and the Italian texts of its failures.
//
// File format: SQLite, table Uscite (id INTEGER PRIMARY KEY AUTOINCREMENT,
// Numero TEXT, Memoria TEXT, Tipo INTEGER, Cima TEXT, Memcima TEXT, Note TEXT).
// A missing file is created with that table; an existing file is never
// changed by opening it (no repair, no migration, no change of journal mode),
// so a file that fails the check keeps every byte; the one exception is a
// write left half done by a killed program, which is rolled back.
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
enum class StoreAction { Open, Record, Delete, Update, Read, Restore };

// "problem" (a sentence without its full stop) followed by what the failure
// means for the action: "…: l'uscita non è stata registrata." for Record,
// a plain full stop for Open.
QString storeMessage(const QString& problem, StoreAction action);

// The problem sentence for an error reported by the database driver, in
// Italian whatever the engine said.  The sentences name the file at path (by
// its name in the working directory, by its full path elsewhere), dati.mdb in
// the working directory when path is empty.
QString storeProblem(const QSqlError& error, const QString& path = {});

// True when the error means that another program holds the file: trying
// again later may succeed.
bool isBusy(const QSqlError& error);

// True when the error means that the file was moved or replaced while open:
// a connection opened afresh writes the file the path names now.
bool isMoved(const QSqlError& error);

// storeProblem() for a failure to add a row to Uscite through db: tells a
// table whose ids are used up, which the engine reports as a full disk.
QString insertProblem(const QSqlError& error, const QSqlDatabase& db);

// The name messages give the file at path (dati.mdb when path is empty): its
// name in the working directory, its full path elsewhere.
QString storeFileName(const QString& path = {});

// "Il file dati.mdb è in sola lettura"
QString readOnlyProblem(const QString& path = {});

// "Il file dati.mdb non esiste"
QString missingProblem(const QString& path = {});

// A row added to Uscite that the table did not keep as it was sent: a
// trigger or a rule of the file dropped or changed it.
QString droppedRowProblem(const QString& path = {});

// A write interrupted half way (a program killed while writing left its
// journal beside the file) that nobody here may roll back.
QString interruptedWriteProblem(const QString& path = {});

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
    // administrator.  A folder, a pipe or a device of that name is refused at
    // once.  A write left half done by a program killed while writing is
    // rolled back first (as any program that writes the file does), also for
    // a reader, when the file and its folder may be written; otherwise the
    // problem says so.
    bool open(QString* problem);
    // The last open() failed because another program holds the file: trying
    // again later may succeed.
    bool busy() const { return busy_; }
    // For readers that never write: open() then leaves a missing file
    // missing (its problem: "Il file dati.mdb non esiste") and opens an
    // existing one read-only.  Set before open().
    void setReadOnly(bool readOnly) { readerOnly_ = readOnly; }
    // How long open() and the statements of the connection wait for a lock
    // held by another program (default two seconds).  Set before open().
    void setBusyTimeout(int ms) { busyTimeout_ = ms; }
    // setFilePath(path), setReadOnly(true) and open(): the file at path as it
    // is, with the checks and messages of open(), never written.
    bool openExisting(const QString& path, QString* problem);
    void close();
    // The file open() opens: dati.mdb in the working directory at the time of
    // open(), unless another file was set (taken effect at the next open()).
    void setFilePath(const QString& path) { path_ = path; }
    QString filePath() const;
    bool isOpen() const { return open_; }
    bool isReadOnly() const { return readOnly_; }
    // Read-only as open() would judge the file now: opened read-only, or its
    // write permissions taken away since (a connection opened before keeps
    // writing such a file, and an administrator may write any file).
    bool isReadOnlyNow() const;
    // The path no longer names the file open() opened: it was replaced (a
    // file moved over it) or moved away.  Writes through the connection would
    // reach that old file, not the one the path names now.
    bool isReplaced() const;
    QSqlDatabase database() const;

private:
    bool fail(const QString& text, QString* problem);
    bool failWith(const QSqlError& error, const QString& path, QString* problem);

    QString name_;
    QString path_;
    bool open_ = false;
    bool readOnly_ = false;
    bool readerOnly_ = false;
    bool busy_ = false;
    bool rolledBack_ = false;
    int busyTimeout_ = 2000;
    // The identity (device, inode) of the file opened.
    quint64 device_ = 0;
    quint64 inode_ = 0;
};

} // namespace zt
