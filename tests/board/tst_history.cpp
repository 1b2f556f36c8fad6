#include "board/history.h"
#include "testsupport.h"

namespace {
zt::History withSpins(std::initializer_list<int> spins, int size = 36)
{
    zt::History h(size);
    for (int n : spins)
        h.push(n);
    return h;
}
} // namespace

class HistoryTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sizeIsReadAndKeptWithinTheTable()
    {
        QCOMPARE(zt::History::sizeFromText(u"36"), 36);
        QCOMPARE(zt::History::sizeFromText(u" 2.5"), 2);
        QCOMPARE(zt::History::sizeFromText(u"3.5"), 4);
        QCOMPARE(zt::History::sizeFromText(u"0"), 1);
        QCOMPARE(zt::History::sizeFromText(u"word"), 1);
        QCOMPARE(zt::History::sizeFromText(u"9999"), 500);
        // Shrinking below the count keeps the newest spins.
        zt::History h = withSpins({1, 2, 3, 4, 5});
        h.setSize(2);
        QCOMPARE(h.count(), 2);
        QCOMPARE(h.at(0), 4);
        QCOMPARE(h.newest(), 5);
        h.push(6);
        QCOMPARE(h.count(), 2);
        QCOMPARE(h.at(0), 5);
    }

    void textListsNewestFirstAndSlidesWhenFull()
    {
        QCOMPARE(withSpins({}).text(), QString());
        QCOMPARE(withSpins({17}).text(), QStringLiteral(" 1:  17\r\n"));
        QCOMPARE(withSpins({5, 17, 32}).text(), QStringLiteral(" 3:  32\r\n 2:  17\r\n 1:  5\r\n"));
        zt::History h;
        for (int i = 1; i <= 36; ++i)
            h.push(i);
        QCOMPARE(h.count(), 36);
        QVERIFY(h.text().startsWith(QLatin1String(" 36:  36\r\n 35:  35\r\n")));
        h.push(0);
        QCOMPARE(h.count(), 36);
        const QStringList lines = h.text().split(QLatin1String("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 36);
        QCOMPARE(lines.first(), QStringLiteral(" 36:  0"));
        QCOMPARE(lines.last(), QStringLiteral(" 1:  2"));
        // The largest size stays inside the table.
        zt::History big(500);
        for (int i = 0; i < 1200; ++i)
            big.push(i % 37);
        QCOMPARE(big.count(), 500);
        QCOMPARE(big.newest(), 1199 % 37);
        QCOMPARE(big.at(0), 700 % 37);
    }

    void corrections()
    {
        zt::History h = withSpins({5, 17, 32});
        h.dropNewest();
        QCOMPARE(h.text(), QStringLiteral(" 2:  17\r\n 1:  5\r\n"));
        h = withSpins({5, 17, 32});
        h.dropOldest();
        QCOMPARE(h.text(), QStringLiteral(" 2:  32\r\n 1:  17\r\n"));
        h.clear();
        QCOMPARE(h.count(), 0);
        QCOMPARE(h.entries()[0], 17); // entries are kept
        h.dropNewest();
        h.dropOldest();
        QCOMPARE(h.count(), 0);
        h = withSpins({9});
        h.dropOldest();
        QVERIFY(h.isEmpty());
    }

    void hotNumbers()
    {
        QCOMPARE(withSpins({}).hotNumber(24), 0);
        // Ties go to the lowest number.
        QCOMPARE(withSpins({30, 7, 30, 7}).hotNumber(8), 7);
        // Before 36 spins both windows cover the whole history.
        zt::History h;
        for (int i = 0; i < 20; ++i)
            h.push(i < 10 ? 3 : i);
        h.push(22);
        h.push(22);
        QCOMPARE(h.hotNumber(8), 3);
        QCOMPARE(h.hotNumber(24), 3);
        // From 36 on, each window covers only its last spins.
        zt::History full;
        for (int i = 0; i < 12; ++i)
            full.push(0);
        for (int n : {5,  5,  5,  5,  5,  5,  7,  8,  9,  10, 11, 12,
                      13, 14, 15, 16, 22, 22, 22, 23, 24, 25, 26, 27})
            full.push(n);
        QCOMPARE(full.count(), 36);
        QCOMPARE(full.hotNumber(24), 5);
        QCOMPARE(full.hotNumber(8), 22);
    }
};

ZT_TEST_MAIN(HistoryTest)
#include "tst_history.moc"
