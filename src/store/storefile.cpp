#include "store/storefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

#include <atomic>
#include <limits>

namespace zt {

namespace {

const QString kFile = QString::fromLatin1(kStoreFileName);

// Primary result codes of the engine.
enum : int {
    kBusy = 5,
    kLocked = 6,
    kReadOnlyCode = 8,
    kIoError = 10,
    kCorrupt = 11,
    kFull = 13,
    kCantOpen = 14,
    kNotADatabase = 26,
    // Extended code: the journal cannot be created in the file's folder.
    kReadOnlyDirectory = kReadOnlyCode | (6 << 8),
};

// The columns every data source needs, in table order.
const char* const kColumns[] = {"id", "Numero", "Memoria", "Tipo", "Cima", "Memcima", "Note"};

// Writable for us, and not marked read-only for everybody (an administrator
// could still write it, but the mark means "keep this file as it is").
bool writable(const QFileInfo& info)
{
    const auto anyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    return info.isWritable() && (info.permissions() & anyWrite);
}

// The name messages give the file at path (dati.mdb when path is empty).
QString fileName(const QString& path)
{
    return path.isEmpty() ? kFile : QFileInfo(path).fileName();
}

} // namespace

QString storeMessage(const QString& problem, StoreAction action)
{
    switch (action) {
    case StoreAction::Open:
        return problem + u'.';
    case StoreAction::Record:
        return problem + QStringLiteral(": l'uscita non è stata registrata.");
    case StoreAction::Delete:
        return problem + QStringLiteral(": la riga non è stata cancellata.");
    case StoreAction::Update:
        return problem + QStringLiteral(": la modifica non è stata salvata.");
    case StoreAction::Read:
        return problem + QStringLiteral(": le righe non sono state lette.");
    }
    return problem + u'.';
}

QString readOnlyProblem(const QString& path)
{
    return QStringLiteral("Il file %1 è in sola lettura").arg(fileName(path));
}

QString missingProblem(const QString& path)
{
    return QStringLiteral("Il file %1 non esiste").arg(fileName(path));
}

QString storeProblem(const QSqlError& error, const QString& path)
{
    const QString file = fileName(path);
    const int code = error.nativeErrorCode().toInt();
    if (code == kReadOnlyDirectory) // the file itself may be writable
        return QStringLiteral("Nella cartella %1 del file %2 non si possono creare file")
            .arg(QDir::toNativeSeparators(path.isEmpty() ? QDir::currentPath()
                                                         : QFileInfo(path).absolutePath()),
                 file);
    switch (code & 0xff) {
    case kBusy:
    case kLocked:
        return QStringLiteral("Il file %1 è bloccato da un altro programma").arg(file);
    case kReadOnlyCode:
        return readOnlyProblem(path);
    case kNotADatabase:
        return QStringLiteral("Il file %1 non è un database valido").arg(file);
    case kCorrupt:
        return QStringLiteral("Il file %1 è danneggiato").arg(file);
    case kFull:
        return QStringLiteral("Il disco del file %1 è pieno").arg(file);
    case kCantOpen:
        return QStringLiteral("Il file %1 non si può aprire").arg(file);
    case kIoError:
        return QStringLiteral("Errore di lettura o scrittura sul file %1").arg(file);
    default:
        return QStringLiteral("Errore nel file %1 (%2)").arg(file, error.text().trimmed());
    }
}

bool isHeldError(const QSqlError& error)
{
    const int code = error.nativeErrorCode().toInt() & 0xff;
    return code == kBusy || code == kLocked;
}

QString insertProblem(const QSqlError& error, const QSqlDatabase& db)
{
    const QString file = fileName(db.databaseName());
    if ((error.nativeErrorCode().toInt() & 0xff) == kFull) {
        // Past the largest id (a row holds it, or the AUTOINCREMENT sequence
        // reached it) the engine has no id for a new row.
        QSqlQuery q(db);
        for (const char* sql : {"SELECT max(id) FROM Uscite",
                                "SELECT max(seq) FROM sqlite_sequence WHERE name = 'Uscite' "
                                "COLLATE NOCASE"}) {
            if (q.exec(QString::fromLatin1(sql)) && q.next() &&
                q.value(0).toLongLong() == std::numeric_limits<qint64>::max())
                return QStringLiteral("La tabella Uscite del file %1 ha esaurito i numeri di "
                                      "riga (id)")
                    .arg(file);
        }
    }
    return storeProblem(error, db.databaseName());
}

StoreConnection::StoreConnection()
{
    // Connections are also opened on worker threads.
    static std::atomic<int> serial = 0;
    name_ = QStringLiteral("zt-store-%1").arg(++serial);
}

StoreConnection::~StoreConnection()
{
    close();
}

QSqlDatabase StoreConnection::database() const
{
    return QSqlDatabase::database(name_, false);
}

void StoreConnection::close()
{
    if (!QSqlDatabase::contains(name_))
        return;
    {
        QSqlDatabase db = database();
        db.close();
    }
    QSqlDatabase::removeDatabase(name_);
    open_ = false;
    readOnly_ = false;
}

bool StoreConnection::isReadOnlyNow() const
{
    if (readOnly_)
        return true;
    const QFileInfo info(database().databaseName());
    return open_ && info.exists() && !writable(info);
}

bool StoreConnection::fail(const QString& text, QString* problem)
{
    close();
    if (problem)
        *problem = text;
    return false;
}

QString StoreConnection::filePath() const
{
    return path_.isEmpty() ? QDir::current().absoluteFilePath(kFile)
                           : QFileInfo(path_).absoluteFilePath();
}

bool StoreConnection::openExisting(const QString& path, QString* problem)
{
    setFilePath(path);
    setReadOnly(true);
    return open(problem);
}

bool StoreConnection::open(QString* problem)
{
    close();
    held_ = false;
    const QString path = filePath();
    const QString file = fileName(path);
    const QFileInfo info(path);
    const bool existed = info.exists();
    if (readerOnly_ && !existed)
        return fail(missingProblem(path), problem);
    readOnly_ = readerOnly_ || (existed && info.isFile() && !writable(info));

    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
    db.setDatabaseName(path);
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeout_);
    if (readOnly_)
        options += QStringLiteral(";QSQLITE_OPEN_READONLY");
    db.setConnectOptions(options);
    if (!db.open()) {
        const QString text = existed ? storeProblem(db.lastError(), path)
                                     : QStringLiteral("Il file %1 non si può creare").arg(file);
        db = {};
        return fail(text, problem);
    }

