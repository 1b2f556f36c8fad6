#include "core/history.h"
#include "testsupport.h"

namespace {
zt::History withSpins(std::initializer_list<int> spins)
{
    zt::History h;
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
        QString sizes; // halves to even, at least 1, at most 500
        for (const char16_t* text : {u"36", u" 2.5", u"3.5", u"word", u"9999"})
            sizes += QString::number(zt::History::sizeFromText(text)) + u' ';
        QCOMPARE(sizes, QStringLiteral("36 2 4 1 500 "));
        // Shrinking below the count keeps the newest spins.
        zt::History h = withSpins({1, 2, 3, 4, 5});
        h.setSize(2);
        QCOMPARE(h.text(), QStringLiteral(" 2:  5\r\n 1:  4\r\n"));
        // The largest size stays inside the table.
        zt::History big(500);
        for (int i = 0; i < 1200; ++i)
            big.push(i % 37);
        QVERIFY(big.count() == 500 && big.at(0) == 700 % 37 && big.newest() == 1199 % 37);
    }

    void textListsNewestFirstAndSlidesWhenFull()
    {
        QCOMPARE(withSpins({}).text(), QString());
        QCOMPARE(withSpins({5, 17, 32}).text(), QStringLiteral(" 3:  32\r\n 2:  17\r\n 1:  5\r\n"));
        zt::History h;
        for (int i = 1; i <= 37; ++i)
            h.push(i % 37);
        const QStringList lines = h.text().split(QLatin1String("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 36);
        QCOMPARE(lines.first(), QStringLiteral(" 36:  0"));
        QCOMPARE(lines.last(), QStringLiteral(" 1:  2"));
        h.clear();
        QVERIFY(h.count() == 0 && h.entries()[0] == 2); // the entries are kept
    }

    void hotNumbers()
    {
        QCOMPARE(withSpins({}).hotNumber(24), 0);
        QCOMPARE(withSpins({30, 7, 30, 7}).hotNumber(8), 7); // ties: the lowest
        // Before 36 spins both windows cover the whole history.
        zt::History h = withSpins({3, 3, 3, 20, 21, 22, 23, 24, 25, 26, 22, 22});
        QCOMPARE(h.hotNumber(8), 3);
        QCOMPARE(h.hotNumber(24), 3);
        // From 36 on, each window covers only its last spins.
        zt::History full;
        for (int n : {0, 0, 0, 0,  0,  0,  0,  0,  0,  0,  0,  0,  5,  5,  5,  5,  5,  5,
                      7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 22, 22, 22, 23, 24, 25, 26, 27})
            full.push(n);
        QCOMPARE(full.hotNumber(24), 5);
        QCOMPARE(full.hotNumber(8), 22);
    }
};

ZT_TEST_MAIN(HistoryTest)
#include "tst_history.moc"
