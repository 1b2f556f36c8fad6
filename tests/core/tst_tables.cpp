// The fixed tables of the game: the association rows and the proposals made
// of them, the keypad layouts, and the history table with its hot numbers.

#include "core/associations.h"
#include "core/history.h"
#include "core/keypadlayout.h"
#include "core/proposals.h"
#include "core/wheellayout.h"
#include "testsupport.h"

#include <set>

namespace {
QString row(void (*lookup)(QString&, int), int n)
{
    QString out = QStringLiteral("kept");
    lookup(out, n);
    return out;
}

zt::History withSpins(std::initializer_list<int> spins, int size = zt::History::DefaultSize)
{
    zt::History h(size);
    for (int n : spins)
        h.push(n);
    return h;
}
} // namespace

class TablesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void associationRowsAndProposals()
    {
        QCOMPARE(row(zt::AssociatiTre, 6) + row(zt::AssociatiDue, 10), "08, 23, 30,5, 23,");
        QCOMPARE(row(zt::AssociatiTre, 1) + row(zt::AssociatiTre, 37) + row(zt::AssociatiDue, -1),
                 "keptkeptkept");
        // Each table folded into one figure, taken once from the published
        // tables: a swapped, lost or mistyped row changes it.
        const auto fold = [](void (*lookup)(QString&, int)) {
            quint32 h = 0;
            for (int n = 0; n <= 36; ++n) {
                QString text;
                lookup(text, n);
                for (QChar ch : text + u'|')
                    h = h * 31 + ch.unicode();
            }
            return h;
        };
        QCOMPARE(fold(zt::AssociatiTre), 806226310u);
        QCOMPARE(fold(zt::AssociatiDue), 185216102u);
        // The proposals are the merge of the joined rows and numbers.
        for (int a = 0; a <= 36; ++a) {
            QCOMPARE(zt::treNumbers(a).size() + zt::dueNumbers(a).size(), a < 2 ? 2 : 5);
            QString joined = row(zt::AssociatiDue, a) + QStringLiteral(" %1,").arg(a);
            int count = 0;
            zt::UnisciNumeri(joined, count);
            QCOMPARE(zt::zentrimaProposalFor(a), joined);
            for (int b = 0; b <= 36; ++b) {
                QString rows;
                zt::AssociatiTre(rows, a);
                joined = rows + u' ';
                zt::AssociatiTre(rows, b);
                joined += rows + QStringLiteral(" %1, %2,").arg(a).arg(b);
                zt::UnisciNumeri(joined, count);
                int made = -1;
                QCOMPARE(zt::quorixProposalFor(a, b, made), count > 7 ? joined : QString());
                QCOMPARE(made, count > 7 ? count : -1);
            }
        }
        QCOMPARE(zt::defaultProposal(17, u"Tutti") + zt::defaultProposal(17, u"17") +
                     zt::defaultProposal(5, u"17"),
                 "14, 20, 31,14, 20, 31,");
    }

    void keypadLayouts()
    {
        using namespace zt::keypad;
        // Corners and a row start; the inverted layout is the design turned round.
        QCOMPARE(QString("%1 %2 %3 %4").arg(numberAt(Layout::Design, 1)).arg(numberAt(Layout::Design, 12))
                     .arg(numberAt(Layout::Design, 13)).arg(numberAt(Layout::Design, 36)),
                 "3 36 2 34");
        std::set<int> shown;
        for (int i = 1; i <= numberButtons; ++i) {
            shown.insert(numberAt(Layout::Design, i));
            QCOMPARE(numberAt(Layout::Inverted, i), numberAt(Layout::Design, 37 - i));
            // The keypad's reds are the wheel's.
            QCOMPARE(isRed(i), zt::wheel::pocketColor(zt::wheel::positionOf(i)) == zt::wheel::kRed);
        }
        QVERIFY(shown.size() == 36 && *shown.begin() == 1);
        QCOMPARE(numberColor(0), zt::rgb(0, 192, 0));
        QCOMPARE(colorAt(Layout::Inverted, 2), black); // 31
        QCOMPARE(buttonTwips(36), QRect(6720, 1320, 495, 495));
        QCOMPARE(buttonTwips(0), QRect(150, 600, 375, 735));
    }

    void history()
    {
        QCOMPARE(withSpins({5, 17, 32}).text(), " 3:  32\r\n 2:  17\r\n 1:  5\r\n");
        zt::History h = withSpins({1, 2, 3, 4, 5});
        h.setSize(2); // the newest spins stay
        h.dropOldest();
        h.push(-3);
        QCOMPARE(h.text(), " 2: -3\r\n 1:  5\r\n");
        h.dropNewest();
        h.clear();
        QVERIFY(h.isEmpty() && h.entries()[0] == 5); // the entries are kept
        // A full history slides; the largest stays inside the table.
        zt::History big(500);
        for (int i = 0; i < 1200; ++i)
            big.push(i % 37);
        QVERIFY(big.count() == 500 && big.at(0) == 700 % 37 && big.newest() == 1199 % 37);

        QCOMPARE(withSpins({}).hotNumber(24), 0);
        QCOMPARE(withSpins({30, 7, 30, 7}).hotNumber(8), 7); // ties: the lowest
        // Before 36 spins each window covers the whole history, from then on its last spins.
        const zt::History young = withSpins({3, 3, 3, 20, 21, 22, 23, 24, 25, 26, 22, 22});
        QCOMPARE(young.hotNumber(8) + young.hotNumber(24), 6);
        const zt::History full =
            withSpins({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 5, 5, 5, 5, 5, 5, 7, 8, 9, 10, 11, 12,
                       13, 14, 15, 16, 22, 22, 22, 23, 24, 25, 26, 27});
        QCOMPARE(full.hotNumber(24) * 100 + full.hotNumber(8), 522);
    }
};

ZT_TEST_MAIN(TablesTest)
#include "tst_tables.moc"
