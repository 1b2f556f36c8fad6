#include "core/textrules.h"
#include "store/recordcursor.h"
#include "store/spinrecorder.h"
#include "store/storecommands.h"
#include "storetesting.h"
#include "testsupport.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QSet>

#include <cstdio>
#include <memory>

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
