// dati.mdb: every failure of the file named in Italian with the file left as
// it was; a recorder killed at any moment losing no spin; spins waiting while
// another program holds the file, written once whenever the program stopped;
// long reads in stretches; and the record cursor and the grid over it.

#include "core/betting.h"
#include "core/textrules.h"
#include "core/verifier.h"
#include "store/recordcursor.h"
#include "store/replayreader.h"
#include "store/spinqueue.h"
#include "store/spinrecorder.h"
#include "store/spintimes.h"
#include "store/spintransfer.h"
#include "store/storecommands.h"
#include "storetesting.h"
#include "ui/recordgrid.h"

#include <QDeadlineTimer>
#include <QItemSelectionModel>
#include <QProcess>
#include <QSet>
#include <QSignalSpy>

#include <cstdio>

#include <sys/stat.h>

using zt::RecordCursor;
using zt::SpinRecorder;
using zt::test::sql;

namespace {

// Set in the environment of a helper: the folder it records in.
const char* const kHelperDir = "ZT_STORE_HELPER_DIR";

// A line of the queue file, with its check.
QByteArray queueLine(const QByteArray& text)
{
    return text + '\t' + QByteArray::number(qChecksum(text), 16).rightJustified(4, '0') + '\n';
}

QString numbers()
{
    return sql("SELECT group_concat(trim(Numero), ' ') FROM Uscite").value(0).toString();
}

// Records n spins (numbers 0, 1, 2, …), each of the given game type.
void recordSpins(int n, const QString& tipo = QString())
{
    zt::SpinRecorder rec;
    for (int i = 0; i < n; ++i)
        QVERIFY(rec.record(zt::signText(i % 37), tipo, zt::signText(i % 37 + 1)));
}

} // namespace

class StoreTest : public QObject {
    Q_OBJECT
    std::optional<zt::test::FreshDir> dir_;

private Q_SLOTS:
    void init() { dir_.emplace(); }
    void cleanup() { dir_.reset(); }

