#include "core/textrules.h"
#include "core/plainboard.h"
#include "core/proposals.h"
#include "reportrecorder.h"
#include "testsupport.h"

#include <random>

namespace {
void spins(zt::PlainBoard& b, std::initializer_list<int> numbers)
{
    for (int n : numbers)
        b.spin(n);
}

// The yellow numbers, as the proposal text that lists them.
QString yellow(const zt::PlainBoard& b)
{
    return zt::numberListText(b.yellow);
}
} // namespace

class SpinEntryTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void defaultMode()
    {
        zt::PlainBoard b;
        b.spin(17);
        QCOMPARE(b.row.note, QStringLiteral("14, 20, 31,"));
        QCOMPARE(yellow(b), QStringLiteral("14, 20, 31, "));
        spins(b, {5, 32});
        QCOMPARE(b.row.note + b.row.firstDelay, QStringLiteral("14, 20, 31, 2"));

        zt::PlainBoard f;
        spins(f, {0, 1}); // no row
        f.filter = QStringLiteral("17");
        spins(f, {5, 2, 36});
        QCOMPARE(f.row.note, QString());
        f.spin(17);
        QCOMPARE(f.row.note, QStringLiteral("14, 20, 31,"));
        f.row.note = QStringLiteral("9, 10,"); // a proposal blocks a new one
        f.spin(17);
        QCOMPARE(f.row.note, QStringLiteral("9, 10,"));
    }

    void associationModes()
    {
        zt::PlainBoard z; // the sixth spin makes the first proposal, without a count
        z.zentrima = true;
        spins(z, {10, 20, 30, 4, 5});
        QCOMPARE(z.row.note, QString());
        z.spin(6);
        QCOMPARE(z.row.note + z.row.count, QStringLiteral("6, 17, 34,  0"));

        zt::PlainBoard q;
        q.quorix = true;
        for (int n : {0, 0, 0, 0,  0,  0,  0,  0,  0,  0,  0,  0,  5,  5,  5,  5,  5,  5,
                      7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 22, 22, 22, 23, 24, 25, 26, 27}) {
            QCOMPARE(q.row.note, QString()); // before 36 spins: never eight numbers
            q.spin(n);
        }
        QCOMPARE(q.row.note, QStringLiteral("1, 5, 11, 13, 14, 20, 22, 36, "));
        QCOMPARE(q.row.count, QStringLiteral("8"));

        // The proposals are the merge of their joined rows, for every pair.
        for (int h24 = 0; h24 <= 36; ++h24) {
            for (int h8 = 0; h8 <= 36; ++h8) {
                QString row;
                zt::AssociatiTre(row, h24);
                QString joined = row + u' ';
                zt::AssociatiTre(row, h8);
                joined += row + QStringLiteral(" %1, %2,").arg(h24).arg(h8);
                int expected = 0, count = -1;
                zt::UnisciNumeri(joined, expected);
                const QString proposal = zt::quorixProposalFor(h24, h8, count);
                QCOMPARE(proposal, expected > 7 ? joined : QString());
                QVERIFY(proposal.isEmpty() || count == expected);
            }
            QString due;
            zt::AssociatiDue(due, h24);
            due += QStringLiteral(" %1,").arg(h24);
            int count = 0;
            zt::UnisciNumeri(due, count);
            QCOMPARE(zt::zentrimaProposalFor(h24), due);
        }
    }

    void correctionsAndRowClear()
    {
        zt::PlainBoard b;
        zt::dropNewestSpin(b, b.history); // nothing on an empty history
        zt::dropOldestSpin(b, b.history);
        spins(b, {5, 17, 32});
        const QString note = b.row.note;
        zt::dropNewestSpin(b, b.history);
        QCOMPARE(b.historyText + b.lastNumber, QStringLiteral(" 2:  17\r\n 1:  5\r\n17"));
        spins(b, {32});
        zt::dropOldestSpin(b, b.history);
        QCOMPARE(b.historyText + b.lastNumber, QStringLiteral(" 2:  32\r\n 1:  17\r\n32"));
        QCOMPARE(b.row.note, note);
        zt::dropNewestSpin(b, b.history);
        zt::dropNewestSpin(b, b.history);
        QCOMPARE(b.historyText + b.lastNumber, QStringLiteral("17")); // the label is kept

        b.strings.checkSecond = true;
        b.row = {};
        spins(b, {2, 25, 3});
        QVERIFY(b.row.red);
        zt::clearStringRow(b, 0);
        QVERIFY(!b.row.red);
        QCOMPARE(b.row.note + b.row.firstDelay + b.row.secondDelay + b.row.count,
                 QStringLiteral("000"));
        QCOMPARE(b.history.count(), 3);
    }

    void lockKeepsTheNumbers()
    {
        zt::PlainBoard b;
        b.lock = true;
        b.row.note = QStringLiteral("17, 25, 34,");
        spins(b, {3, 25});
        QCOMPARE(b.row.note + b.row.firstDelay, QStringLiteral("17, 25, 34,0"));
        b.spin(3);
        QCOMPARE(b.row.firstDelay, QStringLiteral(" 1"));
        // Anything typed under the lock: no fault, readable numbers still count.
        b.row.note = QStringLiteral("abc,17,,x 25, ") + QString(50000, QLatin1Char('9'));
        b.spin(12);
        QCOMPARE(b.row.firstDelay, QStringLiteral(" 2"));
        b.row.note = QStringLiteral("xx, 25, zz,");
        b.spin(25);
        QCOMPARE(b.row.firstDelay + yellow(b), QStringLiteral("025, "));
    }

    void resetRequestedMidSpinEmptiesTheHistoryTheSpinGoesOnWith()
    {
        zt::test::ReportRecorder report;
        zt::PlainBoard b;
        b.reportTarget = &report;
        b.strings.resetAfter = true;
        b.filter = QStringLiteral("1");
        spins(b, {3, 4});
        b.filter = QStringLiteral("Tutti");
        b.row.note = QStringLiteral("17, 25, 34,");
        b.spin(25);
        QCOMPARE(b.resets, 1);
        QCOMPARE(report.calls, (QStringList{"detail: 1, ", "post: 1", "Text16"}));
        QCOMPARE(b.history.count(), 0);
        QCOMPARE(b.historyText, QString());
        // The default mode then proposes the row of 25 into the emptied board.
        QCOMPARE(b.row.note + b.row.firstDelay, QStringLiteral("28, 7, 12,0"));
        QCOMPARE(yellow(b), QStringLiteral("7, 12, 28, "));
        b.spin(9);
        QCOMPARE(b.historyText, QStringLiteral(" 1:  9\r\n"));
    }

    void bridgeTexts()
    {
        zt::PlainBoard b;
        const std::pair<const char*, int> cases[] = {
            {"17", 17}, {"0", 0}, {"", 0}, {"37", 0}, {"word", 0}, {"17.5", 0}, {" 5\r\n", 5}};
        for (auto [text, number] : cases) {
            QVERIFY(zt::enterBridgeSpin(b, b.history, QString::fromLatin1(text)));
            QCOMPARE(b.history.newest(), number);
        }
        QVERIFY(!zt::enterBridgeSpin(b, b.history, u"ok"));
        QCOMPARE(b.history.count(), 7);
        // The turned keypad: 34 is the first button, and highlighting follows the numbers.
        b.invertKeypad();
        QCOMPARE(zt::bridgeButton(b, u"34"), 1);
        b.click(1);
        QCOMPARE(b.history.newest(), 34);
        b.row.note = QStringLiteral("3, 34, 0,");
        zt::EvidenziaTastiera(b);
        QCOMPARE(yellow(b), QStringLiteral("3, 34, "));
        b.row.note.clear();
        zt::EvidenziaTastiera(b); // nothing to paint: the keypad is left alone
        QCOMPARE(yellow(b), QStringLiteral("3, 34, "));
    }

    void randomSpinsKeepTheBoardConsistent()
    {
        zt::test::ReportRecorder report;
        std::mt19937 rng(2024);
        zt::PlainBoard b;
        b.reportTarget = &report;
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
        }
        QVERIFY(b.resets > 0 && report.calls.count(QStringLiteral("Text16")) > 100);
    }
};

ZT_TEST_MAIN(SpinEntryTest)
#include "tst_spinentry.moc"
