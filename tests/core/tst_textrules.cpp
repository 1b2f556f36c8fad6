// The rules that read numbers out of the texts the player and other programs
// write, and the texts the program writes back.  Arbitrary texts are the fuzz
// targets' work (fuzz/); these rows are the forms that matter.

#include "core/associations.h"
#include "core/engine.h"
#include "core/history.h"
#include "core/numberlist.h"
#include "core/replay.h"
#include "core/tally.h"
#include "testsupport.h"

class TextRulesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void numbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value"); // its leading number
        QTest::addColumn<bool>("whole");   // the whole text is that number
        QTest::addColumn<int>("run");      // "Colpi:" rows, -1: the run ends
        QTest::addColumn<QString>("plusOne"); // a counter holding it, plus 1
        QTest::addColumn<int>("size");     // a history size holding it
        QTest::newRow("plain") << "17" << 17.0 << true << 17 << "18" << 17;
        QTest::newRow("sign position") << " 7" << 7.0 << true << 7 << "8" << 7;
        QTest::newRow("trailing text") << "5x" << 5.0 << false << -1 << "-" << 5;
        QTest::newRow("half to even") << "2.5" << 2.5 << true << 2 << "3.5" << 2;
        QTest::newRow("half up to even") << "3.5" << 3.5 << true << 4 << "4.5" << 4;
        QTest::newRow("comma") << "2,5" << 2.0 << false << -1 << "-" << 2;
        QTest::newRow("negative") << "-4" << -4.0 << true << 0 << "-3" << 1;
        QTest::newRow("leading zero") << "08" << 8.0 << true << 8 << "9" << 8;
        QTest::newRow("point fraction") << ".4" << 0.4 << true << 0 << "1.4" << 1;
        QTest::newRow("line end") << "17\r\n" << 17.0 << true << 17 << "18" << 17;
        QTest::newRow("huge") << "9999" << 9999.0 << true << 9999 << "10000" << 500;
        QTest::newRow("word") << "ok" << 0.0 << false << -1 << "-" << 1;
        QTest::newRow("empty") << "" << 0.0 << false << 0 << "-" << 1;
    }
    void numbers()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QFETCH(bool, whole);
        QFETCH(int, run);
        QFETCH(QString, plusOne);
        QFETCH(int, size);
        QCOMPARE(zt::leadingNumber(text), value);
        QCOMPARE(zt::isWholeNumberText(text), whole);
        QCOMPARE(zt::goRunCount(text).value_or(-1), run);
        QCOMPARE(zt::addToCounterText(text, 1).value_or("-"), plusOne);
        QCOMPARE(zt::History::sizeFromText(text), size);
    }

    // A list is read by position; the merge sorts and keeps distinct numbers;
    // the keypad paints the numbers 1..36 of a list.
    void lists_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("items");
        QTest::addColumn<QString>("merged");
        QTest::addColumn<QString>("painted");
        const auto row = [](const char* name, const char* list, const char* items,
                            const char* merged, const char* painted) {
            QTest::newRow(name) << list << items << merged << painted;
        };
        row("proposal", "17, 25, 34,", "17 25 34", "17, 25, 34, ", "17, 25, 34, ");
        row("one digit first", " 5, 16, ", "5 16", "5, 16, ", "5, 16, ");
        row("leading zeros", "00, 26, 08,", "0 26 8", "0, 8, 26, ", "8, 26, ");
        row("repeats", "17, 5, 32, 0, 15, 17, 5,", "17 5 32 0 15 17 5", "0, 5, 15, 17, 32, ",
            "5, 15, 17, 32, ");
        row("no blanks", "17,25,34,", "17 5 4", "4, 5, 17, ", "4, 5, 17, ");
        row("off the wheel", "99, 37, -5, ab, 17,", "99 37 -5 0 17", "-5, 0, 17, 37, 99, ",
            "17, ");
        row("only zeros", "0, 00, 0,", "0 0 0", "", "");
        row("empty", "", "", "", "");
    }
    void lists()
    {
        QFETCH(QString, list);
        QFETCH(QString, items);
        QFETCH(QString, merged);
        QFETCH(QString, painted);
        QStringList read;
        zt::forEachListItem(list, [&](double v) { read << QString::number(v); });
        QCOMPARE(read.join(u' '), items);
        QCOMPARE(zt::numberListText(zt::highlightedNumbers(list)), painted);
        int count = -1;
        zt::UnisciNumeri(list, count);
        QCOMPARE(list, merged);
        QCOMPARE(count, int(merged.count(u',')));
    }

    void writtenNumbers()
    {
        QCOMPARE(zt::signText(7) + zt::signText(0) + zt::signText(-3), " 7 0-3");
        QCOMPARE(zt::plainNumberText(2.5) + u'|' + zt::plainNumberText(1e14), "2.5|100000000000000");
        QCOMPARE(zt::delayText(0) + zt::delayText(3) + zt::delayText(250) + zt::delayText(2.5),
                 "0 3 250 2.5");
        QCOMPARE(zt::roundClamped(1e300, 1, 500) + zt::roundClamped(qQNaN(), 1, 500), 501);
    }
};

ZT_TEST_MAIN(TextRulesTest)
#include "tst_textrules.moc"