    QSqlQuery q(db);
    if (!existed) {
        const bool created = q.exec(QStringLiteral(
            "CREATE TABLE Uscite (id INTEGER PRIMARY KEY AUTOINCREMENT, Numero TEXT, "
            "Memoria TEXT, Tipo INTEGER, Cima TEXT, Memcima TEXT, Note TEXT)"));
        if (!created) {
            const QString text = QStringLiteral("Il file %1 non si può creare (%2)")
                                     .arg(file, q.lastError().text().trimmed());
            q = QSqlQuery();
            db = {};
            fail(text, problem);
            QFile::remove(path); // only the empty file made just now
            return false;
        }
    } else {
        // Reading the schema is the first access to the file: it tells a
        // file that is not a database and one locked by another program.
        if (!q.exec(QStringLiteral("PRAGMA table_info(Uscite)"))) {
            held_ = isHeldError(q.lastError());
            const QString text = storeProblem(q.lastError(), path);
            q = QSqlQuery();
            db = {};
            return fail(text, problem);
        }
        QStringList names;
        bool integerKey = false; // id declared INTEGER and the only primary key column
        while (q.next()) {
            names << q.value(1).toString().toLower();
            if (names.last() == u"id")
                integerKey = q.value(2).toString().compare(u"INTEGER", Qt::CaseInsensitive) == 0 &&
                             q.value(5).toInt() == 1;
        }
        QString fault;
        if (names.isEmpty())
            fault = QStringLiteral("Nel file %1 manca la tabella Uscite").arg(file);
        for (const char* column : kColumns) {
            if (fault.isEmpty() && !names.contains(QString::fromLatin1(column).toLower()))
                fault = QStringLiteral("Nel file %1 manca la colonna %2 della tabella Uscite")
                            .arg(file, QString::fromLatin1(column));
        }
        // id must be the engine's own row number (the rowid): only then does
        // the engine assign it and it names one row.  A view, a table WITHOUT
        // ROWID and any other key (which all carry a key index of their own)
        // can hold repeated, empty or text ids.
        if (fault.isEmpty()) {
            if (!q.exec(QStringLiteral(
                    "SELECT (SELECT type FROM sqlite_master WHERE name = 'Uscite' COLLATE NOCASE "
                    "AND type IN ('table', 'view')), (SELECT count(*) FROM "
                    "pragma_index_list('Uscite') WHERE origin = 'pk')")) ||
                !q.next())
                fault = storeProblem(q.lastError(), path);
            else if (q.value(0).toString() != u"table")
                fault = QStringLiteral("Nel file %1 Uscite non è una tabella").arg(file);
            else if (!integerKey || q.value(1).toInt() != 0)
                fault = QStringLiteral("Nel file %1 la colonna id della tabella Uscite non è "
                                       "una chiave intera assegnata dal database")
                            .arg(file);
        }
        if (!fault.isEmpty()) {
            held_ = isHeldError(q.lastError());
            q = QSqlQuery();
            db = {};
            return fail(fault, problem);
        }
    }
    // A setting of this connection only; nothing is written to the file.
    if (!readOnly_)
        q.exec(QStringLiteral("PRAGMA synchronous = FULL"));
    open_ = true;
    return true;
}

} // namespace zt
