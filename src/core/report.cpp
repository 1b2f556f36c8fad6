#include "core/report.h"

#include "core/textrules.h"
#include "core/tally.h"


#include <algorithm>
#include <cmath>
#include <iterator>

namespace zt {

namespace {

// The characters of the Windows-1252 bytes 0x80 to 0x9F.  The five bytes the
// code page leaves unassigned stand for the control characters of the same
// number, as on Windows.
constexpr char16_t windows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The text in Windows-1252; a character the code page cannot hold becomes "?"
// (a surrogate pair is one character) and is counted in *replaced.
QByteArray windows1252(QStringView text, int* replaced)
{
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        const auto* high = std::find(std::begin(windows1252High), std::end(windows1252High), c);
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            out += char(c);
        } else if (high != std::end(windows1252High)) {
            out += char(0x80 + (high - std::begin(windows1252High)));
        } else {
            out += '?';
            ++*replaced;
            if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
                ++i;
        }
    }
    return out;
}

} // namespace

QByteArray reportBytes(const ReportInputs& in, const ConteggioColpi& tally, int* replaced)
{
    QString text;
    const auto line = [&text](const QString& s = {}) { text += s + QLatin1String("\r\n"); };

    line(QStringLiteral("Orba"));
    line();
    if (leadingNumber(in.runRows) > 0)
        line(QStringLiteral("Boules:") + in.replayedRows);
    line();
    line();
    line();
    if (in.attemptLines) {
        const double n = std::fmin(leadingNumber(in.maxAttempts), ConteggioColpi::Last);
        for (int i = 1; i <= n; ++i)
            line(QStringLiteral("Uscite al:") + signText(i) + QStringLiteral("° colpo n°:") +
                 signText(tally.entry(i)));
    }
    line();
    line(QStringLiteral("Fallite:") + signText(tally.entry(0)));
    line();
    line();
    line(QStringLiteral("Totale:") + in.verified);
    line();
    line();
    line(QStringLiteral("dettaglio colpi:"));
    QString detail = in.detail;
    detail.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    detail.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    line(detail);

    int count = 0;
    QByteArray bytes = windows1252(text, &count);
    if (replaced)
        *replaced = count;
    return bytes;
}

} // namespace zt
