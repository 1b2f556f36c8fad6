#include "app/textrules.h"
#include "store/recordsource.h"
#include "store/spinrecorder.h"
#include "store/storecommands.h"
#include "storetesting.h"
#include "testsupport.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QSet>

#include <cstdio>
#include <memory>

using zt::RecordSource;
using zt::SpinRecorder;
using zt::test::fileBytes;
using zt::test::sql;

namespace {

const char* const kHelperVar = "ZT_STORE_HELPER";
const char* const kHelperDir = "ZT_STORE_HELPER_DIR";

const QString kTable = u"CREATE TABLE Uscite (id INTEGER PRIMARY KEY AUTOINCREMENT, Numero TEXT, "
                       "Memoria TEXT, Tipo INTEGER, Cima TEXT, Memcima TEXT, Note TEXT)"_qs;

void writeFile(const QByteArray& bytes)
{
    QFile f(u"dati.mdb"_qs);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

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
// which acts as the variable kHelperVar says, in the folder kHelperDir.
QProcess* startHelper(const char* role, const QString& dir, QObject* parent)
{
    auto* p = new QProcess(parent);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(kHelperVar), QString::fromLatin1(role));
    env.insert(QString::fromLatin1(kHelperDir), dir);
    p->setProcessEnvironment(env);
    p->start(QCoreApplication::applicationFilePath(), {u"helperProcess"_qs});
    return p;
}

// Reads the helper's output up to a line starting with prefix; collects the
// ids of the "id N" lines on the way.
bool readUntil(QProcess* p, const QByteArray& prefix, QList<qint64>* ids = nullptr, int count = 1)
{
    int seen = 0;
    while (seen < count) {
        while (!p->canReadLine()) {
            if (!p->waitForReadyRead(20000))
                return false;
        }
        const QByteArray line = p->readLine();
        if (line.startsWith("id ") && ids)
            *ids << line.mid(3).trimmed().toLongLong();
        if (line.startsWith(prefix))
            ++seen;
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
        RecordSource viewer(zt::viewerCommand());
        QVERIFY2(viewer.open(), qPrintable(viewer.lastError()));
        QVERIFY(viewer.isBof() && viewer.isEof());
        QCOMPARE(sql("SELECT lower(name) FROM pragma_table_info('Uscite')"),
                 (QVariantList{u"id"_qs, u"numero"_qs, u"memoria"_qs, u"tipo"_qs, u"cima"_qs,
                               u"memcima"_qs, u"note"_qs}));
        QCOMPARE(sql("PRAGMA integrity_check"), QVariantList{u"ok"_qs});
        QVERIFY(sideFiles().isEmpty());
    }

    void unusableFileIsReportedAndKept_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("schema");
        QTest::addColumn<QString>("problem");
        QByteArray noise(5000, '\0');
        for (int i = 0; i < noise.size(); ++i)
            noise[i] = char((i * 7919) % 251);
        QTest::newRow("binary") << noise << QStringList()
                                << "Il file dati.mdb non è un database valido";
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
        writeFile(bytes);
        if (!schema.isEmpty())
            sql(schema);
        const QByteArray before = fileBytes();

        SpinRecorder rec;
        QVERIFY(!rec.open());
        QCOMPARE(rec.lastError(), problem + u'.');
        QVERIFY(!rec.record(u" 5"_qs, u"1"_qs, u" 1"_qs));
        QCOMPARE(rec.lastError(), problem + u": l'uscita non è stata registrata."_qs);

        RecordSource viewer(zt::viewerCommand());
        QVERIFY(!viewer.open());
        QCOMPARE(viewer.lastError(), problem + u'.');
        QCOMPARE(viewer.size(), 0);
        QVERIFY(viewer.isEof());
        QVERIFY(!viewer.deleteCurrent());
        QVERIFY(!viewer.requery());

        QCOMPARE(fileBytes(), before);
        QCOMPARE(sideFiles(), QStringList());
    }

