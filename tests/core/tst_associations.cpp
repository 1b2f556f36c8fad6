#include "core/associations.h"
#include "core/numberlist.h"
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

QString row(void (*lookup)(QString&, int), int n)
{
    QString out = QStringLiteral("kept");
    lookup(out, n);
    return out;
}
} // namespace

class AssociationsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void tablesDeliverTheirRowsAndLeaveOtherNumbersAlone()
    {
        for (int n : {-1, 0, 1, 37})
            QCOMPARE(row(zt::AssociatiTre, n), QStringLiteral("kept"));
        QCOMPARE(row(zt::AssociatiDue, 37), QStringLiteral("kept"));
        QCOMPARE(row(zt::AssociatiTre, 6) + row(zt::AssociatiDue, 10),
                 QStringLiteral("08, 23, 30,5, 23,"));
        // Every row lists numbers of the wheel: three, or two.
        for (int n = 0; n <= 36; ++n) {
            QCOMPARE(zt::treNumbers(n).size(), n < 2 ? 0 : 3);
            QCOMPARE(zt::dueNumbers(n).size(), 2);
        }
        // Each whole table folded into one figure, taken once from the published
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
    }

    void mergeSortsKeepsDistinctAndCounts()
    {
        int count = 0;
        QCOMPARE(merged("17, 25, 34, 32, 0, 15, 17, 5,", &count),
                 QStringLiteral("0, 5, 15, 17, 25, 32, 34, "));
        QCOMPARE(count, 7);
        QCOMPARE(merged("08, 23, 30,"), QStringLiteral("8, 23, 30, "));
        QCOMPARE(merged(row(zt::AssociatiDue, 28) + QLatin1String(" 28,"), &count),
                 QStringLiteral("7, 12, 28, "));
        QCOMPARE(count, 3);
        for (const char* none : {"0, 00, 0,", "", "   "}) {
            QCOMPARE(merged(none, &count), QString());
            QCOMPARE(count, 0);
        }
    }

    void mergeReadsAnyTextSafely()
    {
        std::mt19937 rng(7);
        const QString alphabet = QStringLiteral("0123456789, .-abc\r\n\t\u00e8");
        for (int round = 0; round < 300; ++round) {
            QString text;
            for (int i = int(rng() % 3000); i > 0; --i)
                text += alphabet[int(rng() % alphabet.size())];
            int count = -1;
            QList<double> values;
            zt::forEachListItem(merged(text, &count), [&](double v) { values << v; });
            QCOMPARE(values.size(), count);
            QVERIFY(count <= 109 && std::is_sorted(values.begin(), values.end()));
        }
        QString many;
        for (int i = 0; i < 5000; ++i)
            many += QString::number(i % 99 + 1) + QLatin1String(", ");
        int count = 0;
        merged(many, &count);
        QCOMPARE(count, 99);
    }

    void highlightPaintsListedNumbersButNeverZero()
    {
        QCOMPARE(zt::highlightedNumbers(u"00, 26, 32,").bits, (1ull << 26) | (1ull << 32));
        QCOMPARE(zt::highlightedNumbers(u"99, 37, -5, ab, 17,").bits, 1ull << 17);
        QVERIFY(zt::highlightedNumbers(QString(200000, QLatin1Char('x'))).isEmpty());
    }
};

ZT_TEST_MAIN(AssociationsTest)
#include "tst_associations.moc"
