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
