#pragma once
// The association tables, the merge of a number list and the set of keypad
// numbers a proposal paints.

#include <QString>
#include <QStringView>

#include <bit>
#include <cstdint>

namespace zt {

// AssociatiTre: for 2..36 writes the number's row ("17, 25, 34," for 2) into
// out; for any other number out keeps what it held.
void AssociatiTre(QString& out, int number);

// AssociatiDue: for 0..36 writes the number's row ("26, 32," for 0) into out;
// for any other number out keeps what it held.
void AssociatiDue(QString& out, int number);

// UnisciNumeri: reads the items of the list in text (each rounded to a whole
// number), and replaces text by the distinct values in ascending order, each
// written "n, ", and count by how many they are.  A list with no item above
// zero (all items 0, or no item) gives the empty text and 0.  Any text is read
// safely; items outside the list form read as whatever their positions hold.
void UnisciNumeri(QString& text, int& count);

// A set of the numbers 0..63.  bits: bit n set = n in the set.
struct NumberSet {
    std::uint64_t bits = 0;

    void add(int n)
    {
        if (n >= 0 && n < 64)
            bits |= std::uint64_t(1) << n;
    }
    bool contains(int n) const { return n >= 0 && n < 64 && (bits >> n & 1); }
    // True when value is a whole number in the set (a keypad caption's value).
    bool containsValue(double value) const
    {
        const int n = static_cast<int>(value);
        return n == value && contains(n);
    }
    bool isEmpty() const { return bits == 0; }
    int size() const { return std::popcount(bits); }
    friend bool operator==(NumberSet, NumberSet) = default;
};

// The numbers of a row of AssociatiTre / AssociatiDue (empty for a number
// without a row).
NumberSet treNumbers(int number);
NumberSet dueNumbers(int number);

// The text UnisciNumeri makes of a list holding exactly these numbers: each,
// ascending, written "n, "; empty when no number above zero is in the set.
QString numberListText(NumberSet set);

// The numbers 1..36 that a proposal paints on the keypad: its items, each
// rounded to a whole number.  Zero is never painted; the keypad button of a
// number is found by the value of its caption.
NumberSet highlightedNumbers(QStringView note);

// What the strings engine, the keypad and the proposal check read of a number
// list, read in one pass.  The lists the board makes hold each number once,
// so the items equal to a number are known from `held` alone; for any other
// list they are counted in its text again.
struct ListFacts {
    NumberSet held;    // the items that are whole numbers 0..36
    NumberSet painted; // highlightedNumbers()
    int size = 0;      // how many numbers `held` holds
    int items = 0;     // how many items (the numbers in play of a proposal check)
    bool plain = true; // every item is a whole number 0..36, and none is listed twice

    // The items of `text` (the list these facts are of) equal to `value`.
    int equalItems(QStringView text, double value) const
    {
        if (!plain)
            return countEqualItems(text, value);
        if (!(value >= 0 && value <= 36))
            return 0;
        const int n = static_cast<int>(value);
        return n == value && held.contains(n);
    }
    static int countEqualItems(QStringView text, double value);
};
ListFacts listFacts(QStringView list);

} // namespace zt
