#include "core/associations.h"

#include "core/numberlist.h"
#include "core/textrules.h"

#include <array>
#include <bitset>

namespace zt {

namespace {

const QString& treRow(int n)
{
    static const QString rows[37] = {
        QString(),
        QString(),
        QStringLiteral("17, 25, 34,"),
        QStringLiteral("32, 0, 15,"),
        QStringLiteral("17, 25, 34,"),
        QStringLiteral("20, 1, 14,"),
        QStringLiteral("08, 23, 30,"),
        QStringLiteral("32, 0, 15,"),
        QStringLiteral("20, 1, 14,"),
        QStringLiteral("26, 0, 3,"),
        QStringLiteral("22, 9, 18,"),
        QStringLiteral("14, 20, 31,"),
        QStringLiteral("17, 25, 34,"),
        QStringLiteral("14, 20, 31,"),
        QStringLiteral("15, 19, 32,"),
        QStringLiteral("23, 8, 10,"),
        QStringLiteral("00, 26, 32,"),
        QStringLiteral("14, 20, 31,"),
        QStringLiteral("06, 27, 34,"),
        QStringLiteral("33, 1, 16,"),
        QStringLiteral("25, 2, 17,"),
        QStringLiteral("31, 9, 14,"),
        QStringLiteral("36, 13, 11,"),
        QStringLiteral("19, 4, 15,"),
        QStringLiteral("25, 2, 17,"),
        QStringLiteral("28, 7, 12,"),
        QStringLiteral("14, 20, 31,"),
        QStringLiteral("32, 0, 15,"),
        QStringLiteral("01, 20, 33,"),
        QStringLiteral("33, 1, 16,"),
        QStringLiteral("17, 25, 34,"),
        QStringLiteral("24, 5, 16,"),
        QStringLiteral("12, 28, 35,"),
        QStringLiteral("10, 1, 16,"),
        QStringLiteral("02, 21, 25,"),
        QStringLiteral("28, 7, 12,"),
        QStringLiteral("13, 27, 36,"),
    };
    return rows[n];
}

const QString& dueRow(int n)
{
    static const QString rows[37] = {
        QStringLiteral("26, 32,"), QStringLiteral("33, 20,"), QStringLiteral("21, 25,"),
        QStringLiteral("26, 35,"), QStringLiteral("19, 21,"), QStringLiteral("10, 24,"),
        QStringLiteral("27, 34,"), QStringLiteral("28, 29,"), QStringLiteral("23, 30,"),
        QStringLiteral("22, 31,"), QStringLiteral("5, 23,"),  QStringLiteral("30, 36,"),
        QStringLiteral("28, 35,"), QStringLiteral("27, 36,"), QStringLiteral("20, 31,"),
        QStringLiteral("19, 32,"), QStringLiteral("24, 33,"), QStringLiteral("25, 34,"),
        QStringLiteral("22, 29,"), QStringLiteral("4, 15,"),  QStringLiteral("1, 14,"),
        QStringLiteral("2, 4,"),   QStringLiteral("9, 18,"),  QStringLiteral("8, 10,"),
        QStringLiteral("5, 16,"),  QStringLiteral("2, 17,"),  QStringLiteral("0, 3,"),
        QStringLiteral("6, 13,"),  QStringLiteral("7, 12,"),  QStringLiteral("7, 18,"),
        QStringLiteral("8, 11,"),  QStringLiteral("9, 14,"),  QStringLiteral("0, 15,"),
        QStringLiteral("1, 16,"),  QStringLiteral("6, 17,"),  QStringLiteral("3, 12,"),
        QStringLiteral("11, 13,"),
    };
    return rows[n];
}

// Items of a list are at most two characters, so their whole values lie in
// -9..99.
constexpr int lowestItem = -9;
constexpr int highestItem = 99;

// An item read as a whole number: rounded half to even, kept within lo..hi.
int wholeItem(double v, int lo, int hi)
{
    if (v >= lo && v <= hi && v == static_cast<int>(v))
        return static_cast<int>(v);
    return roundClamped(v, lo, hi);
}

// The merged list is written into a buffer first: at most 109 items of at
// most four characters ("-9, ", "99, ").
class ListWriter {
public:
    void add(int n)
    {
        if (n < 0) {
            *out_++ = u'-';
            n = -n;
        }
        if (n >= 10)
            *out_++ = char16_t(u'0' + n / 10);
        *out_++ = char16_t(u'0' + n % 10);
        *out_++ = u',';
        *out_++ = u' ';
    }
    QString text() const
    {
        return QString(reinterpret_cast<const QChar*>(buffer_), out_ - buffer_);
    }

private:
    char16_t buffer_[(highestItem - lowestItem + 1) * 4];
    char16_t* out_ = buffer_;
};

NumberSet rowNumbers(const QString& row)
{
    NumberSet set;
    forEachListItem(row, [&](double v) { set.add(wholeItem(v, 0, 63)); });
    return set;
}

} // namespace

void AssociatiTre(QString& out, int number)
{
    if (number >= 2 && number <= 36)
        out = treRow(number);
}

void AssociatiDue(QString& out, int number)
{
    if (number >= 0 && number <= 36)
        out = dueRow(number);
}

void UnisciNumeri(QString& text, int& count)
{
    std::bitset<highestItem - lowestItem + 1> seen;
    bool aboveZero = false;
    forEachListItem(text, [&](double v) {
        const int n = wholeItem(v, lowestItem, highestItem);
        seen.set(n - lowestItem);
        aboveZero = aboveZero || n > 0;
    });
    count = 0;
    if (!aboveZero) {
        text.clear();
        return;
    }
    ListWriter list;
    for (int n = lowestItem; n <= highestItem; ++n) {
        if (seen.test(n - lowestItem)) {
            list.add(n);
            ++count;
        }
    }
    text = list.text();
}

namespace {
// The numbers of every row of a table, read once.
template <class Row> NumberSet rowSet(Row row, int number)
{
    static const auto sets = [row] {
        std::array<NumberSet, 37> all;
        for (int n = 0; n <= 36; ++n)
            all[n] = rowNumbers(row(n));
        return all;
    }();
    return number >= 0 && number <= 36 ? sets[number] : NumberSet();
}
} // namespace

NumberSet treNumbers(int number)
{
    return rowSet([](int n) { return treRow(n); }, number);
}

NumberSet dueNumbers(int number)
{
    return rowSet([](int n) { return dueRow(n); }, number);
}

QString numberListText(NumberSet set)
{
    if ((set.bits >> 1) == 0)
        return QString();
    ListWriter list;
    for (std::uint64_t bits = set.bits; bits; bits &= bits - 1)
        list.add(std::countr_zero(bits));
    return list.text();
}

namespace {

// A number that the keypad paints for an item, or 0 for none.
int paintedItem(double v)
{
    const int n = wholeItem(v, 0, 37);
    return n <= 36 ? n : 0;
}

bool isWheelNumber(double v)
{
    return v >= 0 && v <= 36 && v == static_cast<int>(v);
}

} // namespace

NumberSet highlightedNumbers(QStringView note)
{
    NumberSet set;
    forEachListItem(note, [&](double v) {
        if (const int n = paintedItem(v))
            set.add(n);
    });
    return set;
}

ListFacts listFacts(QStringView list)
{
    ListFacts facts;
    forEachListItem(list, [&](double v) {
        ++facts.items;
        if (const int n = paintedItem(v))
            facts.painted.add(n);
        if (!isWheelNumber(v) || facts.held.contains(static_cast<int>(v)))
            facts.plain = false;
        if (isWheelNumber(v))
            facts.held.add(static_cast<int>(v));
    });
    facts.size = facts.held.size();
    return facts;
}

int ListFacts::countEqualItems(QStringView text, double value)
{
    int count = 0;
    forEachListItem(text, [&](double v) { count += v == value; });
    return count;
}

} // namespace zt
