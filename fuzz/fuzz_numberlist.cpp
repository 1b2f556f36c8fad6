// The number-list reader over arbitrary text: it never reads past the text,
// every item is what two characters can hold, the count follows from the
// length; and a list written in the proper form from the input's bytes reads
// back as exactly its numbers.

#include "core/numberlist.h"
#include "fuzzsupport.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = zt::fuzz::decode(data, size);
    const zt::fuzz::ExactText exact(text);
    const std::vector<double> items = zt::fuzz::listItems(exact.view());

    // Each step moves on three or four characters.
    const size_t length = size_t(zt::trimmedBlanks(text).size());
    ZT_FUZZ_CHECK(items.size() <= (length + 2) / 3);
    ZT_FUZZ_CHECK(items.size() >= (length + 3) / 4);
    for (double v : items)
        ZT_FUZZ_CHECK(v >= -9 && v <= 99);

    // A list in the proper form: one or two digits ("08" allowed), each
    // followed by a comma, a blank after every comma but possibly the last.
    QString list = size % 3 == 0 ? QStringLiteral("  ") : QString();
    std::vector<double> numbers;
    for (size_t i = 0; i < size; ++i) {
        const int n = data[i] % 100;
        if (i > 0)
            list += QLatin1Char(' ');
        if (n < 10 && data[i] >= 100)
            list += QLatin1Char('0');
        list += QString::number(n) + QLatin1Char(',');
        numbers.push_back(n);
    }
    if (size % 2 == 0)
        list += QLatin1Char(' ');
    ZT_FUZZ_CHECK(zt::fuzz::listItems(zt::fuzz::ExactText(list).view()) == numbers);
    return 0;
}
