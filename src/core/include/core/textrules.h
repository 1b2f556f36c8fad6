#pragma once
// Conversions between numbers and the texts the windows hold.

#include <QLocale>
#include <QString>
#include <QStringView>

namespace zt {

// The leading decimal number of a text, after leading blanks: an optional sign,
// digits, and an optional fraction after a point ("17.5" is 17.5, "2,5" is 2,
// " 7x" is 7).  A text with none reads as 0.  Never reads past the text.
double leadingNumber(QStringView text);

// leadingNumber() of a text, read at once when the text is one or two digits
// (a keypad caption, an item of a number list).
inline double digitsValue(QStringView text)
{
    const auto digit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    if (text.size() == 1 && digit(text[0]))
        return text[0].unicode() - u'0';
    if (text.size() == 2 && digit(text[0]) && digit(text[1]))
        return (text[0].unicode() - u'0') * 10 + (text[1].unicode() - u'0');
    return leadingNumber(text);
}

// True when the whole text, blanks around it aside, is exactly one decimal
// number as leadingNumber reads it ("5" and " 5 " yes; "5x", "", "2,5" no).
bool isWholeNumberText(QStringView text);

// Rounds to the nearest whole number, a half going to the even neighbour.
double roundHalfEven(double value);

// Clamps a value into [lo, hi] after rounding it half to even; NaN gives lo.
int roundClamped(double value, int lo, int hi);

// The sign-position text of a whole number: one blank before a number that is
// not negative (" 7", " 0"), the minus sign otherwise ("-3").
QString signText(long long value);

// The text as a message shows it: a character that does not print (a control
// character such as NUL, a line end or ESC, a byte-order mark) becomes its
// code in brackets ("[U+0000]"), so that nothing in it acts on a terminal.
QString printableText(QStringView text);

// Shortest plain decimal form of a double ("5", "2.5", "-3").
QString plainNumberText(double value);

// The locale of the numbers a person reads (the statistics, the stakes, the
// panels of the commands): Italian ("3.700", "0,05") unless the interface
// speaks English.  Never the numbers of what is stored or exchanged.
const QLocale& shownLocale();
void setShownLocale(const QLocale& locale);

} // namespace zt
