#include "store/storefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

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

QString readOnlyProblem()
{
    return QStringLiteral("Il file %1 è in sola lettura").arg(kFile);
}

QString storeProblem(const QSqlError& error)
{
    switch (error.nativeErrorCode().toInt() & 0xff) {
    case kBusy:
    case kLocked:
        return QStringLiteral("Il file %1 è bloccato da un altro programma").arg(kFile);
    case kReadOnlyCode:
        return readOnlyProblem();
    case kNotADatabase:
        return QStringLiteral("Il file %1 non è un database valido").arg(kFile);
    case kCorrupt:
        return QStringLiteral("Il file %1 è danneggiato").arg(kFile);
    case kFull:
        return QStringLiteral("Il disco del file %1 è pieno").arg(kFile);
    case kCantOpen:
        return QStringLiteral("Il file %1 non si può aprire").arg(kFile);
    case kIoError:
        return QStringLiteral("Errore di lettura o scrittura sul file %1").arg(kFile);
    default:
        return QStringLiteral("Errore nel file %1 (%2)").arg(kFile, error.text().trimmed());
    }
}

StoreConnection::StoreConnection()
{
    static int serial = 0;
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

bool StoreConnection::fail(const QString& text, QString* problem)
{
    close();
    if (problem)
        *problem = text;
    return false;
}

bool StoreConnection::open(QString* problem)
{
    close();
    const QString path = QDir::current().absoluteFilePath(kFile);
    const QFileInfo info(path);
    const bool existed = info.exists();
    readOnly_ = existed && info.isFile() && !writable(info);

    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
    db.setDatabaseName(path);
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000");
    if (readOnly_)
        options += QStringLiteral(";QSQLITE_OPEN_READONLY");
    db.setConnectOptions(options);
    if (!db.open()) {
        const QString text = existed ? storeProblem(db.lastError())
                                     : QStringLiteral("Il file %1 non si può creare").arg(kFile);
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
                                     .arg(kFile, q.lastError().text().trimmed());
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
            const QString text = storeProblem(q.lastError());
            q = QSqlQuery();
            db = {};
            return fail(text, problem);
        }
        QStringList names;
        while (q.next())
            names << q.value(1).toString().toLower();
        QString missing;
        if (names.isEmpty())
            missing = QStringLiteral("Nel file %1 manca la tabella Uscite").arg(kFile);
        for (const char* column : kColumns) {
            if (missing.isEmpty() && !names.contains(QString::fromLatin1(column).toLower()))
                missing = QStringLiteral("Nel file %1 manca la colonna %2 della tabella Uscite")
                              .arg(kFile, QString::fromLatin1(column));
        }
        if (!missing.isEmpty()) {
            q = QSqlQuery();
            db = {};
            return fail(missing, problem);
        }
    }
    // A setting of this connection only; nothing is written to the file.
    q.exec(QStringLiteral("PRAGMA synchronous = FULL"));
    open_ = true;
    return true;
}

} // namespace zt
