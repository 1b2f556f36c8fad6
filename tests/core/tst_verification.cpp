#include "testsupport.h"
#include "core/replay.h"
#include "core/report.h"
#include "core/tally.h"

using zt::ConteggioColpi;

namespace {

QByteArray crlf(const char* lines)
{
    return QByteArray(lines).replace("\n", "\r\n");
}

} // namespace

class VerificationTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void mailboxPosts_data()
    {
        QTest::addColumn<QString>("post");
        QTest::addColumn<int>("entry"); // -1: nothing counted
        QTest::newRow("blank 7") << " 7" << 7;
        QTest::newRow("F") << "F" << 0;
        QTest::newRow("f") << "f" << 0;
        QTest::newRow("Fxx") << "Fxx" << -1;
        QTest::newRow("5abc") << "5abc" << 5;
        QTest::newRow("0") << "0" << -1;
        QTest::newRow("-3") << "-3" << -1;
        QTest::newRow("101") << "101" << -1;
        QTest::newRow("100") << "100" << 100;
        QTest::newRow("2.5") << "2.5" << 2;
        QTest::newRow("3.5") << "3.5" << 4;
        QTest::newRow("0.4") << "0.4" << 0;
        QTest::newRow("ok") << "ok" << -1;
        QTest::newRow("empty") << "" << -1;
    }
    void mailboxPosts()
    {
        QFETCH(QString, post);
        QFETCH(int, entry);
        ConteggioColpi tally;
        QCOMPARE(tally.post(post), entry >= 0);
        QCOMPARE(tally.post(post), entry >= 0); // the same post twice counts twice
        for (int i = 0; i <= ConteggioColpi::Last; ++i)
            QCOMPARE(tally.entry(i), i == entry ? 2 : 0);
        tally.clear();
        QCOMPARE(tally.entry(entry >= 0 ? entry : 0), 0);
    }

    void proposalCheckAndCounters()
    {
        const auto check = [](const char* proposal, double sent) {
            const zt::ProposalCheck c = zt::checkProposal(QString::fromLatin1(proposal), sent);
            return QStringLiteral("%1/%2").arg(c.hits).arg(c.numbers);
        };
        QCOMPARE(check("32, 0, 15,", 0) + check("32, 0, 15,", 7), QString("1/30/3"));
        QCOMPARE(check("08, 23, 30,", 8) + check("5, 12, 5,", 5) + check("", 0),
                 QString("1/32/30/0"));

        QCOMPARE(zt::addToCounterText(u"17", 3), QString("20"));
        QCOMPARE(zt::addToCounterText(u" 4 ", 0), QString("4"));
        QCOMPARE(zt::addToCounterText(u"2.5", 1), QString("3.5"));
        for (const char* bad : {"", "abc", "5x", "2,5", " "})
            QVERIFY2(!zt::addToCounterText(QString::fromLatin1(bad), 1), bad);
    }

    void replayRules()
    {
        const std::pair<const char*, int> counts[] = {{"", 0},     {"3", 3},      {" 12 ", 12},
                                                      {"2.5", 2},  {"-4", 0},     {"5x", -1},
                                                      {"2,5", -1}, {"cinque", -1}};
        for (auto [text, count] : counts)
            QCOMPARE(zt::goRunCount(QString::fromLatin1(text)).value_or(-1), count);

        for (int i = 0; i < 2000; ++i) {
            const int n = zt::drawRandomNumber();
            QVERIFY(n >= 1 && n <= 36);
        }

        // Events are due on the 1st, 12th, 23rd ... step.
        zt::EventPacing pacing;
        QString due;
        for (int i = 1; i <= 23; ++i)
            due += pacing.step() ? QChar('x') : QChar('.');
        QCOMPARE(due, QString("x..........x..........x"));
    }

    void reportLayout()
    {
        ConteggioColpi tally;
        // Run rows, replayed rows, attempt lines, maximum, verified, detail.
        zt::ReportInputs in{"0", "0", false, "10", "0", {}};
        const QByteArray plain = crlf("Orba\n\n\n\n\n\nFallite: 0\n\n\nTotale:0\n\n\n"
                                      "dettaglio colpi:\n\n");
        QCOMPARE(zt::reportBytes(in, tally), plain);

        // A run length above 0 adds the "Boules:" line; the attempt lines come
        // with the progression option, one per attempt up to the maximum.
        in = {"25", "25", true, "3", "12", " 4,  F, 2- 3, "};
        for (const char* post : {" 4", " 4", "F", " 2"})
            tally.post(QString::fromLatin1(post));
        QCOMPARE(zt::reportBytes(in, tally),
                 crlf("Orba\n\nBoules:25\n\n\n\n"
                      "Uscite al: 1\xB0 colpo n\xB0: 0\n"
                      "Uscite al: 2\xB0 colpo n\xB0: 1\n"
                      "Uscite al: 3\xB0 colpo n\xB0: 0\n"
                      "\nFallite: 1\n\n\nTotale:12\n\n\ndettaglio colpi:\n 4,  F, 2- 3, \n"));

        const auto attemptLines = [&](const char* max) {
            in.maxAttempts = max;
            return zt::reportBytes(in, tally).count("Uscite al:");
        };
        QCOMPARE(attemptLines("10"), 10);
        QCOMPARE(attemptLines("250"), 100); // the tally ends at entry 100
        QCOMPARE(attemptLines("dieci"), 0);
        QCOMPARE(attemptLines("2.5"), 2);
        in.attemptLines = false;
        QCOMPARE(attemptLines("10"), 0);

        // Lines typed into the detail end in CR LF like every other line.
        in.detail = "uno\ndue";
        QVERIFY(zt::reportBytes(in, tally).endsWith("dettaglio colpi:\r\nuno\r\ndue\r\n"));

        // What Windows-1252 cannot hold becomes "?", one for each character.
        in.detail = QStringLiteral("Ω日本 😀 ü€°\x1a ");
        int replaced = -1;
        QVERIFY(zt::reportBytes(in, tally, &replaced).endsWith(":\r\n??? ? \xFC\x80\xB0\x1A \r\n"));
        QCOMPARE(replaced, 4);
    }

    void reportWriting()
    {
        zt::test::FreshDir dir;
        const QString path = dir.file(zt::reportFileName);
        QString error;
        QVERIFY(zt::saveReport(path, "primo", &error));
        QVERIFY(zt::saveReport(path, "secondo", &error));
        QCOMPARE(zt::test::fileBytes(path), QByteArray("secondo"));
        QVERIFY(error.isEmpty());

        // A report nobody may write stays as it is, also for an administrator.
        const auto anyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
        QVERIFY(
            QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        QVERIFY(!zt::saveReport(path, "terzo", &error));
        QCOMPARE(zt::test::fileBytes(path), QByteArray("secondo"));
        QVERIFY(!(QFile::permissions(path) & anyWrite));
        QCOMPARE(error, "Impossibile scrivere il rapporto " + path +
                            ": il file è in sola lettura e non è stato modificato.");

        // The cause in Italian; the system's own words only beside a generic one.
        QVERIFY(!zt::saveReport(dir.file("manca/Statistica.txt"), "quarto", &error));
        QVERIFY2(error.endsWith(": la cartella " + dir.file("manca") + " non esiste."), qPrintable(error));
        const QString fresh = dir.file("nuovo.txt");
        QCOMPARE(zt::writeProblem(fresh, ENOSPC, "No space left"), "il disco è pieno");
        QCOMPARE(zt::writeProblem(fresh, EACCES, "Permission denied"),
                 "non si ha il permesso di scrivere nella cartella " + dir.path());
        QCOMPARE(zt::writeProblem(fresh, EIO, {}), "errore imprevisto del sistema");
    }
};

ZT_TEST_MAIN(VerificationTest)
#include "tst_verification.moc"
