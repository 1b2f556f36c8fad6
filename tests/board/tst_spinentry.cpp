#include "app/textrules.h"
#include "board/plainboard.h"
#include "board/proposals.h"
#include "reportrecorder.h"
#include "testsupport.h"

#include <random>

namespace {
void spins(zt::PlainBoard& b, std::initializer_list<int> numbers)
{
    for (int n : numbers)
        b.spin(n);
}

QList<int> numbers(zt::NumberSet set)
{
    QList<int> out;
    for (int n = 0; n < 64; ++n)
        if (set.contains(n))
            out << n;
    return out;
}
} // namespace

class SpinEntryTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void firstSpinsShowHistoryAndDefaultProposal()
    {
        zt::PlainBoard b;
        b.spin(17);
        QCOMPARE(zt::lastNumberCaption(b.lastNumber), QStringLiteral("Ultimo: 17"));
        QCOMPARE(b.historyText, QStringLiteral(" 1:  17\r\n"));
        QCOMPARE(b.row.note, QStringLiteral("14, 20, 31,"));
        QCOMPARE(numbers(b.yellow), (QList<int>{14, 20, 31}));
        spins(b, {5, 32});
        QCOMPARE(b.historyText, QStringLiteral(" 3:  32\r\n 2:  5\r\n 1:  17\r\n"));
        // The proposal stays while it is followed.
        QCOMPARE(b.row.note, QStringLiteral("14, 20, 31,"));
        QCOMPARE(b.row.firstDelay, QStringLiteral(" 2"));
        // Highlighting off: the keypad keeps its colours.
        b.strings.highlight = false;
        b.yellow = {};
        b.spin(3);
        QVERIFY(b.yellow.isEmpty());
    }

    void defaultModeFilter()
    {
        zt::PlainBoard b;
        spins(b, {0, 1});
        QCOMPARE(b.row.note, QString());
        QVERIFY(b.yellow.isEmpty());
        b.filter = QStringLiteral("17");
        spins(b, {5, 2, 36});
        QCOMPARE(b.row.note, QString());
        b.spin(17);
        QCOMPARE(b.row.note, QStringLiteral("14, 20, 31,"));
        // An existing proposal blocks a new one.
        b.row.note = QStringLiteral("9, 10,");
        b.spin(17);
        QCOMPARE(b.row.note, QStringLiteral("9, 10,"));
    }

    void zentrimaMode()
    {
        zt::PlainBoard b;
        b.zentrima = true;
        spins(b, {10, 20, 30, 4, 5});
        QCOMPARE(b.row.note, QString());
        b.spin(6);
        QCOMPARE(b.row.note, QStringLiteral("6, 17, 34, "));
        QCOMPARE(b.row.count, QStringLiteral(" 0"));
        QCOMPARE(numbers(b.yellow), (QList<int>{6, 17, 34}));
    }

    void quorixMode()
    {
        zt::PlainBoard b;
        b.quorix = true;
        for (int i = 0; i < 12; ++i)
            b.spin(0);
        const int last24[] = {5,  5,  5,  5,  5,  5,  7,  8,  9,  10, 11, 12,
                              13, 14, 15, 16, 22, 22, 22, 23, 24, 25, 26, 27};
        for (int n : last24) {
            QCOMPARE(b.row.note, QString()); // before 36 spins: never eight numbers
            b.spin(n);
        }
        QCOMPARE(b.history.count(), 36);
        QCOMPARE(b.row.note, QStringLiteral("1, 5, 11, 13, 14, 20, 22, 36, "));
        QCOMPARE(b.row.count, QStringLiteral("8"));
        // The same hot number in both windows: fewer than eight numbers, no proposal.
        zt::PlainBoard same;
        same.quorix = true;
        for (int i = 0; i < 40; ++i)
            same.spin(i % 2 ? 9 : 9 + i % 7);
        QCOMPARE(same.row.note, QString());
    }

    void proposalsAreTheMergeOfTheirJoinedRows()
    {
        for (int h24 = 0; h24 <= 36; ++h24) {
            for (int h8 = 0; h8 <= 36; ++h8) {
                QString row;
                zt::AssociatiTre(row, h24);
                const QString t1 = row;
                zt::AssociatiTre(row, h8);
                QString joined = t1 + u' ' + row + u' ' + QString::number(h24) +
                                 QLatin1String(", ") + QString::number(h8) + u',';
                int expectedCount = 0;
                zt::UnisciNumeri(joined, expectedCount);
                int count = -1;
                const QString proposal = zt::quorixProposalFor(h24, h8, count);
                QCOMPARE(proposal, expectedCount > 7 ? joined : QString());
                if (!proposal.isEmpty())
                    QCOMPARE(count, expectedCount);
            }
            QString due;
            zt::AssociatiDue(due, h24);
            due += u' ' + QString::number(h24) + u',';
            int count = 0;
            zt::UnisciNumeri(due, count);
            QCOMPARE(zt::zentrimaProposalFor(h24), due);
        }
    }

    void fullHistoryAndRecording()
    {
        zt::PlainBoard b;
        b.filter = QStringLiteral("1");
        b.record = true;
        b.spin(7);
        QCOMPARE(b.lastRecord.number, QStringLiteral(" 7"));
        QCOMPARE(b.lastRecord.type, QString());
        QCOMPARE(b.lastRecord.memory, QStringLiteral(" 1"));
        for (int i = 2; i <= 36; ++i)
            b.spin(i);
        QCOMPARE(b.historyText.count(QLatin1String("\r\n")), 36);
        QVERIFY(b.historyText.startsWith(QLatin1String(" 36:  36\r\n")));
        QVERIFY(b.historyText.endsWith(QLatin1String(" 1:  7\r\n")));
        b.gameType = QStringLiteral("Live");
        b.spin(0);
        QCOMPARE(b.lastRecord.memory, QStringLiteral(" 37"));
        QCOMPARE(b.lastRecord.type, QStringLiteral("1"));
        QCOMPARE(b.recordedSpins, 37);
        QCOMPARE(b.historyText.count(QLatin1String("\r\n")), 36);
        QVERIFY(b.historyText.startsWith(QLatin1String(" 36:  0\r\n")));
        QVERIFY(b.historyText.endsWith(QLatin1String(" 1:  2\r\n")));
        QCOMPARE(zt::spinRecord(u"3", u"Spin", 0).type, QStringLiteral("2"));
    }

    void corrections()
    {
        zt::PlainBoard b;
        spins(b, {5, 17, 32});
        zt::dropNewestSpin(b, b.history);
        QCOMPARE(b.historyText, QStringLiteral(" 2:  17\r\n 1:  5\r\n"));
        QCOMPARE(b.lastNumber, QStringLiteral("17"));
        zt::PlainBoard p;
        spins(p, {5, 17, 32});
        const QString note = p.row.note;
        zt::dropOldestSpin(p, p.history);
        QCOMPARE(p.historyText, QStringLiteral(" 2:  32\r\n 1:  17\r\n"));
        QCOMPARE(p.lastNumber, QStringLiteral("32"));
        QCOMPARE(p.row.note, note);
        zt::PlainBoard one;
        one.spin(9);
        zt::dropNewestSpin(one, one.history);
        QCOMPARE(one.historyText, QString());
        QCOMPARE(one.lastNumber, QStringLiteral("9"));
        zt::dropNewestSpin(one, one.history);
        zt::dropOldestSpin(one, one.history);
        QCOMPARE(one.history.count(), 0);
    }

    void resetAndRowButton()
    {
        zt::PlainBoard b;
        b.strings.checkSecond = true;
        spins(b, {2, 25, 3});
        QVERIFY(b.row.red);
        zt::clearStringRow(b, 0);
        QCOMPARE(b.row.note, QString());
        QVERIFY(!b.row.red);
        QCOMPARE(b.row.firstDelay + b.row.secondDelay + b.row.count, QStringLiteral("000"));
        QCOMPARE(b.history.count(), 3);
        spins(b, {2});
        zt::resetBoard(b, b.history);
        QCOMPARE(b.history.count(), 0);
        QCOMPARE(b.historyText, QString());
        QCOMPARE(b.row.note, QString());
        QVERIFY(b.yellow.isEmpty());
        QCOMPARE(b.lastNumber, QStringLiteral("2"));
    }

    void lockKeepsTheNumbers()
    {
        zt::PlainBoard b;
        b.lock = true;
        b.row.note = QStringLiteral("17, 25, 34,");
        b.spin(3);
        b.spin(25);
        QCOMPARE(b.row.note, QStringLiteral("17, 25, 34,"));
        QCOMPARE(b.row.firstDelay, QStringLiteral("0"));
        b.spin(3);
        QCOMPARE(b.row.firstDelay, QStringLiteral(" 1"));
        // Anything typed under the lock: no fault, readable numbers still count.
        b.row.note = QStringLiteral("abc,17,,x 25, ") + QString(50000, QLatin1Char('9'));
        b.spin(12);
        QCOMPARE(b.row.firstDelay, QStringLiteral(" 2"));
        b.row.note = QStringLiteral("xx, 25, zz,");
        b.spin(25);
        QCOMPARE(b.row.firstDelay, QStringLiteral("0"));
        QCOMPARE(numbers(b.yellow), QList<int>{25});
    }

    void resetRequestedMidSpinEmptiesTheHistoryTheSpinGoesOnWith()
    {
        zt::test::ReportRecorder report;
        zt::PlainBoard b;
        b.strings.resetAfter = true;
        b.filter = QStringLiteral("1");
        spins(b, {3, 4});
        b.filter = QStringLiteral("Tutti");
        b.row.note = QStringLiteral("17, 25, 34,");
        b.spin(25);
        QCOMPARE(b.resets, 1);
        QCOMPARE(report.detail, QStringLiteral(" 1, "));
        QCOMPARE(b.history.count(), 0);
        QCOMPARE(b.historyText, QString());
        // The default mode then proposes the row of 25 into the emptied board.
        QCOMPARE(b.row.note, QStringLiteral("28, 7, 12,"));
        QCOMPARE(b.row.firstDelay, QStringLiteral("0"));
        QCOMPARE(numbers(b.yellow), (QList<int>{7, 12, 28}));
        b.spin(9);
        QCOMPARE(b.historyText, QStringLiteral(" 1:  9\r\n"));
    }

    void bridgeTexts()
    {
        zt::PlainBoard b;
        b.filter = QStringLiteral("1");
        const std::pair<const char*, int> cases[] = {{"17", 17},    {"0", 0},    {"", 0},
                                                     {"37", 0},     {"word", 0}, {"17.5", 0},
                                                     {" 5\r\n", 5}, {"-3", 0}};
        for (auto [text, number] : cases) {
            QVERIFY(zt::enterBridgeSpin(b, b.history, QString::fromLatin1(text)));
            QCOMPARE(b.history.newest(), number);
        }
        const int count = b.history.count();
        QVERIFY(!zt::enterBridgeSpin(b, b.history, u"ok"));
        QCOMPARE(b.history.count(), count);
        // The turned keypad: 34 is now the first button.
        b.invertKeypad();
        QCOMPARE(zt::bridgeButton(b, u"34"), 1);
        b.click(1);
        QCOMPARE(b.history.newest(), 34);
        b.row.note = QStringLiteral("3, 34, 0,");
        zt::EvidenziaTastiera(b);
        QCOMPARE(numbers(b.yellow), (QList<int>{3, 34}));
        b.row.note.clear();
        zt::EvidenziaTastiera(b);
        QCOMPARE(numbers(b.yellow), (QList<int>{3, 34}));
    }

    void randomSpinsKeepTheBoardConsistent()
    {
        zt::test::ReportRecorder report;
        std::mt19937 rng(2024);
        zt::PlainBoard b;
        int lastCount = 0;
        for (int i = 0; i < 20000; ++i) {
            if (rng() % 50 == 0) {
                const int mode = int(rng() % 3);
                b.quorix = mode == 1;
                b.zentrima = mode == 2;
                b.lock = rng() % 4 == 0;
                b.strings.highlight = rng() % 5 != 0;
                b.strings.checkFirst = rng() % 6 != 0;
                b.strings.checkSecond = rng() % 2;
                b.strings.resetAfter = rng() % 5 == 0;
                b.strings.maxDelay = double(rng() % 14);
                b.filter = rng() % 2 ? QStringLiteral("Tutti") : QString::number(rng() % 37);
                if (b.lock && rng() % 2)
                    b.row.note = QStringLiteral("7,x, 30,") + QString(int(rng() % 3000), u'3');
            }
            if (rng() % 200 == 0)
                zt::dropNewestSpin(b, b.history);
            if (rng() % 200 == 0)
                zt::dropOldestSpin(b, b.history);
            if (rng() % 300 == 0)
                b.invertKeypad();
            const int resets = b.resets;
            const int before = b.history.count();
            b.spin(int(rng() % 37));
            const int count = b.history.count();
            QVERIFY(count >= 0 && count <= b.history.size());
            QVERIFY(b.resets > resets ? count == 0 : count == std::min(before + 1, 36));
            QCOMPARE(int(b.historyText.count(QLatin1String("\r\n"))), count);
            if (b.row.note.isEmpty())
                QVERIFY(b.yellow.isEmpty());
            else if (b.strings.highlight)
                QCOMPARE(b.yellow, zt::highlightedNumbers(b.row.note));
            // A followed string never shows a delay beyond the maximum.
            if (b.strings.checkFirst && !b.row.note.isEmpty()) {
                const QString& delay = b.row.red ? b.row.secondDelay : b.row.firstDelay;
                QVERIFY(zt::leadingNumber(delay) < std::max(1.0, b.strings.maxDelay));
            }
            lastCount = count;
        }
        QVERIFY(lastCount > 0 || b.resets > 0);
        QVERIFY(!report.posts.isEmpty());
    }
};

ZT_TEST_MAIN(SpinEntryTest)
#include "tst_spinentry.moc"
