#include "board/plainboard.h"

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

} // namespace

PlainBoard::PlainBoard()
{
    captions[0] = QStringLiteral("0");
    for (int i = 1; i <= 36; ++i) {
        captionValues[i] = designCaption(i);
        captions[i] = QString::number(captionValues[i]);
    }
}

void PlainBoard::invertKeypad()
{
    const bool design = captions[1] == u"3";
    for (int i = 1; i <= 36; ++i) {
        captionValues[i] = design ? turnedCaption(i) : designCaption(i);
        captions[i] = QString::number(captionValues[i]);
    }
}

void PlainBoard::highlightKeypad(NumberSet numbers)
{
    yellow = {};
    for (int i = 1; i <= 36; ++i) {
        const int n = captionValues[i];
        if (numbers.contains(n))
            yellow.add(n);
    }
}

} // namespace zt
