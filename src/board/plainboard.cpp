#include "board/plainboard.h"

#include <algorithm>

namespace zt {

namespace {

// Design keypad: the button of row r, column c (index 12 (r - 1) + c) shows
// 3c - (r - 1); the turned keypad shows 36 - 3c + r.
int designCaption(int index)
{
    const int r = (index - 1) / 12 + 1;
    const int c = (index - 1) % 12 + 1;
    return 3 * c - (r - 1);
}

int turnedCaption(int index)
{
    const int r = (index - 1) / 12 + 1;
    const int c = (index - 1) % 12 + 1;
    return 36 - 3 * c + r;
}

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
        captions[i] = captionText(designCaption(i));
}

void PlainBoard::invertKeypad()
{
    const bool design = captions[1] == u"3";
    for (int i = 1; i <= 36; ++i)
        captions[i] = captionText(design ? turnedCaption(i) : designCaption(i));
}

} // namespace zt
