#include "core/textrules.h"
#include "store/recordcursor.h"
#include "store/spinrecorder.h"
#include "store/storecommands.h"
#include "storetesting.h"
#include "testsupport.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QScopeGuard>
#include <QSet>

#include <cstdio>
#include <memory>
#include <unistd.h>

using zt::RecordCursor;
using zt::SpinRecorder;
using zt::test::fileBytes;
using zt::test::sql;

namespace {

// Set in the environment of a helper: the folder it records in.
const char* const kHelperDir = "ZT_STORE_HELPER_DIR";

QStringList sideFiles()
{
    QStringList out;
    for (const char* suffix : {"-journal", "-wal", "-shm"}) {
        if (QFile::exists(u"dati.mdb"_qs + QString::fromLatin1(suffix)))
            out << QString::fromLatin1(suffix);
    }
    return out;
}

// This test program started again as a helper: it runs only helperProcess(),
// which records spins in the folder dir until it is killed.
QProcess* startHelper(const QString& dir, QObject* parent)
{
    auto* p = new QProcess(parent);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(kHelperDir), dir);
    p->setProcessEnvironment(env);
    p->start(QCoreApplication::applicationFilePath(), {u"helperProcess"_qs});
    return p;
}

// Reads the helper's output until `count` lines starting with prefix have
// come; collects the ids of the "id N" lines on the way.
bool readUntil(QProcess* p, const QByteArray& prefix, QList<qint64>* ids = nullptr, int count = 1)
{
    for (int seen = 0; seen < count;) {
        if (!p->canReadLine() && !p->waitForReadyRead(20000))
            return false;
        while (p->canReadLine() && seen < count) {
            const QByteArray line = p->readLine();
            if (line.startsWith("id ") && ids)
                *ids << line.mid(3).trimmed().toLongLong();
            seen += line.startsWith(prefix);
        }
    }
    return true;
}

} // namespace

class StoreFileTest : public QObject {
    Q_OBJECT
    std::unique_ptr<zt::test::FreshDir> dir_;

private Q_SLOTS:
    void init() { dir_ = std::make_unique<zt::test::FreshDir>(); }
    void cleanup() { dir_.reset(); }

    void newFileHoldsTheTable()
    {
        RecordCursor viewer(zt::viewerCommand());
        QVERIFY2(viewer.open(), qPrintable(viewer.lastError()));
        QVERIFY(viewer.isBof() && viewer.isEof());
        QCOMPARE(sql("SELECT group_concat(lower(name), ' ') FROM pragma_table_info('Uscite')"),
                 QVariantList{u"id numero memoria tipo cima memcima note"_qs});
        QVERIFY(sideFiles().isEmpty());
    }

