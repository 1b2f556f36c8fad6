#include "store/storefile.h"

#include "core/savefile.h"
#include "core/textrules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

#include <atomic>
#include <cerrno>
#include <limits>

#include <sys/stat.h>

namespace zt {

namespace {

struct StoreText {
    Q_DECLARE_TR_FUNCTIONS(Store)
};

const QString kFile = QString::fromLatin1(kStoreFileName);

// Result codes of the engine.
enum : int {
    kError = 1,
    kPermission = 3,
    kBusy = 5,
    kLocked = 6,
    kNoMemory = 7,
    kReadOnlyCode = 8,
    kIoError = 10,
    kCorrupt = 11,
    kFull = 13,
    kCantOpen = 14,
    kProtocol = 15,
    kSchemaChanged = 17,
    kTooBig = 18,
    kConstraint = 19,
    kMismatch = 20,
    kAuthorization = 23,
    kNotADatabase = 26,
    // Extended codes: a hot journal that a read-only connection cannot roll
    // back; the journal cannot be created in the file's folder; the kinds of
    // constraint.
    kReadOnlyRollback = kReadOnlyCode | (3 << 8),
    kReadOnlyMoved = kReadOnlyCode | (4 << 8),
    kReadOnlyDirectory = kReadOnlyCode | (6 << 8),
    kCheck = kConstraint | (1 << 8),
    kForeignKey = kConstraint | (3 << 8),
    kNotNull = kConstraint | (5 << 8),
    kPrimaryKey = kConstraint | (6 << 8),
    kTrigger = kConstraint | (7 << 8),
    kUnique = kConstraint | (8 << 8),
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

QString storeFileName(const QString& path)
{
    if (path.isEmpty())
        return kFile;
    const QFileInfo info(path);
    if (info.absolutePath() == QDir::currentPath())
        return info.fileName();
    return QDir::toNativeSeparators(info.absoluteFilePath());
}

namespace {

// The column a constraint names in the engine's message ("NOT NULL
// constraint failed: Uscite.Cima"), as it shows in a message.
QString constraintColumn(const QString& engineText)
{
    return printableText(engineText.section(u':', -1).section(u'.', -1).trimmed());
}

// Rolls back the write that a program killed while writing left half done in
// the file (its journal beside it), through a connection that may write, as
// any program that writes the file would before reading it.  Only where the
// file and its folder may be written; true when done.
bool rollBackInterruptedWrite(const QString& path)
{
    const QFileInfo info(path);
    if (!writable(info) || !QFileInfo(info.absolutePath()).isWritable())
        return false;
    static std::atomic<int> serial = 0;
    const QString name = QStringLiteral("zt-rollback-%1").arg(++serial);
    bool done = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
        if (db.open()) {
            QSqlQuery q(db);
            done = q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"));
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return done;
}

} // namespace

QString storeMessage(const QString& problem, StoreAction action)
{
    switch (action) {
    case StoreAction::Open:
        return problem + u'.';
    case StoreAction::Record:
        return problem + StoreText::tr(": l'uscita non è stata registrata.");
    case StoreAction::Delete:
        return problem + StoreText::tr(": la riga non è stata cancellata.");
    case StoreAction::Update:
        return problem + StoreText::tr(": la modifica non è stata salvata.");
    case StoreAction::Read:
        return problem + StoreText::tr(": le righe non sono state lette.");
    case StoreAction::Restore:
        return problem + StoreText::tr(": la riga cancellata non è stata rimessa.");
    }
    return problem + u'.';
}

QString readOnlyProblem(const QString& path)
{
    return StoreText::tr("Il file %1 è in sola lettura").arg(storeFileName(path));
}

QString missingProblem(const QString& path)
{
    return StoreText::tr("Il file %1 non esiste").arg(storeFileName(path));
}

QString droppedRowProblem(const QString& path)
{
    return StoreText::tr("Nel file %1 la tabella Uscite non ha tenuto la riga come le è stata "
                          "mandata (un trigger o una regola del file l'ha scartata o cambiata)")
        .arg(storeFileName(path));
}

QString interruptedWriteProblem(const QString& path)
{
    return StoreText::tr("Il file %1 ha una scrittura interrotta da annullare (il file %2-journal "
                          "accanto), ma qui il file o la sua cartella non si possono scrivere: la "
                          "annulla il primo programma che lo apre potendolo scrivere")
        .arg(storeFileName(path), QFileInfo(path.isEmpty() ? kFile : path).fileName());
}

bool isBusy(const QSqlError& error)
{
    const int code = error.nativeErrorCode().toInt() & 0xff;
    return code == kBusy || code == kLocked || code == kProtocol;
}

bool isMoved(const QSqlError& error)
{
    return error.nativeErrorCode().toInt() == kReadOnlyMoved;
}

QString storeProblem(const QSqlError& error, const QString& path)
{
    const QString file = storeFileName(path);
    const int code = error.nativeErrorCode().toInt();
    const QString engineText = error.databaseText();
    switch (code) {
    case kReadOnlyDirectory: // the file itself may be writable
        return StoreText::tr("Nella cartella %1 del file %2 non si possono creare file")
            .arg(QDir::toNativeSeparators(path.isEmpty() ? QDir::currentPath()
                                                         : QFileInfo(path).absolutePath()),
                 file);
    case kReadOnlyRollback:
        return interruptedWriteProblem(path);
    case kReadOnlyMoved:
        return StoreText::tr("Il file %1 è stato sostituito o spostato mentre il programma lo "
                              "usava")
            .arg(file);
    case kNotNull:
        return StoreText::tr("Nel file %1 la colonna %2 della tabella Uscite non accetta righe "
                              "senza valore")
            .arg(file, constraintColumn(engineText));
    case kUnique:
    case kPrimaryKey:
        return StoreText::tr("Nel file %1 la colonna %2 della tabella Uscite non accetta "
                              "valori ripetuti")
            .arg(file, constraintColumn(engineText));
    case kCheck:
        return StoreText::tr("Nel file %1 un vincolo CHECK della tabella Uscite rifiuta la riga")
            .arg(file);
    case kTrigger:
        return StoreText::tr("Nel file %1 un trigger rifiuta la riga («%2»)")
            .arg(file, printableText(engineText));
    case kForeignKey:
        return StoreText::tr("Nel file %1 un vincolo di chiave esterna rifiuta la riga").arg(file);
    default:
        break;
    }
    switch (code & 0xff) {
    case kBusy:
    case kLocked:
    case kProtocol:
        return StoreText::tr("Il file %1 è bloccato da un altro programma").arg(file);
    case kReadOnlyCode:
        return readOnlyProblem(path);
    case kNotADatabase:
        return StoreText::tr("Il file %1 non è un database valido").arg(file);
    case kCorrupt:
        return StoreText::tr("Il file %1 è danneggiato").arg(file);
    case kFull:
        return StoreText::tr("Il disco del file %1 è pieno").arg(file);
    case kCantOpen:
        return StoreText::tr("Il file %1 non si può aprire").arg(file);
    case kIoError:
        return StoreText::tr("Errore di lettura o scrittura sul file %1").arg(file);
    case kPermission:
        return StoreText::tr("Non si ha il permesso di accedere al file %1").arg(file);
    case kNoMemory:
        return StoreText::tr("La memoria non basta per il file %1").arg(file);
    case kSchemaChanged:
        return StoreText::tr("Un altro programma ha cambiato la struttura del file %1").arg(file);
    case kTooBig:
        return StoreText::tr("Nel file %1 un valore è troppo grande").arg(file);
    case kConstraint:
        return StoreText::tr("Nel file %1 un vincolo della tabella Uscite rifiuta la riga")
            .arg(file);
    case kMismatch:
        return StoreText::tr("Nel file %1 un valore non è del tipo che la tabella Uscite vuole")
            .arg(file);
    case kAuthorization:
        return StoreText::tr("Il file %1 chiede un'operazione non permessa").arg(file);
    case kError:
        // The engine's words on what the file's schema (a trigger, a view)
        // asks for.
        if (engineText.contains(u"not authorized"))
            return StoreText::tr("Il file %1 chiede un'operazione non permessa").arg(file);
        if (engineText.startsWith(u"unsafe use of "))
            return StoreText::tr("Nel file %1 la struttura della tabella Uscite chiama %2, che "
                                  "lì non è permessa")
                .arg(file, printableText(engineText.mid(14).trimmed()));
        if (engineText.startsWith(u"no such "))
            return StoreText::tr("Nel file %1 la struttura della tabella Uscite usa «%2», che non "
                                  "c'è")
                .arg(file, printableText(engineText.section(u':', -1).trimmed()));
        return StoreText::tr("Il file %1 ha una struttura che questo programma non sa usare")
            .arg(file);
    default:
        return StoreText::tr("Errore imprevisto del database nel file %1 (codice %2)")
            .arg(file)
            .arg(code);
    }
}

QString insertProblem(const QSqlError& error, const QSqlDatabase& db)
{
    const QString file = storeFileName(db.databaseName());
    if ((error.nativeErrorCode().toInt() & 0xff) == kFull) {
        // Past the largest id (a row holds it, or the AUTOINCREMENT sequence
        // reached it) the engine has no id for a new row.
        QSqlQuery q(db);
        for (const char* sql : {"SELECT max(id) FROM Uscite",
                                "SELECT max(seq) FROM sqlite_sequence WHERE name = 'Uscite' "
                                "COLLATE NOCASE"}) {
            if (q.exec(QString::fromLatin1(sql)) && q.next() &&
                q.value(0).toLongLong() == std::numeric_limits<qint64>::max())
                return StoreText::tr("La tabella Uscite del file %1 ha esaurito i numeri di "
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

bool StoreConnection::isReplaced() const
{
    if (!open_)
        return false;
    struct stat st;
    if (::stat(QFile::encodeName(database().databaseName()).constData(), &st) != 0)
        return true;
    return quint64(st.st_dev) != device_ || quint64(st.st_ino) != inode_;
}

bool StoreConnection::failWith(const QSqlError& error, const QString& path, QString* problem)
{
    busy_ = isBusy(error);
    return fail(storeProblem(error, path), problem);
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
    busy_ = false;
    const QString path = filePath();
    const QString file = storeFileName(path);
    const QFileInfo info(path);
    const bool existed = info.exists();
    if (readerOnly_ && !existed)
        return fail(missingProblem(path), problem);
    // A folder, a pipe or a device: refused at once (a pipe would be waited
    // on for ever).
    if (const QString kind = notAFileSentence(path, file); !kind.isEmpty())
        return fail(kind, problem);
    readOnly_ = readerOnly_ || (existed && !writable(info));

    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
    db.setDatabaseName(path);
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeout_);
    if (readOnly_)
        options += QStringLiteral(";QSQLITE_OPEN_READONLY");
    db.setConnectOptions(options);
    if (!db.open()) {
        const QSqlError error = db.lastError();
        db = {};
        if (existed)
            return failWith(error, path, problem);
        // Why, where the folder tells it.
        const QFileInfo folder(info.absolutePath());
        if (!folder.isDir() || !folder.isWritable())
            return fail(StoreText::tr("Il file %1 non si può creare (%2)")
                            .arg(file, writeProblem(path, EACCES)),
                        problem);
        return failWith(error, path, problem);
    }

    QSqlQuery q(db);
    if (!existed) {
        const bool created = q.exec(QStringLiteral(
            "CREATE TABLE Uscite (id INTEGER PRIMARY KEY AUTOINCREMENT, Numero TEXT, "
            "Memoria TEXT, Tipo INTEGER, Cima TEXT, Memcima TEXT, Note TEXT)"));
        if (!created) {
            const QString text = StoreText::tr("Il file %1 non si può creare (%2)")
                                     .arg(file, storeProblem(q.lastError(), path));
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
            const QSqlError error = q.lastError();
            q = QSqlQuery();
            db = {};
            // A write interrupted half way (its journal is left beside the
            // file) is rolled back first, where that may be done.
            if (error.nativeErrorCode().toInt() == kReadOnlyRollback && !rolledBack_ &&
                rollBackInterruptedWrite(path)) {
                rolledBack_ = true;
                const bool opened = open(problem);
                rolledBack_ = false;
                return opened;
            }
            return failWith(error, path, problem);
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
            fault = StoreText::tr("Nel file %1 manca la tabella Uscite").arg(file);
        for (const char* column : kColumns) {
            if (fault.isEmpty() && !names.contains(QString::fromLatin1(column).toLower()))
                fault = StoreText::tr("Nel file %1 manca la colonna %2 della tabella Uscite")
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
                fault = StoreText::tr("Nel file %1 Uscite non è una tabella").arg(file);
            else if (!integerKey || q.value(1).toInt() != 0)
                fault = StoreText::tr("Nel file %1 la colonna id della tabella Uscite non è "
                                       "una chiave intera assegnata dal database")
                            .arg(file);
        }
        if (!fault.isEmpty()) {
            busy_ = isBusy(q.lastError());
            q = QSqlQuery();
            db = {};
            return fail(fault, problem);
        }
    }
    // A setting of this connection only; nothing is written to the file.
    if (!readOnly_)
        q.exec(QStringLiteral("PRAGMA synchronous = FULL"));
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) == 0) {
        device_ = quint64(st.st_dev);
        inode_ = quint64(st.st_ino);
    }
    open_ = true;
    return true;
}

} // namespace zt
