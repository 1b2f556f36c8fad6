// The plain rules: numbers read out of texts, number lists, the association
// tables and the proposals made of them, the keypad layouts and the history.
// Arbitrary texts are the fuzz targets' work (fuzz/); these are the forms
// that matter.

#include "core/associations.h"
#include "core/history.h"
#include "core/keypadlayout.h"
#include "core/numberlist.h"
#include "core/proposals.h"
#include "core/replay.h"
#include "core/tally.h"
#include "core/wheellayout.h"
#include "testsupport.h"

namespace {
zt::History withSpins(std::initializer_list<int> spins, int size = zt::History::DefaultSize)
{
    zt::History h(size);
    for (int n : spins)
        h.push(n);
    return h;
}
} // namespace

class RulesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A text read as a number, as a whole number, as the rows of "GO", as a
    // counter plus one and as a history size.
    void numbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("read");
        // clang-format off
        QTest::newRow("plain") << "17" << "17 whole 17 18 17";
        QTest::newRow("trailing text") << "5x" << "5 - none - 5";
        QTest::newRow("half to even") << "2.5" << "2.5 whole 2 3.5 2";
        QTest::newRow("half up to even") << "3.5" << "3.5 whole 4 4.5 4";
        QTest::newRow("comma") << "2,5" << "2 - none - 2";
        QTest::newRow("negative") << "-4" << "-4 whole 0 -3 1";
        QTest::newRow("line end") << "17\r\n" << "17 whole 17 18 17";
        QTest::newRow("huge") << "9999" << "9999 whole 9999 10000 500";
        QTest::newRow("word") << "ok" << "0 - none - 1";
        QTest::newRow("empty") << "" << "0 - 0 - 1";
        // clang-format on
    }
    void numbers()
    {
        QFETCH(QString, text);
        QFETCH(QString, read);
        const auto run = zt::goRunCount(text);
        QCOMPARE(QStringList({QString::number(zt::leadingNumber(text)),
                              zt::isWholeNumberText(text) ? "whole" : "-",
                              run ? QString::number(*run) : "none",
                              zt::addToCounterText(text, 1).value_or("-"),
                              QString::number(zt::History::sizeFromText(text))})
                     .join(u' '),
                 read);
    }

    // A list is read by position; the merge sorts and keeps distinct numbers;
    // the keypad paints the numbers 1..36 of a list.
    void lists_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("read"); // items | merged | painted
        // clang-format off
        QTest::newRow("proposal") << "17, 25, 34," << "17 25 34|17, 25, 34, |17, 25, 34, ";
        QTest::newRow("leading zeros") << "00, 26, 08," << "0 26 8|0, 8, 26, |8, 26, ";
        QTest::newRow("repeats") << "17, 5, 0, 17, 5," << "17 5 0 17 5|0, 5, 17, |5, 17, ";
        QTest::newRow("no blanks") << "17,25,34," << "17 5 4|4, 5, 17, |4, 5, 17, ";
        QTest::newRow("off the wheel") << "99, 37, -5, ab, 17," << "99 37 -5 0 17|-5, 0, 17, 37, 99, |17, ";
        QTest::newRow("only zeros") << "0, 00, 0," << "0 0 0||";
        // clang-format on
    }
    void lists()
    {
        QFETCH(QString, list);
        QFETCH(QString, read);
        QStringList items;
        zt::forEachListItem(list, [&](double v) { items << QString::number(v); });
        const QString painted = zt::numberListText(zt::highlightedNumbers(list));
        int count = -1;
        zt::UnisciNumeri(list, count);
        QCOMPARE(items.join(u' ') + u'|' + list + u'|' + painted, read);
        QCOMPARE(count, int(list.count(u',')));
    }

    void tablesAndProposals()
    {
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
        QString kept = QStringLiteral("kept"); // numbers without a row leave the text alone
        for (int n : {-1, 0, 1, 37})
            zt::AssociatiTre(kept, n), zt::AssociatiDue(kept, n < 0 ? n : 37 + n);
        QCOMPARE(kept, "kept");
        // The proposals are the merge of the joined rows and numbers.
        for (int a = 0; a <= 36; ++a) {
            QString joined;
            int count = 0;
            zt::AssociatiDue(joined, a);
            joined += QStringLiteral(" %1,").arg(a);
            zt::UnisciNumeri(joined, count);
            QCOMPARE(zt::zentrimaProposalFor(a), joined);
            for (int b = 0; b <= 36; ++b) {
                QString tre; // b without a row repeats the row of a
                zt::AssociatiTre(tre, a);
                joined = tre + u' ';
                zt::AssociatiTre(tre, b);
                joined += tre + QStringLiteral(" %1, %2,").arg(a).arg(b);
                zt::UnisciNumeri(joined, count);
                int made = -1;
                QCOMPARE(zt::quorixProposalFor(a, b, made), count > 7 ? joined : QString());
                QCOMPARE(made, count > 7 ? count : -1);
            }
        }
        // The keypad: the inverted layout turned round, the wheel's reds.
        using namespace zt::keypad;
        for (int i = 1; i <= numberButtons; ++i) {
            QCOMPARE(numberAt(Layout::Inverted, i), numberAt(Layout::Design, 37 - i));
            QCOMPARE(isRed(i), zt::wheel::pocketColor(zt::wheel::positionOf(i)) == zt::wheel::kRed);
        }
    }

    void history()
    {
        QCOMPARE(withSpins({5, 17, 32}).text(), " 3:  32\r\n 2:  17\r\n 1:  5\r\n");
        zt::History h = withSpins({1, 2, 3, 4, 5});
        h.setSize(2); // the newest spins stay
        h.dropOldest();
        h.push(-3);
        QCOMPARE(h.text(), " 2: -3\r\n 1:  5\r\n");
        zt::History big(500); // a full history slides; the largest stays inside the table
        for (int i = 0; i < 1200; ++i)
            big.push(i % 37);
        QVERIFY(big.count() == 500 && big.at(0) == 700 % 37 && big.newest() == 1199 % 37);
        // Hot numbers: ties go to the lowest; before 36 spins each window covers
        // the whole history (from then on its last spins: the Quorix script).
        QCOMPARE(withSpins({}).hotNumber(24) + withSpins({30, 7, 30, 7}).hotNumber(8), 7);
        const zt::History young = withSpins({3, 3, 3, 20, 21, 22, 23, 24, 25, 26, 22, 22});
        QCOMPARE(young.hotNumber(8) + young.hotNumber(24), 6);
    }
};

ZT_TEST_MAIN(RulesTest)
#include "tst_rules.moc"
