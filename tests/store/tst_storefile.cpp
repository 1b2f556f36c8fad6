// dati.mdb when something is wrong with it: every failure names its cause in
// Italian and leaves the file as it was; and a recorder killed at any moment
// loses no spin it reported as recorded.

#include "core/textrules.h"
#include "store/recordcursor.h"
#include "store/spinrecorder.h"
#include "store/storecommands.h"
#include "storetesting.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QScopeGuard>
#include <QSet>

#include <cstdio>
#include <optional>

using zt::test::sql;

namespace {

// Set in the environment of a helper: the folder it records in.
const char* const kHelperDir = "ZT_STORE_HELPER_DIR";

// Reads the helper's output until `count` lines starting with prefix have
// come; collects the ids of the "id N" lines on the way.
bool readUntil(QProcess* p, const QByteArray& prefix, QList<qint64>* ids, int count = 1)
{
    for (int seen = 0; seen < count;) {
        if (!p->canReadLine() && !p->waitForReadyRead(20000))
            return false;
        while (p->canReadLine() && seen < count) {
            const QByteArray line = p->readLine();
            if (line.startsWith("id "))
                *ids << line.mid(3).trimmed().toLongLong();
            seen += line.startsWith(prefix);
        }
    }
    return true;
}

} // namespace

class StoreFileTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The file as it is, what happens to it after the data sources opened, the
    // action, and the message; the file keeps every byte and gets no side file.
    void failures_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // a file of these bytes first (unless null)
        QTest::addColumn<QStringList>("state"); // statements; "read-only" marks the file
        QTest::addColumn<QStringList>("meanwhile"); // statements; "lock" by another program
        QTest::addColumn<QString>("action"); // open, record, delete, update, or "code N"
        QTest::addColumn<QString>("message");
        const QString table = zt::test::usciteTable;
        const QStringList rows{table, "INSERT INTO Uscite (Numero, Note) VALUES (' 4', NULL), (' 8', NULL)"};
        const QString cols = "Numero TEXT, Memoria TEXT, Tipo INTEGER, Cima, Memcima, Note";
        const QString key = "Nel file dati.mdb la colonna id della tabella Uscite non è una chiave "
                            "intera assegnata dal database";
        const QString usedUp = "La tabella Uscite del file dati.mdb ha esaurito i numeri di riga (id): "
                               "l'uscita non è stata registrata.";
        const QString last = "INSERT INTO Uscite (id) VALUES (9223372036854775807)";
        const auto row = [](const char* name, const QByteArray& bytes, const QStringList& state,
                            const QStringList& meanwhile, const char* action, const QString& message) {
            QTest::newRow(name) << bytes << state << meanwhile << QString(action) << message;
        };
        const QByteArray none;
        row("text file", QByteArray("Numero;Memoria\n 17; 1\n").repeated(40), {}, {}, "open",
            "Il file dati.mdb non è un database valido.");
        row("text file, record", "no database here\n", {}, {}, "record",
            "Il file dati.mdb non è un database valido: l'uscita non è stata registrata.");
        row("empty file", "", {}, {}, "open", "Nel file dati.mdb manca la tabella Uscite.");
        row("other table", none, {"CREATE TABLE Spins (id INTEGER PRIMARY KEY)"}, {}, "record",
            "Nel file dati.mdb manca la tabella Uscite: l'uscita non è stata registrata.");
        row("no Note column", none, {"CREATE TABLE USCITE (ID INTEGER PRIMARY KEY, NUMERO, MEMORIA, "
            "TIPO, CIMA, MEMCIMA)"}, {}, "open", "Nel file dati.mdb manca la colonna Note della tabella Uscite.");
        row("view", none, {QString(table).replace("Uscite", "T"), "CREATE VIEW Uscite AS SELECT * FROM T"},
            {}, "open", "Nel file dati.mdb Uscite non è una tabella.");
        row("id not a key", none, {"CREATE TABLE Uscite (id INTEGER, " + cols + ")",
            "INSERT INTO Uscite (id) VALUES (1), (1), (NULL), ('x')"}, {}, "open", key + '.');
        row("id INT key", none, {"CREATE TABLE Uscite (id INT PRIMARY KEY, " + cols + ")"}, {},
            "record", key + ": l'uscita non è stata registrata.");
        row("without rowid", none, {"CREATE TABLE Uscite (id INTEGER PRIMARY KEY, " + cols +
            ") WITHOUT ROWID"}, {}, "open", key + '.');
        row("read-only, record", none, rows + QStringList{"read-only"}, {}, "record",
            "Il file dati.mdb è in sola lettura: l'uscita non è stata registrata.");
        row("read-only, delete", none, rows + QStringList{"read-only"}, {}, "delete",
            "Il file dati.mdb è in sola lettura: la riga non è stata cancellata.");
        row("read-only, update", none, rows + QStringList{"read-only"}, {}, "update",
            "Il file dati.mdb è in sola lettura: la modifica non è stata salvata.");
        row("locked", none, rows, {"lock"}, "record",
            "Il file dati.mdb è bloccato da un altro programma: l'uscita non è stata registrata.");
        row("deleted elsewhere", none, rows, {"DELETE FROM Uscite WHERE id = 1"}, "delete",
            "La riga 1 non è più nel file dati.mdb: la riga non è stata cancellata.");
        const QStringList twice{"DROP TABLE Uscite", "CREATE TABLE Uscite (id, Numero, Note)",
                                "INSERT INTO Uscite VALUES (1, ' 1', NULL), (1, ' 2', NULL)"};
        row("id twice, delete", none, rows, twice, "delete",
            "Nel file dati.mdb più righe hanno l'id 1: la riga non è stata cancellata.");
        row("id twice, update", none, rows, twice, "update",
            "Nel file dati.mdb più righe hanno l'id 1: la modifica non è stata salvata.");
        row("ids used up", none, {table, last}, {}, "record", usedUp);
        row("ids used up, row deleted", none, {table, last, "DELETE FROM Uscite"}, {}, "record", usedUp);
        row("disk full", none, rows, {}, "code 13", "Il disco del file dati.mdb è pieno");
        row("folder not writable", none, rows, {}, "code 1544",
            "Nella cartella %1 del file dati.mdb non si possono creare file");
    }
    void failures()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, state);
        QFETCH(QStringList, meanwhile);
        QFETCH(QString, action);
        QFETCH(QString, message);
        zt::test::FreshDir dir;
        if (!bytes.isNull())
            zt::test::writeFile("dati.mdb", bytes);
        for (const QString& s : state) {
            if (s == u"read-only")
                QFile::setPermissions("dati.mdb", QFile::ReadOwner | QFile::ReadGroup);
            else
                sql(s);
        }
        zt::RecordCursor viewer(zt::viewerCommand());
        zt::SpinRecorder rec;
        zt::StoreConnection conn;
        if (action != u"open" && action != u"record")
            QVERIFY(viewer.open() && conn.open(nullptr));
        std::optional<QSqlQuery> locker;
        const auto unlock = qScopeGuard([&] {
            locker.reset();
            QSqlDatabase::removeDatabase("locker");
        });
        for (const QString& s : meanwhile) {
            if (s == u"lock") {
                QSqlDatabase::addDatabase("QSQLITE", "locker").setDatabaseName("dati.mdb");
                locker.emplace(QSqlDatabase::database("locker"));
                QVERIFY(locker->exec("BEGIN EXCLUSIVE"));
            } else {
                sql(s);
            }
        }
        const QByteArray before = zt::test::fileBytes();
        QString error;
        if (action == u"open") {
            QVERIFY(!viewer.open());
            QCOMPARE(viewer.lastError(), message);
            QVERIFY(viewer.size() == 0 && !viewer.deleteCurrent() && !viewer.requery());
            QVERIFY(!rec.open());
            error = rec.lastError();
        } else if (action == u"record") {
            QVERIFY(!rec.record(" 5", "1", " 1"));
            error = rec.lastError();
        } else if (action == u"delete" || action == u"update") {
            QVERIFY(viewer.moveFirst());
            QVERIFY(action == u"delete" ? !viewer.deleteCurrent() : !viewer.updateCurrent({{"Note", "x"}}));
            error = viewer.lastError();
        } else {
            const QSqlError e({}, {}, QSqlError::StatementError, action.mid(5));
            error = zt::insertProblem(e, conn.database());
            message.replace("%1", QDir::toNativeSeparators(QDir::currentPath()));
        }
        QCOMPARE(error, message);
        QCOMPARE(zt::test::fileBytes(), before);
        for (const char* side : {"-journal", "-wal", "-shm"})
            QVERIFY2(!QFile::exists(QLatin1String("dati.mdb") + side), side);
        QFile::setPermissions("dati.mdb", QFile::ReadOwner | QFile::WriteOwner);
    }

    void killedRecorderLosesNoSpin()
    {
        zt::test::FreshDir dir;
        QList<qint64> printed;
        for (int round = 0; round < 3; ++round) {
            QProcess child;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(kHelperDir, dir.path());
            child.setProcessEnvironment(env);
            child.start(QCoreApplication::applicationFilePath(), {"helperProcess"});
            QVERIFY2(readUntil(&child, "id ", &printed, 25 + 10 * round), "no spins recorded");
            child.kill(); // SIGKILL, wherever the helper is
            QVERIFY(child.waitForFinished(20000));
            readUntil(&child, "end of output", &printed); // what it printed before it died
        }
        QCOMPARE(sql("PRAGMA integrity_check"), QVariantList{"ok"});
        const QList<qint64> stored = zt::test::ids(sql("SELECT id FROM Uscite"));
        const QSet<qint64> inFile(stored.begin(), stored.end());
        for (qint64 id : printed)
            QVERIFY2(inFile.contains(id), qPrintable(u"spin %1 lost"_qs.arg(id)));
        QVERIFY(printed.size() >= 3 * 25);
        QCOMPARE(sql("SELECT count(*) FROM Uscite WHERE Numero IS NULL OR Memoria IS NULL"),
                 QVariantList{0});
    }

    // Not a test of its own: the body of the helper processes started above.
    void helperProcess()
    {
        if (qEnvironmentVariableIsEmpty(kHelperDir))
            return;
        QDir::setCurrent(qEnvironmentVariable(kHelperDir));
        zt::SpinRecorder rec;
        QElapsedTimer clock; // a helper left alone stops by itself
        clock.start();
        for (int i = 0; clock.elapsed() < 60000; ++i) {
            if (!rec.record(zt::signText(i % 37), "2", zt::signText(i % 37 + 1)))
                break;
            std::printf("id %lld\n", rec.lastId());
            std::fflush(stdout);
        }
    }
};

ZT_TEST_MAIN(StoreFileTest)
#include "tst_storefile.moc"
