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
// 1 (a number) stay apart from one another and from '1'.  With `exact`, each
// value as its type and its bytes in hexadecimal.
QStringList rows(const QString& path = QStringLiteral("dati.mdb"), bool exact = false)
{
    QStringList out;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "rows");
        db.setDatabaseName(path);
        db.open();
        QStringList values;
        for (const char* column : {"Numero", "Memoria", "Tipo", "Cima", "Memcima", "Note"})
            values << QString(exact ? "typeof(%1) || hex(%1)" : "quote(%1)").arg(column);
        QSqlQuery q("SELECT " + values.join(" || '|' || ") + " FROM Uscite ORDER BY id", db);
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
        // Every value exactly as stored: bytes (BLOBs), texts opening with a
        // byte-order mark or its swapped form, formulas for a spreadsheet.
        sql({"UPDATE Uscite SET Cima = '', Memcima = 'a,b', Note = 'detto \"basta\", poi' || "
             "char(13, 10) || 'riga' || char(10) WHERE id = 3",
             "DELETE FROM Uscite WHERE id = 2",
             "INSERT INTO Uscite (Numero, Memoria, Tipo, Cima, Note) VALUES (' 36', ' 2', 2, "
             "'x', 'Ünïcödé 日本語 🎲 ελληνικά è')",
             "INSERT INTO Uscite (Numero, Memoria, Cima, Memcima, Note) VALUES (' 1', X'2032', "
             "char(65279) || 'a', char(65534), X'00FFFE'), (' 2', ' 3', '=1+1', '+39', '@a'), "
             "(' 3', ' 4', '-5', X'', 'X''41''')"});
        const QStringList original = rows();
        QCOMPARE(original.size(), 6);

        zt::SpinTransfer out;
        QByteArray csv;
        QVERIFY2(out.exportRows(zt::viewerCommand(), &csv), qPrintable(out.error()));
        QCOMPARE(out.rows(), 6);
        QVERIFY(csv.startsWith("id,Numero,Memoria,Tipo,Cima,Memcima,Note\r\n1, 5, 1,1,,,\r\n3,"));
        QByteArray live;
        QVERIFY(out.exportRows(zt::viewerTypeCommand(u"Live"), &live));
        QCOMPARE(out.rows(), 1);

        // Into a file that does not exist yet, then once more after it.
        zt::SpinTransfer in(dir_->file("copia.mdb"));
        QVERIFY2(import(csv, in), qPrintable(in.error()));
        QCOMPARE(in.rows(), 6);
        QCOMPARE(rows(dir_->file("copia.mdb")), original);
        QCOMPARE(rows(dir_->file("copia.mdb"), true), rows("dati.mdb", true));
        QVERIFY(import(csv, in));
        QCOMPARE(rows(dir_->file("copia.mdb")), original + original);

        // A text that is not UTF-8 cannot go out as it is: its row is named.
        sql("UPDATE Uscite SET Note = CAST(X'C3' AS TEXT) WHERE id = 5");
        QVERIFY(!out.exportRows(zt::viewerCommand(), &csv));
        QCOMPARE(out.error(), "Nel file dati.mdb la colonna Note della riga con id 5 ha un testo "
                              "che non è UTF-8: le righe non sono state lette.");
    }

    // Another program in the middle of a write: the import stores nothing
    // and says to try again, before any row is read into the file.
    void aWriterElsewhereRefusesTheImport()
    {
        zt::SpinRecorder().record(" 5", "", " 1");
        zt::StoreConnection other;
        QVERIFY(other.open(nullptr));
        QSqlQuery writing(other.database());
        QVERIFY(writing.exec("BEGIN IMMEDIATE") &&
                writing.exec("INSERT INTO Uscite (Numero) VALUES (' 9')"));
        zt::SpinTransfer in;
        QVERIFY(!import("17\n", in));
        QCOMPARE(in.fault(), zt::SpinTransfer::Fault::Busy);
        QCOMPARE(in.error(), "Il file dati.mdb è bloccato da un altro programma: nessuna uscita "
                             "è stata importata.");
        QVERIFY(writing.exec("ROLLBACK"));
        QCOMPARE(rows(), QStringList({"' 5'|' 1'|NULL|NULL|NULL|NULL"}));
        QVERIFY(import("17\n", in) && in.rows() == 1);
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
        QVERIFY2(in.error().contains(u"stop") && in.fault() == zt::SpinTransfer::Fault::Failed,
                 qPrintable(in.error()));
        QCOMPARE(in.rows(), 0);
        QCOMPARE(fileBytes(), before);
        QVERIFY(!QFile::exists(u"dati.mdb-journal"_qs));
        QCOMPARE(rows(), QStringList({"' 5'|' 1'|NULL|NULL|NULL|NULL"}));
    }
};

ZT_TEST_MAIN(SpinTransferTest)
#include "tst_spintransfer.moc"
