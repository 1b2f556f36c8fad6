#include "core/spincsv.h"
#include "testsupport.h"

namespace {

// The rows of a file as "Numero|Memoria|Tipo", then "|Note" when the row has
// one (a BLOB as "b:" and its bytes in hexadecimal), joined by ';'; or the
// fault.
QString read(const QByteArray& bytes, int listTipo = 0, bool newestFirst = false)
{
    zt::SpinCsvReader reader(bytes, listTipo);
    reader.setNewestFirst(newestFirst);
    zt::SpinCsvRow row;
    if (!reader.check()) // nor is any row read after the fault
        return reader.next(row) ? QStringLiteral("a row after the fault") : reader.error();
    QStringList rows;
    while (reader.next(row)) {
        rows << row.numero.toString() + u'|' + row.memoria.toString() + u'|' +
                    QString::number(row.tipo);
        if (row.note.typeId() == QMetaType::QByteArray)
            rows.last() += "|b:" + row.note.toByteArray().toHex();
        else if (!row.note.isNull())
            rows.last() += u'|' + row.note.toString();
    }
    if (rows.size() != reader.rowCount() || !reader.error().isEmpty())
        return QStringLiteral("count or error after check");
    return rows.join(u';');
}

} // namespace

class SpinCsvTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The bytes written (reading them back is in the store's round trip).
    void writesRfc4180()
    {
        using V = QVariant;
        QString text;
        zt::appendSpinCsvHeader(text);
        zt::appendSpinCsvRow(text, {V(1), V(" 5"), V(" 1"), V(1), V("\n"), V(), V("a\rb")});
        zt::appendSpinCsvRow(
            text, {V(2), V("0"), V(" 37"), V(), V(""), V("a,b"), V("detto \"basta\"\r\nè 🎲\n")});
        // Bytes in their own form; a text that looks like them, and formulas, as they are.
        zt::appendSpinCsvRow(text, {V(3), V(" 1"), V(QByteArray(" 2")), V(2), V("X'41'"),
                                    V(QByteArray("")), V("=1+1")});
        QCOMPARE(text,
                 QStringLiteral(
                     "id,Numero,Memoria,Tipo,Cima,Memcima,Note\r\n1, 5, 1,1,\"\n\",,\"a\rb\"\r\n"
                     "2,0, 37,,\"\",\"a,b\",\"detto \"\"basta\"\"\r\nè 🎲\n\"\r\n"
                     "3, 1,\"X'2032'\",2,X'41',\"X''\",=1+1\r\n"));
    }

    void readsBothFormats_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("listTipo");
        QTest::addColumn<QString>("rows");
        QTest::newRow("table, BOM, CRLF, blanks kept")
            << QByteArray("\xEF\xBB\xBFid,Numero,Memoria,Tipo,Cima,Memcima,Note\r\n"
                          "7, 5, 1,1,,,\r\n,17 ,2, 2 ,,,x\r\n\r\n")
            << 0 << " 5| 1|1;17 |2|2|x";
        QTest::newRow("table, ';', a BOM opening a note, bytes")
            << QByteArray("id;Numero;Memoria;Tipo;Cima;Memcima;Note\n1;5;1;;;;\xEF\xBB\xBF"
                          "a\n"
                          "2;6;2;;;;\"X'09aFAf'\"\n3;7;3;;;;\"X'0'\"\n4;8;4;;;;\"x'0g'\"\n"
                          "5;9;5;;;;\"A'00'\"\n")
            << 0 << "5|1|0|\uFEFFa;6|2|0|b:09afaf;7|3|0|X'0';8|4|0|x'0g';9|5|0|A'00'";
        QTest::newRow("list, ';'")
            << QByteArray("5;17;\n32 ;0") << 0 << " 5| 1|0; 17| 2|0; 32| 3|0; 0| 4|0";
        QTest::newRow("table, LF, header in other case")
            << QByteArray(" ID , numero,MEMORIA,tipo,cima,memcima,note\n1,00,37,,,,\n") << 2
            << "00|37|0";
        QTest::newRow("table, header only") << QByteArray(zt::kSpinCsvHeader) << 1 << "";
        QTest::newRow("list, one per line")
            << QByteArray("5\n17\r\n\r\n  \n32\n") << 0 << " 5| 1|0; 17| 2|0; 32| 3|0";
        QTest::newRow("list, commas, trailing comma, type")
            << QByteArray("5, 17,32,\n0 ,") << 2 << " 5| 1|2; 17| 2|2; 32| 3|2; 0| 4|2";
        QTest::newRow("list, blanks and leading zeros")
            << QByteArray("07\t36  00\r1") << 1 << " 7| 1|1; 36| 2|1; 0| 3|1; 1| 4|1";
        QTest::newRow("empty file") << QByteArray() << 0 << "";
    }

    void readsBothFormats()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, listTipo);
        QFETCH(QString, rows);
        QCOMPARE(read(bytes, listTipo), rows);
    }

    void aListIsOneGameOfTheBoard()
    {
        QByteArray forty;
        for (int i = 0; i < 40; ++i)
            forty += QByteArray::number(i % 37) + ' ';
        const QStringList rows = read(forty).split(u';');
        QCOMPARE(rows.mid(34), QStringList({" 34| 35|0", " 35| 36|0", " 36| 37|0", " 0| 37|0",
                                            " 1| 37|0", " 2| 37|0"}));
        // Newest first: the same game the other way round.
        const QStringList back = read(forty + "\r\n\r\n", 0, true).split(u';');
        QCOMPARE(back.mid(0, 2) + back.mid(38),
                 QStringList({" 2| 1|0", " 1| 2|0", " 1| 37|0", " 0| 37|0"}));
    }

    void faultsNameTheirLine_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error");
        const QByteArray h = QByteArray(zt::kSpinCsvHeader) + "\r\n";
        QTest::newRow("list number")
            << QByteArray("5\n\n40\n") << "riga 3: «40» non è un numero da 0 a 36";
        QTest::newRow("list two commas")
            << QByteArray("5,\n17,,32") << "riga 2: manca un numero prima di una virgola";
        QTest::newRow("numero") << h + "1, 5, 1,,,,\n2, 37, 2,,,,"
                                << "riga 3: Numero « 37» non è un numero da 0 a 36";
        QTest::newRow("memoria zero") << h + "1,5,0,,,,"
                                      << "riga 2: Memoria «0» non è un numero intero positivo";
        QTest::newRow("memoria too large")
            << h + "1,5,2147483648,,,,"
            << "riga 2: Memoria «2147483648» supera 2147483647, il valore più alto ammesso";
        QTest::newRow("what does not print") << QByteArray("5\n1\0002\x1b", 6)
                                             << "riga 2: «1[U+0000]2[U+001B]» non è un numero da 0 "
                                                "a 36";
        QTest::newRow("',' in a ';' table")
            << QByteArray("id;Numero;Memoria;Tipo;Cima;Memcima;Note\n1;5;1;;;;\n2,5,1,,,,")
            << "riga 3: 1 campo invece di 7 (i campi di questo file sono separati da «;», come "
               "nell'intestazione, non da «,»)";
        QTest::newRow("',' in a ';' list") << QByteArray("\n5; 6\n7, 8")
                                           << "riga 3: «,» non separa i numeri di questo elenco, "
                                              "che usa «;» (come la riga 2)";
        QTest::newRow("tipo") << h + "1,5,1,3,,,"
                              << "riga 2: Tipo «3» non è 1, 2 o vuoto";
        QTest::newRow("fields") << h + "1,5,1,1,,\n"
                                << "riga 2: 6 campi invece di 7";
        QTest::newRow("line after a note of two lines") << h + "1,5,1,,,,\"a\r\nb\"\r\n2,5,1,,,"
                                                        << "riga 4: 6 campi invece di 7";
        QTest::newRow("quote never closed") << h + "1,5,1,,,,ok\n2,5,1,,,,\"a\nb\n"
                                            << "riga 3: virgolette aperte e mai chiuse";
        QTest::newRow("text after quote")
            << h + "1,5,1,,,\"a\"b,"
            << "riga 2: testo dopo le virgolette che chiudono un campo";
        QTest::newRow("quote inside")
            << h + "1,5,1,,,a\"b,"
            << "riga 2: virgolette dentro un campo che non è tra virgolette";
        QTest::newRow("not UTF-8") << h + "1,5,1,,,,ok\r\n2,5,1,,,,caff\xe8\r\n"
                                   << "riga 3: il testo non è in UTF-8";
        QTest::newRow("other header")
            << QByteArray("id,Numero,Memoria\n1,5,1")
            << "riga 1: l'intestazione non è id,Numero,Memoria,Tipo,Cima,Memcima,Note";
    }

    void faultsNameTheirLine()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        QCOMPARE(read(bytes), error);
    }
};

ZT_TEST_MAIN(SpinCsvTest)
#include "tst_spincsv.moc"