    void unusableFileIsReportedAndKept_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("schema");
        QTest::addColumn<QString>("problem");
        QTest::newRow("text") << QByteArray("Numero;Memoria\n 17; 1\n").repeated(40)
                              << QStringList() << "Il file dati.mdb non è un database valido";
        QTest::newRow("empty file")
            << QByteArray() << QStringList() << "Nel file dati.mdb manca la tabella Uscite";
        QTest::newRow("other table")
            << QByteArray() << QStringList{u"CREATE TABLE Spins (id INTEGER PRIMARY KEY)"_qs}
            << "Nel file dati.mdb manca la tabella Uscite";
        QTest::newRow("no Note column")
            << QByteArray()
            << QStringList{u"CREATE TABLE USCITE (ID INTEGER PRIMARY KEY, NUMERO TEXT, MEMORIA "
                           "TEXT, TIPO INTEGER, CIMA TEXT, MEMCIMA TEXT)"_qs,
                           u"INSERT INTO Uscite (Numero) VALUES (' 3')"_qs}
            << "Nel file dati.mdb manca la colonna Note della tabella Uscite";
        QTest::newRow("view")
            << QByteArray()
            << QStringList{QString(zt::test::usciteTable).replace(u"Uscite"_qs, u"T"_qs),
                           u"CREATE VIEW Uscite AS SELECT * FROM T"_qs}
            << "Nel file dati.mdb Uscite non è una tabella";
        // Each of these can hold ids that are repeated, empty or not numbers.
        const QString key = u"Nel file dati.mdb la colonna id della tabella Uscite non è una "
                            "chiave intera assegnata dal database"_qs;
        const QString columns = u"Numero TEXT, Memoria TEXT, Tipo INTEGER, Cima, Memcima, Note"_qs;
        QTest::newRow("id no key")
            << QByteArray()
            << QStringList{u"CREATE TABLE Uscite (id INTEGER, %1)"_qs.arg(columns),
                           u"INSERT INTO Uscite (id) VALUES (1), (1), (NULL), ('x')"_qs}
            << key;
        QTest::newRow("id INT key") << QByteArray()
                                    << QStringList{u"CREATE TABLE Uscite (id INT PRIMARY KEY, "
                                                   "%1)"_qs.arg(columns)}
                                    << key;
        QTest::newRow("without rowid")
            << QByteArray()
            << QStringList{u"CREATE TABLE Uscite (id INTEGER PRIMARY KEY, %1) WITHOUT ROWID"_qs.arg(
                   columns)}
            << key;
    }
    void unusableFileIsReportedAndKept()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, schema);
        QFETCH(QString, problem);
        zt::test::writeFile(u"dati.mdb"_qs, bytes);
        if (!schema.isEmpty())
            sql(schema);
        const QByteArray before = fileBytes();

        SpinRecorder rec;
        QVERIFY(!rec.open());
        QCOMPARE(rec.lastError(), problem + u'.');
        QVERIFY(!rec.record(u" 5"_qs, u"1"_qs, u" 1"_qs));
        QCOMPARE(rec.lastError(), problem + u": l'uscita non è stata registrata."_qs);

        RecordCursor viewer(zt::viewerCommand());
        QVERIFY(!viewer.open());
        QCOMPARE(viewer.lastError(), problem + u'.');
        QVERIFY(viewer.size() == 0 && viewer.isEof());
        QVERIFY(!viewer.deleteCurrent() && !viewer.requery());

        QCOMPARE(fileBytes(), before);
        QCOMPARE(sideFiles(), QStringList());
    }

    void readOnlyFileRefusesWrites()
    {
        sql({zt::test::usciteTable,
             u"INSERT INTO Uscite (Numero, Memoria) VALUES (' 4', ' 1'), (' 8', ' 2')"_qs});
        QFile::setPermissions(u"dati.mdb"_qs, QFile::ReadOwner | QFile::ReadGroup);
        const QByteArray before = fileBytes();

        const QString readOnly = u"Il file dati.mdb è in sola lettura: "_qs;
        SpinRecorder rec;
        QVERIFY(!rec.record(u" 5"_qs, u"1"_qs, u" 3"_qs));
        QCOMPARE(rec.lastError(), readOnly + u"l'uscita non è stata registrata."_qs);

        RecordCursor viewer(zt::viewerCommand());
        QVERIFY2(viewer.open(), qPrintable(viewer.lastError())); // reading works
        QVERIFY(!viewer.deleteCurrent());
        QCOMPARE(viewer.lastError(), readOnly + u"la riga non è stata cancellata."_qs);
        QVERIFY(!viewer.updateCurrent({{u"Note"_qs, u"x"_qs}}));
        QCOMPARE(viewer.lastError(), readOnly + u"la modifica non è stata salvata."_qs);
        QCOMPARE(viewer.size(), 2);
        QCOMPARE(viewer.text(u"Numero"), u" 4"_qs);

        QCOMPARE(fileBytes(), before);
        QFile::setPermissions(u"dati.mdb"_qs, QFile::ReadOwner | QFile::WriteOwner);
    }

    void fileLockedByAnotherConnection()
    {
        sql({zt::test::usciteTable,
             u"INSERT INTO Uscite (Numero, Memoria) VALUES (' 4', ' 1')"_qs});
        SpinRecorder rec;
        QVERIFY(rec.open());
        const QByteArray before = fileBytes();

        // Another connection holds the file, as another program would.
        QSqlDatabase::addDatabase(u"QSQLITE"_qs, u"locker"_qs).setDatabaseName(u"dati.mdb"_qs);
        auto locker = std::make_unique<QSqlQuery>(QSqlDatabase::database(u"locker"_qs));
        QVERIFY(locker->exec(u"BEGIN EXCLUSIVE"_qs));
        QVERIFY(!rec.record(u" 5"_qs, u"1"_qs, u" 2"_qs));
        QCOMPARE(rec.lastError(), u"Il file dati.mdb è bloccato da un altro programma: "
                                  "l'uscita non è stata registrata."_qs);
        RecordCursor viewer(zt::viewerCommand());
        QVERIFY(!viewer.open());
        QCOMPARE(viewer.lastError(), u"Il file dati.mdb è bloccato da un altro programma."_qs);

        QVERIFY(locker->exec(u"ROLLBACK"_qs));
        locker.reset();
        QSqlDatabase::removeDatabase(u"locker"_qs);
        QCOMPARE(fileBytes(), before);

        // Once the lock is gone both work again.
        QVERIFY2(rec.record(u" 5"_qs, u"1"_qs, u" 2"_qs), qPrintable(rec.lastError()));
        QVERIFY(viewer.requery());
        QCOMPARE(viewer.size(), 2);
    }

    // Failures that the engine reports under another name.  Where this user
    // cannot bring one about (a folder's permissions do not stop root; a
    // full disk), the engine's code for it is checked instead.
    void writeFailureNamesItsCause_data()
    {
        QTest::addColumn<QStringList>("schema");
        QTest::addColumn<bool>("lockFolder");
        QTest::addColumn<int>("code"); // the engine's, when the failure is not brought about
        QTest::addColumn<QString>("problem");
        const QString table = zt::test::usciteTable;
        const QString last = u"INSERT INTO Uscite (id) VALUES (9223372036854775807)"_qs;
        const QString usedUp = u"La tabella Uscite del file dati.mdb ha esaurito i numeri di "
                               "riga (id)"_qs;
        QTest::newRow("ids used up") << QStringList{table, last} << false << 0 << usedUp;
        QTest::newRow("ids used up, last row deleted")
            << QStringList{table, last, u"DELETE FROM Uscite"_qs} << false << 0 << usedUp;
        QTest::newRow("disk full") << QStringList{table, u"INSERT INTO Uscite (id) VALUES (7)"_qs}
                                   << false << 13 << u"Il disco del file dati.mdb è pieno"_qs;
        QTest::newRow("folder not writable")
            << QStringList{table} << true << (::geteuid() == 0 ? 1544 : 0)
            << u"Nella cartella %1 del file dati.mdb non si possono creare file"_qs;
    }
    void writeFailureNamesItsCause()
    {
        QFETCH(QStringList, schema);
        QFETCH(bool, lockFolder);
        QFETCH(int, code);
        QFETCH(QString, problem);
        sql(schema);
        const QString folder = QDir::toNativeSeparators(QDir::currentPath());
        const QByteArray before = fileBytes();
        const auto unlock = qScopeGuard([&] {
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        });
        if (lockFolder) {
            problem = problem.arg(folder);
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        }
        SpinRecorder rec;
        zt::StoreConnection conn;
        const QSqlError error({}, {}, QSqlError::StatementError, QString::number(code));
        if (code != 0) {
            QVERIFY(conn.open(nullptr));
            QCOMPARE(zt::insertProblem(error, conn.database()), problem);
        } else {
            QVERIFY(!rec.record(u" 5"_qs, u"1"_qs, u" 1"_qs));
            QCOMPARE(rec.lastError(), problem + u": l'uscita non è stata registrata."_qs);
        }
        QCOMPARE(fileBytes(), before);
    }

    void killedRecorderLosesNoSpin()
    {
        QList<qint64> printed;
        for (int round = 0; round < 3; ++round) {
            QProcess* child = startHelper(dir_->path(), this);
            QVERIFY2(readUntil(child, "id ", &printed, 25 + 10 * round), "no spins recorded");
            child->kill(); // SIGKILL, wherever the helper is
            QVERIFY(child->waitForFinished(20000));
            readUntil(child, "end of output", &printed); // what it printed before it died
        }
        QCOMPARE(sql("PRAGMA integrity_check"), QVariantList{u"ok"_qs});
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
        SpinRecorder rec;
        QElapsedTimer clock; // a helper left alone stops by itself
        clock.start();
        for (int i = 0; clock.elapsed() < 60000; ++i) {
            if (!rec.record(zt::signText(i % 37), u"2"_qs, zt::signText(i % 37 + 1))) {
                std::printf("error %s\n", qPrintable(rec.lastError()));
                break;
            }
            std::printf("id %lld\n", rec.lastId());
            std::fflush(stdout);
        }
    }
};

ZT_TEST_MAIN(StoreFileTest)
#include "tst_storefile.moc"
