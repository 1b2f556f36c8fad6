#include "core/plainboard.h"

#include "core/keypadlayout.h"

#include <algorithm>

namespace zt {

namespace {

// The captions 0..36 over static storage: copying them touches no reference
// count.
QString captionText(int number)
{
    static const auto texts = [] {
        static char16_t storage[37][2];
        std::array<QString, 37> all;
        for (int n = 0; n <= 36; ++n) {
            const QString t = QString::number(n);
            std::copy(t.utf16(), t.utf16() + t.size(), storage[n]);
            all[n] = QString::fromRawData(reinterpret_cast<const QChar*>(storage[n]), t.size());
        }
        return all;
    }();
    return texts[number];
}

} // namespace

PlainBoard::PlainBoard()
{
    captions[0] = captionText(0);
    for (int i = 1; i <= 36; ++i)
        captions[i] = captionText(keypad::numberAt(keypad::Layout::Design, i));
}

void PlainBoard::invertKeypad()
{
    const auto layout = captions[1] == u"3" ? keypad::Layout::Inverted : keypad::Layout::Design;
    for (int i = 1; i <= 36; ++i)
        captions[i] = captionText(keypad::numberAt(layout, i));
}

} // namespace zt
