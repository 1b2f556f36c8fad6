// The merge of a number list and the keypad numbers a proposal paints, over
// arbitrary text (a proposal the player typed): the merged list is sorted,
// distinct, reads back as itself with the count it reported, merges again to
// itself, and paints the same keypad numbers as the text it came from.

#include "core/associations.h"
#include "core/numberlist.h"
#include "fuzzsupport.h"

#include <cmath>
#include <set>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = zt::fuzz::decode(data, size);

    QString merged = text;
    int count = -1;
    zt::UnisciNumeri(merged, count);

    const std::vector<double> items = zt::fuzz::listItems(merged);
    ZT_FUZZ_CHECK(count >= 0 && size_t(count) == items.size());
    ZT_FUZZ_CHECK(merged.isEmpty() == (count == 0));
    for (size_t i = 0; i < items.size(); ++i) {
        ZT_FUZZ_CHECK(items[i] == std::floor(items[i]));
        ZT_FUZZ_CHECK(i == 0 || items[i - 1] < items[i]);
    }
    if (count > 0)
        ZT_FUZZ_CHECK(items.back() > 0 && merged.endsWith(QLatin1String(", ")));

    // Every item of the input is in the merged list (rounded to a whole
    // number), and nothing else is, unless no item is above zero.
    std::set<double> expected;
    for (double v : zt::fuzz::listItems(zt::fuzz::ExactText(text).view()))
        expected.insert(zt::roundHalfEven(v));
    if (count > 0)
        ZT_FUZZ_CHECK(std::set<double>(items.begin(), items.end()) == expected);
    else
        ZT_FUZZ_CHECK(expected.empty() || *expected.rbegin() <= 0);

    QString again = merged;
    int countAgain = -1;
    zt::UnisciNumeri(again, countAgain);
    ZT_FUZZ_CHECK(again == merged && countAgain == count);

    const zt::NumberSet painted = zt::highlightedNumbers(zt::fuzz::ExactText(text).view());
    ZT_FUZZ_CHECK(!painted.contains(0) && (painted.bits >> 37) == 0);
    ZT_FUZZ_CHECK(zt::highlightedNumbers(merged) == painted);
    for (int n = 1; n <= 36; ++n)
        ZT_FUZZ_CHECK(painted.contains(n) == (expected.count(n) == 1));
    return 0;
}
