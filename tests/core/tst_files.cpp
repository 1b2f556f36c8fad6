// The files of the core: the report Statistica.txt (its bytes, writing it and
// why it could not be written) and the exchange file numero.txt; with the
// replay console's proposal check and draw.

#include "core/exchangefile.h"
#include "core/replay.h"
#include "core/report.h"
#include "core/tally.h"
#include "testsupport.h"

namespace {
QByteArray crlf(const char* lines)
{
    return QByteArray(lines).replace("\n", "\r\n");
}
} // namespace

class FilesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void proposalCheckAndDraw()
    {
        const auto check = [](const char* proposal, double sent) {
            const zt::ProposalCheck c = zt::checkProposal(QString::fromLatin1(proposal), sent);
            return QStringLiteral("%1/%2 ").arg(c.hits).arg(c.numbers);
        };
        QCOMPARE(check("32, 0, 15,", 0) + check("32, 0, 15,", 7) + check("5, 12, 5,", 5) +
                     check("08, 23, 30,", 8),
                 "1/3 0/3 2/3 1/3 ");
        for (int i = 0; i < 2000; ++i) {
            const int n = zt::drawRandomNumber();
            QVERIFY(n >= 1 && n <= 36);
        }
    }

    void reportBytes()
    {
        zt::ConteggioColpi tally;
        zt::ReportInputs in{"0", "0", false, "10", "0", {}};
        QCOMPARE(zt::reportBytes(in, tally),
                 crlf("Orba\n\n\n\n\n\nFallite: 0\n\n\nTotale:0\n\n\ndettaglio colpi:\n\n"));
        // A run adds "Boules:"; progression adds one line per attempt up to the maximum.
        in = {"25", "25", true, "3", "12", " 4,  F, 2- 3, "};
        for (const char* post : {" 4", " 4", "F", " 2"})
            tally.post(QString::fromLatin1(post));
        QCOMPARE(zt::reportBytes(in, tally),
                 crlf("Orba\n\nBoules:25\n\n\n\nUscite al: 1\xB0 colpo n\xB0: 0\n"
                      "Uscite al: 2\xB0 colpo n\xB0: 1\nUscite al: 3\xB0 colpo n\xB0: 0\n"
                      "\nFallite: 1\n\n\nTotale:12\n\n\ndettaglio colpi:\n 4,  F, 2- 3, \n"));
        QString lines;
        for (const char* max : {"10", "250", "dieci", "2.5"}) {
            in.maxAttempts = max;
            lines += QString::number(zt::reportBytes(in, tally).count("Uscite al:")) + u' ';
        }
        QCOMPARE(lines, "10 100 0 2 "); // the tally ends at attempt 100
        // Typed lines end in CR LF; what Windows-1252 cannot hold is "?", and counted.
        in.detail = QStringLiteral("uno\ndue Ω日本 😀 ü€°\x1a");
        int replaced = -1;
        QVERIFY(zt::reportBytes(in, tally, &replaced)
                    .endsWith(":\r\nuno\r\ndue ??? ? \xFC\x80\xB0\x1A\r\n"));
        QCOMPARE(replaced, 4);
    }

    void reportWriting()
    {
        zt::test::FreshDir dir;
        const QString path = dir.file(zt::reportFileName);
        QString error;
        QVERIFY(zt::saveReport(path, "primo", &error) && zt::saveReport(path, "secondo", &error));
        QCOMPARE(zt::test::fileBytes(path), "secondo");
        // A report nobody may write stays as it is, also for an administrator.
        const auto readOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
        QVERIFY(QFile::setPermissions(path, readOnly));
        QVERIFY(!zt::saveReport(path, "terzo", &error));
        QCOMPARE(zt::test::fileBytes(path), "secondo");
        QCOMPARE(QFile::permissions(path) & ~(QFile::ReadUser | QFile::WriteUser), readOnly);
        QCOMPARE(error, "Impossibile scrivere il rapporto " + path +
                            ": il file è in sola lettura e non è stato modificato.");
        // The cause in Italian; the system's own words only beside a generic one.
        QVERIFY(!zt::saveReport(dir.file("manca/Statistica.txt"), "quarto", &error));
        QVERIFY2(error.contains(": errore imprevisto del sistema ("), qPrintable(error));
        const QString fresh = dir.file("nuovo.txt");
        QCOMPARE(zt::reportWriteProblem(fresh, ENOSPC, "No space left"), "il disco è pieno");
        QCOMPARE(zt::reportWriteProblem(fresh, EACCES, "Permission denied"),
                 "non si ha il permesso di scrivere nella cartella " + dir.path());
        QCOMPARE(zt::reportWriteProblem(dir.path(), 0, {}),
                 "esiste già una cartella con questo nome");
    }

    void exchangeFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("read"); // stamp|number, or nothing
        const auto row = [](const char* name, const QByteArray& bytes, const QString& last,
                            const QString& read) { QTest::newRow(name) << bytes << last << read; };
        // clang-format off
        row("new stamp", "0000000042\r\n17\r\n", "CM_Tempo", "0000000042|17\r\n");
        row("blanks around the stamp", "   42     \r\n17", "42", "");
        row("tab", "12345678 \t\r\n17", "12345678  ", "12345678 \t|17");
        row("line end", "12345678\r\n\r\n17", " 12345678", "12345678\r\n|17");
        row("no-break space", "\24012345678 \r\n17", "12345678", "\u00A012345678|17");
        row("same with a tab", "12345678\t \r\n17", " 12345678\t", "");
        row("fraction", "0000000043\r\n17.5", "CM_Tempo", "0000000043|17.5");
        row("single-byte text", "\x80\xe8" "00000000\r\n36", "", "\u20ac\u00e800000000|36");
        // clang-format on
    }
    void exchangeFile()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, last);
        QFETCH(QString, read);
        zt::test::FreshDir dir;
        zt::test::writeFile("numero.txt", bytes);
        const auto spin = zt::readExchangeFile(last);
        QCOMPARE(spin ? spin->stamp + u'|' + spin->numberText : QString(), read);
    }

    void exchangeFileMissingOrHuge()
    {
        zt::test::FreshDir dir;
        QVERIFY(!zt::readExchangeFile(u"CM_Tempo")); // missing
        QFile f(dir.file("huge.txt"));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("0000000045\r\n22\r\n") > 0);
        QVERIFY(f.resize(50 * 1024 * 1024)); // the rest reads as zero bytes
        f.close();
        const auto spin = zt::readExchangeFile(u"CM_Tempo", f.fileName());
        QVERIFY(spin && spin->numberText.startsWith("22\r\n") && spin->numberText.size() <= 4084);
    }
};

ZT_TEST_MAIN(FilesTest)
#include "tst_files.moc"
