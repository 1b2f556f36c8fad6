#include "core/spincsv.h"
#include "store/spinrecorder.h"
#include "store/spintransfer.h"
#include "store/storecommands.h"
#include "storetesting.h"

#include <memory>

using zt::test::fileBytes;
using zt::test::sql;

namespace {

// Every row of Uscite in the file, id aside, as SQL literals: NULL, '' and
// 1 (a number) stay apart from one another and from '1'.
QStringList rows(const QString& path = QStringLiteral("dati.mdb"))
{
    QStringList out;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "rows");
        db.setDatabaseName(path);
        db.open();
        QSqlQuery q(QStringLiteral("SELECT quote(Numero) || '|' || quote(Memoria) || '|' || "
                                   "quote(Tipo) || '|' || quote(Cima) || '|' || quote(Memcima) "
                                   "|| '|' || quote(Note) FROM Uscite ORDER BY id"),
                    db);
        while (q.next())
            out << q.value(0).toString();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("rows"));
    return out;
}

bool import(const QByteArray& bytes, zt::SpinTransfer& transfer, int listTipo = 0)
{
    zt::SpinCsvReader reader(bytes, listTipo);
    return reader.check() && transfer.importRows(reader);
}

} // namespace

class SpinTransferTest : public QObject {
    Q_OBJECT
    std::unique_ptr<zt::test::FreshDir> dir_;

private Q_SLOTS:
    void init() { dir_ = std::make_unique<zt::test::FreshDir>(); }
    void cleanup() { dir_.reset(); }

    void exportThenImportGivesTheSameRows()
    {
        {
            zt::SpinRecorder board;
            QVERIFY(board.record(" 5", "1", " 1"));
            QVERIFY(board.record(" 9", "2", " 2"));
            QVERIFY(board.record(" 0", "", " 37"));
        }
        sql({"UPDATE Uscite SET Cima = '', Memcima = 'a,b', Note = 'detto \"basta\", poi' || "
             "char(13, 10) || 'riga' || char(10) WHERE id = 3",
             "DELETE FROM Uscite WHERE id = 2",
             "INSERT INTO Uscite (Numero, Memoria, Tipo, Cima, Note) VALUES (' 36', ' 2', 2, "
             "'x', 'Ünïcödé 日本語 🎲 ελληνικά è')"});
        const QStringList original = rows();
        QCOMPARE(original.size(), 3);

        zt::SpinTransfer out;
        QByteArray csv;
        QVERIFY2(out.exportRows(zt::viewerCommand(), &csv), qPrintable(out.error()));
        QCOMPARE(out.rows(), 3);
        QVERIFY(csv.startsWith("id,Numero,Memoria,Tipo,Cima,Memcima,Note\r\n1, 5, 1,1,,,\r\n3,"));
        QByteArray live;
        QVERIFY(out.exportRows(zt::viewerTypeCommand(u"Live"), &live));
        QCOMPARE(out.rows(), 1);

        // Into a file that does not exist yet, then once more after it.
        zt::SpinTransfer in(dir_->file("copia.mdb"));
        QVERIFY2(import(csv, in), qPrintable(in.error()));
        QCOMPARE(in.rows(), 3);
        QCOMPARE(rows(dir_->file("copia.mdb")), original);
        QVERIFY(import(csv, in));
        QCOMPARE(rows(dir_->file("copia.mdb")), original + original);
    }

    void aListAppendsWithIdsOfTheStore()
    {
        {
            zt::SpinRecorder board;
            QVERIFY(board.record(" 1", "", " 1"));
            QVERIFY(board.record(" 2", "", " 2"));
        }
        sql("DELETE FROM Uscite WHERE id = 2");
        zt::SpinTransfer in;
        QVERIFY2(import("5 17\n32,", in, 2), qPrintable(in.error()));
        QCOMPARE(sql("SELECT id FROM Uscite ORDER BY id"), QVariantList({1, 3, 4, 5}));
        QCOMPARE(rows().mid(1),
                 QStringList({"' 5'|' 1'|2|NULL|NULL|NULL", "' 17'|' 2'|2|NULL|NULL|NULL",
                              "' 32'|' 3'|2|NULL|NULL|NULL"}));
    }

    void unusableFilesAreRefusedUntouched_data()
    {
        QTest::addColumn<QByteArray>("setup");
        QTest::addColumn<QString>("problem");
        QTest::newRow("not a database")
            << QByteArray("not a database\n") << "Il file dati.mdb non è un database valido";
        QTest::newRow("no table") << QByteArray("CREATE TABLE Altro (id INTEGER PRIMARY KEY)")
                                  << "Nel file dati.mdb manca la tabella Uscite";
        QTest::newRow("read-only")
            << QByteArray("read-only") << "Il file dati.mdb è in sola lettura";
    }

    void unusableFilesAreRefusedUntouched()
    {
        QFETCH(QByteArray, setup);
        QFETCH(QString, problem);
        if (setup.startsWith("CREATE")) {
            sql(QString::fromLatin1(setup));
        } else if (setup == "read-only") {
            zt::SpinRecorder().record(" 5", "", " 1");
            QFile::setPermissions(u"dati.mdb"_qs, QFile::ReadOwner | QFile::ReadGroup);
        } else {
            zt::test::writeFile(u"dati.mdb"_qs, setup);
        }
        const QByteArray before = fileBytes();
        zt::SpinTransfer in;
        QVERIFY(!import("5", in));
        QCOMPARE(in.error(), problem + ": nessuna uscita è stata importata.");
        QVERIFY(in.fileRefused());
        QCOMPARE(fileBytes(), before);
        QByteArray csv;
        QCOMPARE(zt::SpinTransfer().exportRows(zt::viewerCommand(), &csv), setup == "read-only");
    }

    void exportNeverCreatesTheFile()
    {
        zt::SpinTransfer out;
        QByteArray csv = "old";
        QVERIFY(!out.exportRows(zt::viewerCommand(), &csv));
        QCOMPARE(out.error(), QStringLiteral("Il file dati.mdb non esiste."));
        QVERIFY(out.fileRefused() && csv == "old" && !QFile::exists(u"dati.mdb"_qs));
    }

    void aFailureMidwayStoresNothing()
    {
        // More rows than the engine's page cache holds, so that the file
        // itself is written before the failure, which the rollback undoes.
        zt::SpinRecorder().record(" 5", "", " 1");
        sql("CREATE TRIGGER stop AFTER INSERT ON Uscite WHEN NEW.id = 150000 "
            "BEGIN SELECT RAISE(ABORT, 'stop'); END");
        const QByteArray before = fileBytes();
        QByteArray list;
        for (int i = 0; i < 200000; ++i)
            list += QByteArray::number(i % 37) + '\n';
        zt::SpinTransfer in;
        QVERIFY(!import(list, in));
        QVERIFY2(in.error().contains(u"stop") && !in.fileRefused(), qPrintable(in.error()));
        QCOMPARE(in.rows(), 0);
        QCOMPARE(fileBytes(), before);
        QVERIFY(!QFile::exists(u"dati.mdb-journal"_qs));
        QCOMPARE(rows(), QStringList({"' 5'|' 1'|NULL|NULL|NULL|NULL"}));
    }
};

ZT_TEST_MAIN(SpinTransferTest)
#include "tst_spintransfer.moc"
