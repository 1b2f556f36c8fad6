#include "board/associations.h"
#include "board/numberlist.h"
#include "testsupport.h"

#include <random>

namespace {
QString merged(QString text, int* count = nullptr)
{
    int n = -1;
    zt::UnisciNumeri(text, n);
    if (count)
        *count = n;
    return text;
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

class AssociationsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void tablesDeliverTheirRowsAndLeaveOtherNumbersAlone()
    {
        QString out = QStringLiteral("kept");
        for (int n : {-1, 0, 1, 37, 100}) {
            zt::AssociatiTre(out, n);
            QCOMPARE(out, QStringLiteral("kept"));
        }
        for (int n : {-1, 37}) {
            zt::AssociatiDue(out, n);
            QCOMPARE(out, QStringLiteral("kept"));
        }
        const std::pair<int, const char*> tre[] = {
            {2, "17, 25, 34,"},  {6, "08, 23, 30,"},  {9, "26, 0, 3,"},    {16, "00, 26, 32,"},
            {18, "06, 27, 34,"}, {28, "01, 20, 33,"}, {34, "02, 21, 25,"}, {36, "13, 27, 36,"}};
        for (auto [n, row] : tre) {
            zt::AssociatiTre(out, n);
            QCOMPARE(out, QString::fromLatin1(row));
        }
        const std::pair<int, const char*> due[] = {
            {0, "26, 32,"}, {10, "5, 23,"}, {21, "2, 4,"}, {28, "7, 12,"}, {36, "11, 13,"}};
        for (auto [n, row] : due) {
            zt::AssociatiDue(out, n);
            QCOMPARE(out, QString::fromLatin1(row));
        }
        // Every row is a list of numbers of the wheel: three items, or two.
        for (int n = 0; n <= 36; ++n) {
            int tres = 0, dues = 0;
            QString t, d;
            zt::AssociatiTre(t, n);
            zt::AssociatiDue(d, n);
            zt::forEachListItem(t, [&](double v) { tres += v >= 0 && v <= 36; });
            zt::forEachListItem(d, [&](double v) { dues += v >= 0 && v <= 36; });
            QCOMPARE(tres, n < 2 ? 0 : 3);
            QCOMPARE(dues, 2);
        }
    }

    void mergeSortsKeepsDistinctAndCounts()
    {
        int count = 0;
        QCOMPARE(merged("17, 25, 34, 32, 0, 15, 17, 5,", &count),
                 QStringLiteral("0, 5, 15, 17, 25, 32, 34, "));
        QCOMPARE(count, 7);
        QCOMPARE(merged("08, 23, 30,", &count), QStringLiteral("8, 23, 30, "));
        QCOMPARE(count, 3);
        QCOMPARE(merged("7, 12, 28,", &count), QStringLiteral("7, 12, 28, "));
        QCOMPARE(count, 3);
        QCOMPARE(merged("20, 1, 14, 36, 13, 11, 5, 22,", &count),
                 QStringLiteral("1, 5, 11, 13, 14, 20, 22, 36, "));
        QCOMPARE(count, 8);
        QCOMPARE(merged("10, 24, 5,", &count), QStringLiteral("5, 10, 24, "));
        // Zero alone is no proposal.
        for (const char* none : {"0, 00, 0,", "", "   ", "00,"}) {
            QCOMPARE(merged(none, &count), QString());
            QCOMPARE(count, 0);
        }
        // The merged text reads back to itself.
        QCOMPARE(merged(merged("36, 2, 9, 2,")), QStringLiteral("2, 9, 36, "));
    }

    void mergeReadsAnyTextSafely()
    {
        std::mt19937 rng(7);
        const QString alphabet = QStringLiteral("0123456789, .-abc\r\n\t\u00e8");
        for (int round = 0; round < 300; ++round) {
            QString text;
            const int len = int(rng() % 3000);
            for (int i = 0; i < len; ++i)
                text += alphabet[int(rng() % alphabet.size())];
            int count = -1;
            const QString out = merged(text, &count);
            QVERIFY(count >= 0 && count <= 109);
            QList<double> values;
            zt::forEachListItem(out, [&](double v) { values << v; });
            QCOMPARE(values.size(), count);
            QVERIFY(std::is_sorted(values.begin(), values.end()));
        }
        // Thousands of items: every value from 1 to 99, many times over.
        QString many;
        for (int i = 0; i < 5000; ++i)
            many += QString::number(i % 99 + 1) + QLatin1String(", ");
        int count = 0;
        merged(many, &count);
        QCOMPARE(count, 99);
    }

    void highlightPaintsListedNumbersButNeverZero()
    {
        QCOMPARE(numbers(zt::highlightedNumbers(u"0, 26, 32, ")), (QList<int>{26, 32}));
        QCOMPARE(numbers(zt::highlightedNumbers(u"00, 26, 32,")), (QList<int>{26, 32}));
        QCOMPARE(numbers(zt::highlightedNumbers(u"1, 5, 11, 13, 14, 20, 22, 36, ")),
                 (QList<int>{1, 5, 11, 13, 14, 20, 22, 36}));
        QVERIFY(zt::highlightedNumbers(u"").isEmpty());
        // Typed text: whatever falls on a number of the keypad, nothing else.
        QCOMPARE(numbers(zt::highlightedNumbers(u"99, 37, -5, ab, 17,")), (QList<int>{17}));
        QVERIFY(zt::highlightedNumbers(QString(200000, QLatin1Char('x'))).isEmpty());
    }
};

ZT_TEST_MAIN(AssociationsTest)
#include "tst_associations.moc"
