#pragma once
// Reading a number list, the text in which proposals travel: items of one or two
// digits, each followed by a comma, separated by one blank ("17, 25, 34,").
//
// The reading is positional.  Blanks around the whole text are ignored; at each
// step look at the (up to) three characters from the current position: if the
// third is a comma the item is the two characters before it and the next item
// starts four characters on; otherwise the item is the first character and the
// next starts three characters on.  Each item is read by its leading number.
// Any text is read without fault; text not in the list form gives items that
// are simply whatever the positions hold.

#include "core/textrules.h"

#include <QStringView>

namespace zt {

inline QStringView trimmedBlanks(QStringView text)
{
    qsizetype b = 0;
    qsizetype e = text.size();
    while (b < e && text[b].isSpace())
        ++b;
    while (e > b && text[e - 1].isSpace())
        --e;
    return text.sliced(b, e - b);
}

// The value of one item (one or two characters): plain digits directly, any
// other text by its leading number.
inline double listItemValue(QStringView item)
{
    return digitsValue(item);
}

// Calls f(double value) for every item of the list, in order.
template <class F> void forEachListItem(QStringView list, F&& f)
{
    const QStringView s = trimmedBlanks(list);
    const qsizetype n = s.size();
    qsizetype p = 0;
    while (p < n) {
        const qsizetype w = n - p < 3 ? n - p : 3;
        if (w == 3 && s[p + 2] == u',') {
            f(listItemValue(s.sliced(p, 2)));
            p += 4;
        } else {
            // A one-digit item, or the tail of the text.
            f(listItemValue(s.sliced(p, 1)));
            p += 3;
        }
    }
}

} // namespace zt
