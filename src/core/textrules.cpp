#include "core/textrules.h"

#include <QList>

#include <cmath>
#include <limits>

namespace zt {

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

// Reads a number from position i; returns the position after it, or -1 when
// there are no digits.
qsizetype scanNumber(QStringView text, qsizetype i, double* out)
{
    const qsizetype n = text.size();
    bool negative = false;
    if (i < n && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    double value = 0;
    bool digits = false;
    while (i < n && text[i] >= u'0' && text[i] <= u'9') {
        value = value * 10 + (text[i].unicode() - u'0');
        digits = true;
        ++i;
    }
    if (i < n && text[i] == u'.') {
        qsizetype j = i + 1;
        double scale = 0.1;
        bool fraction = false;
        while (j < n && text[j] >= u'0' && text[j] <= u'9') {
            value += (text[j].unicode() - u'0') * scale;
            scale /= 10;
            fraction = true;
            ++j;
        }
        if (digits || fraction) {
            digits = true;
            i = j;
        }
    }
    if (!digits)
        return -1;
    *out = negative ? -value : value;
    return i;
}

} // namespace

double leadingNumber(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    double value = 0;
    return scanNumber(text, i, &value) < 0 ? 0.0 : value;
}

bool isWholeNumberText(QStringView text)
{
    QStringView t = text.trimmed();
    double value = 0;
    return !t.isEmpty() && scanNumber(t, 0, &value) == t.size();
}

double roundHalfEven(double value)
{
    if (!std::isfinite(value))
        return value;
    const double floor = std::floor(value);
    const double diff = value - floor;
    if (diff < 0.5)
        return floor;
    if (diff > 0.5)
        return floor + 1;
    return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

int roundClamped(double value, int lo, int hi)
{
    if (std::isnan(value))
        return lo;
    const double r = roundHalfEven(value);
    if (r < lo)
        return lo;
    if (r > hi)
        return hi;
    return static_cast<int>(r);
}

QString signText(long long value)
{
    return value < 0 ? QString::number(value) : QLatin1Char(' ') + QString::number(value);
}

QString plainNumberText(double value)
{
    // Whole numbers in full digits, never with an exponent ("1000000000000000").
    if (std::isfinite(value) && value == std::trunc(value))
        return QString::number(value, 'f', 0);
    return QString::number(value, 'g', std::numeric_limits<double>::max_digits10 - 2);
}

QString printableText(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        if (c == U' ' || (QChar::isPrint(c) && QChar::category(c) != QChar::Other_Format))
            out += QString::fromUcs4(&c, 1);
        else
            out += QStringLiteral("[U+%1]").arg(QString::number(uint(c), 16).toUpper(), 4,
                                                QChar(u'0'));
    }
    return out;
}

namespace {

QLocale& shownLocaleSlot()
{
    static QLocale locale(QLocale::Italian, QLocale::Italy);
    return locale;
}

} // namespace

const QLocale& shownLocale()
{
    return shownLocaleSlot();
}

void setShownLocale(const QLocale& locale)
{
    shownLocaleSlot() = locale;
}

} // namespace zt
