#include "core/numberlist.h"
#include "testsupport.h"

#include <vector>

namespace {
std::vector<double> items(const QString& text)
{
    std::vector<double> out;
    zt::forEachListItem(text, [&](double v) { out.push_back(v); });
    return out;
}
} // namespace

class NumberListTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readsTheListForms()
    {
        QCOMPARE(items("17, 25, 34,"), (std::vector<double>{17, 25, 34}));
        QCOMPARE(items("5, 16,"), (std::vector<double>{5, 16}));
        QCOMPARE(items("08, 23, 30,"), (std::vector<double>{8, 23, 30}));
        QCOMPARE(items("00, 26, 32,"), (std::vector<double>{0, 26, 32}));
        QCOMPARE(items(" 5, 10, 24, "), (std::vector<double>{5, 10, 24}));
        QCOMPARE(items("7,"), (std::vector<double>{7}));
        QCOMPARE(items(""), (std::vector<double>{}));
    }
    void positionalRuleOnOtherText()
    {
        // No blank after the commas: the positions no longer fall on items.
        QCOMPARE(items("17,25,34,"), (std::vector<double>{17, 5, 4}));
        QCOMPARE(items("17"), (std::vector<double>{1}));
        QCOMPARE(items("abc"), (std::vector<double>{0}));
        const QString huge(100000, QLatin1Char('9'));
        QCOMPARE(items(huge).size(), size_t(33334));
    }
};

ZT_TEST_MAIN(NumberListTest)
#include "tst_numberlist.moc"