    void readOnlyFileRefusesWrites()
    {
        sql({kTable, u"INSERT INTO Uscite (Numero, Memoria) VALUES (' 4', ' 1'), (' 8', ' 2')"_qs});
        QFile::setPermissions(u"dati.mdb"_qs, QFile::ReadOwner | QFile::ReadGroup);
        const QByteArray before = fileBytes();

        SpinRecorder rec;
        QVERIFY(!rec.record(u" 5"_qs, u"1"_qs, u" 3"_qs));
        QCOMPARE(rec.lastError(),
                 u"Il file dati.mdb è in sola lettura: l'uscita non è stata registrata."_qs);

        RecordSource viewer(zt::viewerCommand());
        QVERIFY2(viewer.open(), qPrintable(viewer.lastError())); // reading works
        QCOMPARE(viewer.size(), 2);
        QVERIFY(!viewer.deleteCurrent());
        QCOMPARE(viewer.lastError(),
                 u"Il file dati.mdb è in sola lettura: la riga non è stata cancellata."_qs);
        QVERIFY(!viewer.updateCurrent({{u"Note"_qs, u"x"_qs}}));
        QCOMPARE(viewer.lastError(),
                 u"Il file dati.mdb è in sola lettura: la modifica non è stata salvata."_qs);
        QCOMPARE(viewer.size(), 2);
        QCOMPARE(viewer.text(u"Numero"), u" 4"_qs);

        QCOMPARE(fileBytes(), before);
        QFile::setPermissions(u"dati.mdb"_qs, QFile::ReadOwner | QFile::WriteOwner);
    }

    void fileLockedByAnotherProgram()
    {
        sql({kTable, u"INSERT INTO Uscite (Numero, Memoria) VALUES (' 4', ' 1')"_qs});
        SpinRecorder rec;
        QVERIFY(rec.open());
        const QByteArray before = fileBytes();

        QProcess* locker = startHelper("lock", dir_->path(), this);
        QVERIFY2(readUntil(locker, "locked"), "the helper did not lock the file");

        QVERIFY(!rec.record(u" 5"_qs, u"1"_qs, u" 2"_qs));
        QCOMPARE(rec.lastError(), u"Il file dati.mdb è bloccato da un altro programma: "
                                  "l'uscita non è stata registrata."_qs);
        RecordSource viewer(zt::viewerCommand());
        QVERIFY(!viewer.open());
        QCOMPARE(viewer.lastError(), u"Il file dati.mdb è bloccato da un altro programma."_qs);

        locker->closeWriteChannel(); // the helper gives the lock up and ends
        QVERIFY(locker->waitForFinished(20000));
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
            QProcess* child = startHelper("record", dir_->path(), this);
            QVERIFY2(readUntil(child, "id ", &printed, 25 + 10 * round), "no spins recorded");
            child->kill(); // SIGKILL, wherever the helper is
            QVERIFY(child->waitForFinished(20000));
            for (const QByteArray& line : child->readAll().split('\n')) {
                if (line.startsWith("id "))
                    printed << line.mid(3).trimmed().toLongLong();
            }
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
        const QByteArray role = qgetenv(kHelperVar);
        if (role.isEmpty())
            return;
        QDir::setCurrent(QString::fromLocal8Bit(qgetenv(kHelperDir)));
        if (role == "record") {
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
        } else if (role == "lock") {
            {
                QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_qs, u"locker"_qs);
                db.setDatabaseName(u"dati.mdb"_qs);
                QSqlQuery q(db);
                if (db.open() && q.exec(u"BEGIN EXCLUSIVE"_qs)) {
                    std::printf("locked\n");
                    std::fflush(stdout);
                    QFile in;
                    in.open(stdin, QIODevice::ReadOnly);
                    in.readAll(); // until the test closes our input
                }
                q.exec(u"ROLLBACK"_qs);
            }
            QSqlDatabase::removeDatabase(u"locker"_qs);
        }
    }
};

ZT_TEST_MAIN(StoreFileTest)
#include "tst_storefile.moc"