    // The file as it is (";" between statements, "read-only" marks it), what
    // happens to it after the data sources opened ("lock": another program
    // holds it), the action (open, record, delete, update, or the engine's
    // error code of a failed record) and the message.
    void failures_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("meanwhile");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("message");
        const auto row = [](const char* name, const QString& state, const QString& meanwhile,
                            const char* action, const QString& message) {
            QTest::newRow(name) << state << meanwhile << action << message;
        };
        const QString rows =
            zt::test::usciteTable + ";INSERT INTO Uscite (Numero) VALUES (' 4'), (' 8')";
        const QString table =
            "CREATE TABLE Uscite (id %1, Numero, Memoria, Tipo, Cima, Memcima, Note)%2";
        const QString key = "Nel file dati.mdb la colonna id della tabella Uscite non è una chiave "
                            "intera assegnata dal database";
        const QString full =
            zt::test::usciteTable + ";INSERT INTO Uscite (id) VALUES (9223372036854775807)";
        const QString twice = "DROP TABLE Uscite;CREATE TABLE Uscite (id, Numero, Note);"
                              "INSERT INTO Uscite VALUES (1, ' 1', NULL), (1, ' 2', NULL)";
        const QString dropped = "Nel file dati.mdb la tabella Uscite non ha tenuto la riga come le "
                                "è stata mandata (un trigger o una regola del file l'ha scartata "
                                "o cambiata)";
        const QString none = ": l'uscita non è stata registrata.",
                      kept = ": la riga non è stata cancellata.";
        // clang-format off
        row("text file", "text", "", "open", "Il file dati.mdb non è un database valido.");
        row("link to nowhere", "dangling", "", "record", "Il file dati.mdb non si può aprire" + none);
        row("folder", "folder", "", "open", "dati.mdb è una cartella.");
        row("device", "device", "", "open", "dati.mdb non è un file normale (è un dispositivo).");
        row("empty file", "empty", "", "open", "Nel file dati.mdb manca la tabella Uscite.");
        row("no Note column", "CREATE TABLE USCITE (ID INTEGER PRIMARY KEY, NUMERO, MEMORIA, TIPO, CIMA, MEMCIMA)",
            "", "open", "Nel file dati.mdb manca la colonna Note della tabella Uscite.");
        row("view", QString(zt::test::usciteTable).replace("Uscite", "T") + ";CREATE VIEW Uscite AS SELECT * FROM T",
            "", "open", "Nel file dati.mdb Uscite non è una tabella.");
        row("id not a key", table.arg("INTEGER", "") + ";INSERT INTO Uscite (id) VALUES (1), (1), (NULL), ('x')",
            "", "open", key + '.');
        row("id INT key", table.arg("INT PRIMARY KEY", ""), "", "record", key + none);
        row("without rowid", table.arg("INTEGER PRIMARY KEY", " WITHOUT ROWID"), "", "open", key + '.');
        row("read-only, record", rows + ";read-only", "", "record", "Il file dati.mdb è in sola lettura" + none);
        row("times table of another shape", rows + ";CREATE TABLE UsciteOra (id INTEGER PRIMARY KEY, x)", "",
            "record", "Il file dati.mdb ha una struttura che questo programma non sa usare" + none);
        row("times table's name taken", rows + ";CREATE INDEX UsciteOra ON Uscite (Numero)", "", "record",
            "Il file dati.mdb ha una struttura che questo programma non sa usare" + none);
        row("deleted elsewhere", rows, "DELETE FROM Uscite WHERE id = 1", "delete",
            "La riga 1 non è più nel file dati.mdb" + kept);
        row("time kept by a trigger", rows + ";CREATE TABLE UsciteOra (id INTEGER PRIMARY KEY, Ora TEXT NOT NULL);"
            "INSERT INTO UsciteOra VALUES (1, '2026-12-07T03:00:00');time kept", "", "delete",
            "Nel file dati.mdb un trigger rifiuta la riga («tenuta»)" + kept);
        row("id twice, delete", rows, twice, "delete", "Nel file dati.mdb più righe hanno l'id 1" + kept);
        row("id twice, update", rows, twice, "update",
            "Nel file dati.mdb più righe hanno l'id 1: la modifica non è stata salvata.");
        row("ids used up", full, "", "record", "La tabella Uscite del file dati.mdb ha esaurito i numeri di riga (id)" + none);
        row("ids used up, row deleted", full + ";DELETE FROM Uscite", "", "record",
            "La tabella Uscite del file dati.mdb ha esaurito i numeri di riga (id)" + none);
        row("insert dropped by a trigger", rows + ";dropping", "", "record", dropped + none);
        row("row changed by a trigger", rows + ";changing", "", "record", dropped + none);
        row("disk full", rows, "", "13", "Il disco del file dati.mdb è pieno");
        row("folder not writable", rows, "", "1544", "Nella cartella %1 del file dati.mdb non si possono creare file");
        // clang-format on
    }
    void failures()
    {
        QFETCH(QString, state);
        QFETCH(QString, meanwhile);
        QFETCH(QString, action);
        QFETCH(QString, message);
        for (const QString& s : state.split(u';')) {
            if (s == u"text" || s == u"empty")
                zt::test::writeFile("dati.mdb", s == u"text" ? "Numero;Memoria\n 17; 1\n" : "");
            else if (s == u"folder")
                QDir().mkdir("dati.mdb");
            else if (s == u"device" || s == u"dangling")
                QFile::link(s == u"device" ? "/dev/null" : "nowhere/dati.mdb", "dati.mdb");
            else if (s == u"read-only")
                QFile::setPermissions("dati.mdb", QFile::ReadOwner | QFile::ReadGroup);
            else if (s == u"time kept")
                sql("CREATE TRIGGER k BEFORE DELETE ON UsciteOra BEGIN SELECT RAISE(ABORT, "
                    "'tenuta'); END");
            else if (s == u"dropping" || s == u"changing")
                sql(s == u"dropping" ? "CREATE TRIGGER d BEFORE INSERT ON Uscite BEGIN SELECT "
                                       "RAISE(IGNORE); END"
                                     : "CREATE TRIGGER c AFTER INSERT ON Uscite BEGIN UPDATE "
                                       "Uscite SET Numero = ' 36' WHERE id = NEW.id; END");
            else
                sql(s);
        }
        RecordCursor viewer(zt::viewerCommand());
        zt::SpinRecorder rec;
        zt::StoreConnection conn;
        if (action != u"open" && action != u"record")
            QVERIFY(viewer.open() && viewer.moveFirst() && conn.open(nullptr));
        if (!meanwhile.isEmpty())
            sql(meanwhile.split(u';'));
        const QByteArray before = zt::test::fileBytes();
        QString error;
        if (action == u"open") {
            QVERIFY(!viewer.open());
            QCOMPARE(viewer.lastError(), message);
            QVERIFY(viewer.size() == 0 && !viewer.deleteCurrent() && !rec.open());
            error = rec.lastError();
        } else if (action == u"record") {
            QVERIFY(!rec.record(" 5", "1", " 1"));
            error = rec.lastError();
        } else if (action == u"delete" || action == u"update") {
            QVERIFY(action == u"delete" ? !viewer.deleteCurrent()
                                        : !viewer.updateCurrent({{"Note", "x"}}));
            error = viewer.lastError();
        } else {
            error = zt::insertProblem(QSqlError({}, {}, QSqlError::StatementError, action),
                                      conn.database());
            message.replace("%1", QDir::toNativeSeparators(QDir::currentPath()));
        }
        QCOMPARE(error, message);
        QCOMPARE(zt::test::fileBytes(), before);
        for (const char* side : {"-journal", "-wal", "-shm", "-attesa"}) // a fault is no wait
            QVERIFY2(!QFile::exists(QLatin1String("dati.mdb") + side), side);
        QFile::setPermissions("dati.mdb", QFile::ReadOwner | QFile::WriteOwner);
    }

    void killedRecorderLosesNoSpin()
    {
        QList<qint64> printed;
        QProcess child;
        const auto read = [&] { // the ids the helper printed
            while (child.canReadLine())
                if (const QByteArray line = child.readLine(); line.startsWith("id "))
                    printed << line.mid(3).trimmed().toLongLong();
        };
        for (int round = 0; round < 3; ++round) {
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(kHelperDir, dir_->path());
            child.setProcessEnvironment(env);
            child.start(QCoreApplication::applicationFilePath(), {"helperProcess"});
            for (const qsizetype wanted = printed.size() + 25 + 10 * round; printed.size() < wanted;
                 read())
                QVERIFY2(child.canReadLine() || child.waitForReadyRead(20000), "no spins recorded");
            child.kill(); // SIGKILL, wherever the helper is
            QVERIFY(child.waitForFinished(20000));
            read(); // what it printed before it died
        }
        QCOMPARE(sql("PRAGMA integrity_check"), QVariantList{"ok"});
        QSet<qint64> stored;
        for (const QVariant& id : sql("SELECT id FROM Uscite WHERE Numero > '' AND Memoria > ''"))
            stored << id.toLongLong();
        for (qint64 id : printed)
            QVERIFY2(stored.contains(id), qPrintable(QString("spin %1 lost").arg(id)));
        QVERIFY(printed.size() >= 3 * 25);
    }

    // Not a test of its own: the body of the helper processes started above.
    void helperProcess()
    {
        if (qEnvironmentVariableIsEmpty(kHelperDir))
            return;
        QDir::setCurrent(qEnvironmentVariable(kHelperDir));
        zt::SpinRecorder rec;
        const QDeadlineTimer end(60000); // a helper left alone stops by itself
        while (!end.hasExpired() && rec.record(" 7", "2", " 1")) {
            std::printf("id %lld\n", rec.lastId());
            std::fflush(stdout);
        }
    }

    // Another program holds the file for longer than any wait: the spins
    // wait, in order and on disk, and are written with their values and
    // times once it lets go; one taken back meanwhile never is.
    void heldFileMakesSpinsWait()
    {
        const QDateTime at = QDateTime::currentDateTime().addSecs(-3600);
        SpinRecorder rec;
        QVERIFY(rec.open());
        QCOMPARE(rec.record(" 1", "", " 1", at), SpinRecorder::Outcome::Recorded);
        {
            zt::StoreConnection locker;
            QVERIFY(locker.open(nullptr) && QSqlQuery(locker.database()).exec("BEGIN EXCLUSIVE"));
            for (int n : {17, 5, 22})
                QCOMPARE(rec.record(zt::signText(n), "2", zt::signText(rec.waiting().size() + 2),
                                    at.addSecs(n)),
                         SpinRecorder::Outcome::Waiting);
            QVERIFY(rec.lastKey() == 3 && rec.lastError().isEmpty() && rec.waitingSaved());
            QVERIFY(!rec.writeWaiting(0) && rec.heldOnly());
            QCOMPARE(rec.waitProblem(), "Il file dati.mdb è bloccato da un altro programma");
            QVERIFY(rec.dropWaiting(2)); // 5 taken back
            zt::SpinQueue onDisk;        // as a new start would find them
            QVERIFY(onDisk.load("dati.mdb-attesa") && onDisk.spins().size() == 2);
            QCOMPARE(onDisk.spins()[1].numero + onDisk.spins()[1].memoria, " 22 4");
        } // let go
        QCOMPARE(rec.record(" 0", "", " 5", at), SpinRecorder::Outcome::Recorded);
        QCOMPARE(rec.written().size(), 2u);
        QVERIFY(rec.written()[0].key == 1 && rec.written()[1].key == 3 && rec.waiting().empty());
        QVERIFY(!QFile::exists("dati.mdb-attesa"));
        const QStringList stored{
            "11/1/ " + zt::spinTimeText(at), "217/2/2 " + zt::spinTimeText(at.addSecs(17)),
            "322/4/2 " + zt::spinTimeText(at.addSecs(22)), "40/5/ " + zt::spinTimeText(at)};
        QCOMPARE(sql("SELECT group_concat(u.id || trim(Numero) || '/' || trim(Memoria) || '/' || "
                     "ifnull(Tipo, '') || ' ' || o.Ora, ', ') FROM Uscite u JOIN UsciteOra o "
                     "ON o.id = u.id"),
                 QVariantList{stored.join(", ")});
        // The time of day as entered, with its offset from UTC.
        const QString ora = zt::spinTimeText(at);
        const QRegularExpression form(
            "^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d[+-]\\d\\d:\\d\\d$");
        QVERIFY2(form.match(ora).hasMatch(), qPrintable(ora));
        QCOMPARE(QDateTime::fromString(ora, Qt::ISODate), at.addMSecs(-at.time().msec()));
        // A row deleted takes its time with it; a row changed since is kept with its time.
        QCOMPARE(rec.remove(1, " 2", " 1"), SpinRecorder::Removal::Gone);
        QCOMPARE(rec.remove(4, " 0", " 5"), SpinRecorder::Removal::Deleted);
        RecordCursor viewer(zt::viewerCommand());
        QVERIFY(viewer.open() && viewer.findId(3) && viewer.deleteCurrent());
        QCOMPARE(sql("SELECT group_concat(id) FROM UsciteOra"), QVariantList{"1,2"});
        // A queue file left by a run stopped before it could remove it: the
        // spin in it was written, so nothing waits, and the file goes.
        zt::test::writeFile("dati.mdb-attesa", queueLine("uscita\t1\t 9\t 6\t\t" + ora.toUtf8()) +
                                                   queueLine("scritta\t1"));
        QVERIFY(rec.loadWaiting() && rec.waiting().empty() && !QFile::exists("dati.mdb-attesa"));
    }

    // Lines with a good check but values the board never records (forged,
    // since anyone can compute the check) are never written: the file is
    // kept aside as it was, the line and the reason are said, and the other
    // spins, and those added later, wait and are written in order.
    void forgedWaitingLinesAreNeverWritten_data()
    {
        QTest::addColumn<QByteArray>("forged");
        QTest::addColumn<QString>("why");
        const QByteArray ora = "\t2026-12-07T21:15:03+01:00";
        // clang-format off
        QTest::newRow("Numero 99") << "uscita\t2\t99\t 1\t" + ora << "Numero «99» non è un numero da 0 a 36";
        QTest::newRow("Numero -1") << "uscita\t2\t-1\t 1\t" + ora << "Numero «-1» non è un numero da 0 a 36";
        QTest::newRow("NUL byte") << "uscita\t2\t 1" + QByteArray(1, '\0') + "\t 1\t" + ora
                                  << "Numero « 1[U+0000]» non è un numero da 0 a 36";
        QTest::newRow("Memoria of 40 nines") << "uscita\t2\t 1\t" + QByteArray(40, '9') + "\t" + ora
                                             << "Memoria «" + QString(30, '9') + "…» supera 2147483647, il valore più alto ammesso";
        QTest::newRow("Memoria of 30 nines") << "uscita\t2\t 1\t" + QByteArray(30, '9') + "\t" + ora
                                             << "Memoria «" + QString(30, '9') + "» supera 2147483647, il valore più alto ammesso";
        QTest::newRow("Tipo -5") << "uscita\t2\t 1\t 1\t-5" + ora << "Tipo «-5» non è 1, 2 o vuoto";
        QTest::newRow("Tipo 1e21") << "uscita\t2\t 1\t 1\t1e21" + ora << "Tipo «1e21» non è 1, 2 o vuoto";
        QTest::newRow("Ora garbage") << QByteArray("uscita\t2\t 1\t 1\t\tgarbage-time") << "Ora «garbage-time» non è un'ora valida";
        QTest::newRow("Ora 30 February") << QByteArray("uscita\t2\t 1\t 1\t\t2026-02-30T21:15:03+01:00")
                                         << "Ora «2026-02-30T21:15:03+01:00» non è un'ora valida";
        QTest::newRow("Ora 24:00") << QByteArray("uscita\t2\t 1\t 1\t\t2026-12-07T24:00:00+01:00")
                                   << "Ora «2026-12-07T24:00:00+01:00» non è un'ora valida";
        QTest::newRow("Ora 15 hours from UTC") << QByteArray("uscita\t2\t 1\t 1\t\t2026-12-07T21:00:00+15:00")
                                               << "Ora «2026-12-07T21:00:00+15:00» non è un'ora valida";
        QTest::newRow("largest key") << "uscita\t9223372036854775807\t 1\t 1\t" + ora
                                     << "la chiave «9223372036854775807» non è un numero da 1 a 999999999999999";
        QTest::newRow("row of no id") << QByteArray("riga\t1\t-4") << "l'id di riga «-4» non è un numero da 1 a 9223372036854775807";
        // clang-format on
    }
    // Empty lines are passed over, the first one too.
    void emptyWaitingLinesArePassedOver()
    {
        zt::test::writeFile("dati.mdb-attesa",
                            "\n" + queueLine("uscita\t1\t 5\t 1\t2\t2026-12-07T21:00:00+01:00") + "\n");
        zt::SpinQueue q;
        QVERIFY(q.load("dati.mdb-attesa") && q.spins().size() == 1 && q.problem().isEmpty());
    }
    void forgedWaitingLinesAreNeverWritten()
    {
        QFETCH(QByteArray, forged);
        QFETCH(QString, why);
        const QByteArray ora = "\t2026-12-07T21:00:00+01:00";
        const QByteArray file = "# spins\n" + queueLine("uscita\t1\t 5\t 1\t2" + ora) +
                                queueLine(forged) + queueLine("uscita\t9\t 6\t 2\t2" + ora); // a 9 in a key
        zt::test::writeFile("dati.mdb-attesa", file);
        zt::SpinQueue q;
        QVERIFY(!q.load("dati.mdb-attesa"));
        QCOMPARE(q.problem(), "Nel file dati.mdb-attesa la riga 3 non è valida (" + why +
                                  ") e non è stata registrata; il file com'era è conservato come "
                                  "dati.mdb-attesa-scartato");
        QCOMPARE(zt::test::fileBytes("dati.mdb-attesa-scartato"), file);
        q.add({0, " 22", " 3", "2", zt::spinTimeText(QDateTime::currentDateTime()), 0});
        SpinRecorder rec; // keys stay in range: nothing later is lost
        QVERIFY(rec.loadWaiting() && rec.waiting().size() == 3 && rec.writeWaiting());
        QCOMPARE(numbers(), "5 6 22");
        QVERIFY(!QFile::exists("dati.mdb-attesa"));
        zt::test::writeFile("dati.mdb-attesa", file); // set aside beside the first one
        QVERIFY(!rec.loadWaiting() && rec.queueProblem().endsWith("dati.mdb-attesa-scartato-2"));
        QFile huge("dati.mdb-attesa"); // never read whole
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(zt::kLargestInput + 1));
        QVERIFY(!rec.loadWaiting() && rec.waiting().empty());
        QCOMPARE(rec.queueProblem(), "Il file dati.mdb-attesa delle uscite in attesa supera i 256 MB "
                                     "che si possono leggere e non è stato letto; il file com'era è "
                                     "conservato come dati.mdb-attesa-scartato-3");
    }

    // The queue file replaced, while spins wait, by a link or a pipe: never
    // written through nor waited on, nor removed, and read at the next start
    // without following the link, blocking or reading without end.
    void waitingFileThatIsNoFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("said");
        QTest::newRow("link to a file") << "elsewhere" << "è un collegamento simbolico";
        QTest::newRow("link to /dev/zero") << "/dev/zero" << "è un collegamento simbolico";
        QTest::newRow("pipe") << "pipe" << "non è un file normale (è una pipe)";
    }
    void waitingFileThatIsNoFile()
    {
        QFETCH(QString, kind);
        QFETCH(QString, said);
        const QString problem =
            "Il file dati.mdb-attesa delle uscite in attesa " + said + " e il programma non lo usa";
        const auto make = [&] {
            return kind == u"pipe" ? ::mkfifo("dati.mdb-attesa", 0600) == 0
                                   : QFile::link(kind, "dati.mdb-attesa");
        };
        zt::test::writeFile("elsewhere", "keep\n");
        SpinRecorder rec;
        QVERIFY(rec.open() && rec.loadWaiting());
        {
            zt::StoreConnection locker;
            QVERIFY(locker.open(nullptr) && QSqlQuery(locker.database()).exec("BEGIN EXCLUSIVE"));
            QCOMPARE(rec.record(" 1", "", " 1", QDateTime::currentDateTime()),
                     SpinRecorder::Outcome::Waiting);
            QVERIFY(rec.waitingSaved() && QFile::rename("dati.mdb-attesa", "moved") && make());
            QCOMPARE(rec.record(" 2", "", " 2", QDateTime::currentDateTime()),
                     SpinRecorder::Outcome::Waiting);
            QVERIFY(!rec.waitingSaved());
            QCOMPARE(rec.queueProblem(), problem);
        }
        // Written once what they are written is noted where the file was.
        QVERIFY(!rec.writeWaiting() && rec.waiting().size() == 2);
        QCOMPARE(zt::test::fileBytes("elsewhere"), "keep\n");
        QVERIFY(QFile::remove("dati.mdb-attesa") && rec.writeWaiting());
        QCOMPARE(numbers(), "1 2");
        QVERIFY(make());
        SpinRecorder next;
        QVERIFY(!next.loadWaiting() && next.waiting().empty());
        QCOMPARE(next.queueProblem(), problem);
        QVERIFY(next.record(" 3", "", " 3"));
    }

    // A queue file that cannot be read may hold spins older than any entered
    // now: those wait behind it, and are written after its own once it can be.
    void unreadableWaitingFileKeepsTheOrder()
    {
        {
            zt::SpinQueue left;
            QVERIFY(left.load("dati.mdb-attesa"));
            left.add({0, " 11", " 1", "", zt::spinTimeText(QDateTime::currentDateTime()), 0});
        }
        QFile cut("dati.mdb-attesa"); // and a line cut short
        QVERIFY(cut.open(QIODevice::Append) && cut.write("uscita\t2\t 4") > 0);
        cut.close();
        QVERIFY(QFile::setPermissions("dati.mdb-attesa", {}));
        SpinRecorder rec;
        QVERIFY(!rec.loadWaiting());
        QCOMPARE(rec.queueProblem(), "Il file dati.mdb-attesa delle uscite in attesa non si può "
                                     "leggere (non si ha il permesso)");
        QCOMPARE(rec.record(" 7", "", " 2", QDateTime::currentDateTime()),
                 SpinRecorder::Outcome::Waiting);
        QVERIFY(!rec.writeWaiting() && !rec.waitingSaved() && !rec.heldOnly());
        QCOMPARE(rec.waitProblem(), rec.queueProblem());
        QCOMPARE(rec.record(" 8", "", " 3", QDateTime::currentDateTime()),
                 SpinRecorder::Outcome::Waiting);
        QVERIFY(rec.dropWaiting(rec.lastKey())); // only in memory: taken back at once
        QVERIFY(QFile::setPermissions("dati.mdb-attesa", QFile::ReadOwner | QFile::WriteOwner));
        QCOMPARE(rec.record(" 9", "", " 3", QDateTime::currentDateTime()),
                 SpinRecorder::Outcome::Recorded);
        QCOMPARE(numbers(), "11 7 9");
        QVERIFY(rec.takeQueueNotice().startsWith("Nel file dati.mdb-attesa una riga era danneggiata"));
        QVERIFY(rec.takeQueueNotice().isEmpty() && !QFile::exists("dati.mdb-attesa"));
    }

    // dati.mdb replaced by another file (or moved away) while the board
    // records: the spins go into the file the name gives now.
    void replacedFileIsRecordedInto()
    {
        SpinRecorder rec;
        QVERIFY(rec.record(" 1", "", " 1"));
        {
            zt::StoreConnection other;
            other.setFilePath("new.mdb");
            QVERIFY(other.open(nullptr));
        }
        zt::StoreConnection watcher;
        QVERIFY(watcher.open(nullptr) && !watcher.isReplaced());
        QVERIFY(QFile::rename("dati.mdb", "old.mdb") && QFile::rename("new.mdb", "dati.mdb"));
        QVERIFY(watcher.isReplaced()); // the same disk, another file
        QVERIFY2(rec.record(" 2", "", " 2"), qPrintable(rec.lastError()));
        QCOMPARE(numbers(), "2");
        QVERIFY(QFile::remove("dati.mdb"));
        QVERIFY2(rec.record(" 3", "", " 3"), qPrintable(rec.lastError()));
        QCOMPARE(numbers(), "3");
    }

    // Where the queue file cannot be written the spins wait in memory, and
    // are written all the same once the file is free.  Once the queue file
    // holds a spin, a spin is taken back only if that can be saved in it.
    void spinsWaitInMemoryWithoutAQueueFile()
    {
        QVERIFY(QDir().mkdir("dati.mdb-attesa"));
        SpinRecorder rec;
        {
            zt::StoreConnection locker;
            QVERIFY(locker.open(nullptr) && QSqlQuery(locker.database()).exec("BEGIN EXCLUSIVE"));
            for (const char* n : {" 4", " 6"})
                QCOMPARE(rec.record(n, "", " 1", QDateTime::currentDateTime()),
                         SpinRecorder::Outcome::Waiting);
            QVERIFY(!rec.waitingSaved());
            QCOMPARE(rec.queueProblem(), "Il file dati.mdb-attesa delle uscite in attesa è una "
                                         "cartella e il programma non lo usa");
            QVERIFY(rec.dropWaiting(rec.lastKey()));
        }
        QVERIFY(rec.writeWaiting());
        QCOMPARE(sql("SELECT group_concat(Numero) FROM Uscite"), QVariantList{" 4"});
        QVERIFY(QDir().rmdir("dati.mdb-attesa"));
        {
            zt::StoreConnection locker;
            QVERIFY(locker.open(nullptr) && QSqlQuery(locker.database()).exec("BEGIN EXCLUSIVE"));
            QCOMPARE(rec.record(" 7", "", " 2", QDateTime::currentDateTime()),
                     SpinRecorder::Outcome::Waiting);
            QVERIFY(rec.waitingSaved());
            QVERIFY(QFile::rename("dati.mdb-attesa", "kept") && QDir().mkdir("dati.mdb-attesa"));
            QVERIFY(!rec.dropWaiting(rec.lastKey()) && rec.waiting().size() == 1);
            QCOMPARE(rec.lastError(), "Il file dati.mdb-attesa delle uscite in attesa è una "
                                      "cartella e il programma non lo usa: l'uscita non è stata "
                                      "tolta da quelle in attesa.");
        }
        QVERIFY(QDir().rmdir("dati.mdb-attesa") && QFile::rename("kept", "dati.mdb-attesa"));
        QVERIFY(rec.writeWaiting());
        QCOMPARE(sql("SELECT group_concat(Numero) FROM Uscite"), QVariantList{" 4, 7"});
    }

    // The program stopped while it wrote waiting spins, between noting the
    // row of the first and knowing it committed: it is written once, whatever
    // the file then holds at that row; one noted written is not written again.  A line cut short by
    // a power failure, and a spin's line found twice, are left out and said.
    void interruptedWriteOfWaitingSpins_data()
    {
        QTest::addColumn<QString>("row2");  // Numero of the row with id 2; empty: none
        QTest::addColumn<QString>("time2"); // its time: "17" the spin's, "0" another's
        QTest::addColumn<QString>("rows");
        // clang-format off
        QTest::newRow("committed") << " 17" << "17" << "17 5";
        QTest::newRow("never committed") << "" << "" << "17 5";
        QTest::newRow("row taken by another program") << " 9" << "" << "9 17 5";
        QTest::newRow("same spin at another time") << " 17" << "0" << "17 17 5";
        // clang-format on
    }
    void interruptedWriteOfWaitingSpins()
    {
        QFETCH(QString, row2);
        QFETCH(QString, time2);
        QFETCH(QString, rows);
        const QString t0 = zt::spinTimeText(QDateTime::currentDateTime());
        const QString t17 = zt::spinTimeText(QDateTime::currentDateTime().addSecs(17));
        sql({zt::test::usciteTable, "INSERT INTO Uscite (Numero) VALUES (' 3')",
             "CREATE TABLE UsciteOra (id INTEGER PRIMARY KEY, Ora TEXT NOT NULL)"});
        if (!row2.isEmpty())
            sql("INSERT INTO Uscite (id, Numero, Memoria, Tipo) VALUES (2, '" + row2 +
                "', ' 1', 2)");
        if (!time2.isEmpty())
            sql("INSERT INTO UsciteOra VALUES (2, '" + (time2 == u"17" ? t17 : t0) + "')");
        {
            zt::SpinQueue q;
            QVERIFY(q.load("dati.mdb-attesa"));
            q.add({0, " 8", " 9", "", t0, 0}); // written earlier: never again
            q.add({0, " 17", " 1", "2", t17, 0});
            q.add({0, " 5", " 2", "2", t0, 0});
            QVERIFY(q.written({1}) && q.noteRows({{2, 2}}) && q.saved());
            QVERIFY(q.spins().front().row == 2 && q.spins().back().row == 0);
        }
        const QByteArray copy = zt::test::fileBytes("dati.mdb-attesa").split('\n').at(3);
        QFile tail("dati.mdb-attesa"); // spin 3 once more, and a line cut short
        QVERIFY(copy.startsWith("uscita\t3\t") && tail.open(QIODevice::Append) &&
                tail.write(copy + "\nuscita\t4\t 8\t 3") > 0);
        tail.close();
        SpinRecorder rec;
        QVERIFY(!rec.loadWaiting());
        QVERIFY2(
            rec.queueProblem().startsWith("Nel file dati.mdb-attesa 2 righe erano danneggiate"),
            qPrintable(rec.queueProblem()));
        QVERIFY(rec.waiting().size() == 2 && rec.writeWaiting());
        QCOMPARE(sql("SELECT group_concat(trim(Numero), ' ') FROM Uscite WHERE id > 1"),
                 QVariantList{rows});
        QCOMPARE(sql("SELECT count(*) FROM Uscite u JOIN UsciteOra o ON o.id = u.id AND "
                     "o.Ora = '" +
                     t17 + "' AND u.Numero = ' 17'"),
                 QVariantList{1});
        QVERIFY(!QFile::exists("dati.mdb-attesa"));
    }

    // verify, export and the viewer read long tables in stretches: every
    // row once, in order, across the ends of the stretches and gaps in the ids.
    void longReadsInStretches()
    {
        zt::ReplayRows all, part, tail, few, live;
        QString problem;
        const auto read = [&](std::optional<qint64> from, qint64 limit, zt::ReplayRows& rows) {
            return zt::readReplayRows("dati.mdb", "dati.mdb", from, limit, rows, &problem) ==
                   zt::ReplayRead::Done;
        };
        sql(zt::test::usciteTable); // an empty table is read, not refused
        QVERIFY(read({}, -1, all) && zt::readReplayRowsOfType("dati.mdb", 1, all, nullptr,
                                                              &problem) == zt::ReplayRead::Done);
        QVERIFY(all.size() == 0 && problem.isEmpty());
        sql({"WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 140000) "
             "INSERT INTO Uscite (Numero, Memoria, Tipo) SELECT ' ' || (i % 37), ' ' || i, "
             "1 + (i % 2) FROM n",
             "DELETE FROM Uscite WHERE id IN (16384, 16385, 65536, 65537, 131073)",
             "CREATE TABLE UsciteOra (id INTEGER PRIMARY KEY, Ora TEXT NOT NULL)",
             "INSERT INTO UsciteOra SELECT id, strftime('%Y-%m-%dT%H:%M:%S', 1.8e9 + id, "
             "'unixepoch') || '+00:00' FROM Uscite WHERE id % 1000 = 0"});
        // From 74464: exactly one full stretch to the last row; 10 rows end
        // inside the first stretch.
        QVERIFY(read({}, -1, all) && read(65530, 70000, part) && read(74464, -1, tail) &&
                read({}, 10, few));
        QCOMPARE(
            QString::asprintf("%zu %zu %zu %zu", all.size(), part.size(), tail.size(), few.size()),
            "139995 70000 65536 10");
        // Each row by its number: the ids 65530 to 135532, three of them gone.
        QVERIFY(all[0].read.number == 1 && all[139994].read.number == 140000 % 37);
        QVERIFY(part[0].read.number == 65530 % 37 && part[69999].read.number == 135532 % 37);
        zt::SpinClock partTimes, liveTimes; // the times of ids 66000 to 135000, of every even id
        zt::readSpinTimes("dati.mdb", 65530, 70000, partTimes);
        QCOMPARE(zt::readReplayRowsOfType("dati.mdb", 1, live, &liveTimes, &problem),
                 zt::ReplayRead::Done);
        QCOMPARE(QString("%1 %2 %3").arg(partTimes.timed()).arg(live.size()).arg(liveTimes.timed()),
                 "70 69998 140");
        zt::SpinTransfer out;
        QByteArray csv;
        QVERIFY(out.exportRows(zt::viewerTypeCommand(u"Live"), &csv));
        QCOMPARE(out.rows(), 69998);
        QVERIFY(csv.endsWith("\r\n140000, 29, 140000,1,,,\r\n"));
        RecordCursor viewer(zt::viewerCommand());
        QVERIFY(viewer.open() && viewer.size() == 139995 && viewer.findId(65538));
        QCOMPARE(viewer.currentRow(), 65533);
    }

    void positionFindAndDelete()
    {
        recordSpins(60);
        RecordCursor v(zt::viewerCommand());
        QVERIFY(v.open());
        QSignalSpy moved(&v, &RecordCursor::currentChanged);
        QVERIFY(v.findId(5) && v.findId(5)); // not 15 or 50; the current row counts
        QCOMPARE(v.text(u"ID") + v.text(u"Numero"), "5 4");
        QVERIFY(v.setCurrentRow(10) && !v.findId(5) && v.isEof() && v.lastError().isEmpty());
        QVERIFY(!v.value(u"Numero").isValid());
        QCOMPARE(v.lastError(), "Nessuna riga selezionata.");
        QVERIFY(!v.setCurrentRow(v.size()) && v.setCurrentRow(0) && v.value(u"id") == 1);
        QVERIFY(v.moveFirst() && !v.isBof() && !v.movePrevious() && v.isBof() &&
                !v.movePrevious() && v.findId(60));
        QVERIFY(!v.moveNext() && v.isEof() && !v.isBof() && !v.moveNext()); // stays past the last
        // Three rows back as one move; further back ends before the first.
        const int before = moved.count();
        QVERIFY(v.movePrevious(3) && moved.count() == before + 1 && v.value(u"id") == 58);
        QVERIFY(!v.movePrevious(99) && v.isBof() && v.moveNext() && v.currentRow() == 0);
        // A delete removes that row only, the next one is current, and ids are never reused.
        QVERIFY(v.findId(3) && v.deleteCurrent() && v.value(u"id") == 4);
        QVERIFY(v.moveLast() && v.deleteCurrent() && v.value(u"id") == 59);
        QVERIFY(v.updateCurrent({}) && v.lastError().isEmpty()); // nothing to change
        for (const auto& [row, column] : {std::pair(-1, 1), {v.size(), 1}, {0, -1}, {0, 7}})
            QVERIFY(!v.cell(row, column).isValid()); // no such cell
        QVERIFY(!v.updateCurrent({{"id", 5}}));
        QCOMPARE(v.lastError(), "La colonna id non si può modificare.");
        QCOMPARE(sql("SELECT count(*) || ' ' || max(id) FROM Uscite WHERE id NOT IN (3, 60)"),
                 QVariantList{"58 59"});
        recordSpins(1);
        QVERIFY(v.size() == 58 && v.requery() && v.size() == 59); // seen after a requery
        QVERIFY(v.moveLast() && v.value(u"id") == 61);
        v.setCommand("SELECT id, Numero FROM Uscite WHERE id < 0"); // before first and past last
        QVERIFY(v.requery() && v.isBof() && v.isEof() && !v.moveFirst() && !v.findId(1));
        QVERIFY(!v.updateCurrent({{"Numero", " 1"}}) && !v.deleteCurrent());
        // A row changed so that it no longer matches stays, as written.
        v.setCommand("SELECT id, Numero, Note FROM Uscite WHERE Note IS NULL");
        QVERIFY(v.requery() && v.findId(4) && v.updateCurrent({{"Note", "x"}}));
        QVERIFY(v.value(u"Note") == "x" &&
                v.value(u"Numero") == sql("SELECT Numero FROM Uscite WHERE id = 4")[0]);
    }

    void largeResultReadsRowsWhenUsed()
    {
        sql({zt::test::usciteTable,
             "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 20000) "
             "INSERT INTO Uscite (Numero, Memoria) SELECT ' ' || (i % 37), ' ' || i FROM n"});
        RecordCursor v(zt::viewerCommand());
        QVERIFY(v.open() && v.size() == 20000 && v.findId(17001) && v.deleteCurrent());
        QCOMPARE(v.text(u"Memoria"), " 17002");
        int rows = 0; // every row, page after page, carries its own values
        for (bool on = v.moveFirst(); on; on = v.moveNext(), ++rows) {
            if (v.text(u"Memoria") != u' ' + v.text(u"id"))
                QFAIL(qPrintable(QString("row %1").arg(v.currentRow())));
        }
        QCOMPARE(rows, 19999);
        // A row deleted elsewhere and not read yet keeps its id, without values.
        QVERIFY(v.requery());
        sql("DELETE FROM Uscite WHERE id = 19999");
        QVERIFY(v.findId(19999) && v.value(u"Numero").isNull() && v.moveNext());
        QCOMPARE(v.text(u"Memoria"), " 20000");
    }

    void gridAndSelectionFollowTheCurrentRow()
    {
        recordSpins(5, "2");
        RecordCursor v(zt::viewerCommand());
        zt::RecordGrid g(&v, {"ID", "Numero", "Memoria", "tipo", "Cima", "Memcima", "missing"});
        QVERIFY(v.open());
        QStringList headers;
        for (int c = 0; c < g.columnCount(); ++c)
            headers << g.headerData(c, Qt::Horizontal).toString();
        QCOMPARE(headers.join(u' '), "id Numero Memoria Tipo Cima Memcima");
        QVERIFY(g.rowCount() == 5 && g.data(g.index(2, 1)) == " 2");
        QItemSelectionModel selection(&g);
        g.trackSelection(&selection);
        QCOMPARE(selection.currentIndex().row(), 0);
        selection.setCurrentIndex(g.index(3, 2), QItemSelectionModel::ClearAndSelect);
        QCOMPARE(v.currentRow(), 3);
        QVERIFY(v.moveNext() && selection.isRowSelected(4, {}));
        QVERIFY(!v.moveNext() && !selection.currentIndex().isValid());
        g.holdSelection(true); // held, the selection stays until let go
        QVERIFY(v.movePrevious(2) && !selection.currentIndex().isValid());
        g.holdSelection(false);
        QCOMPARE(selection.currentIndex().row(), 3);
        QVERIFY(v.moveFirst() && v.findId(2) && v.deleteCurrent());
        QVERIFY(g.rowCount() == 4 && selection.currentIndex().row() == 1);
    }
};

ZT_TEST_MAIN(StoreTest)
#include "tst_store.moc"
