// The leading-number rule and the whole-number test over arbitrary text,
// checked against a plain reading of the same grammar by strtod, and the
// number-to-text rules read back.

#include "core/textrules.h"
#include "fuzzsupport.h"

#include <QRegularExpression>

#include <cstring>

namespace {

// Optional sign, then digits with an optional point and fraction, or a point
// and a fraction.
const QString numberPattern = QStringLiteral("[+-]?(?:[0-9]+\\.?[0-9]*|\\.[0-9]+)");

double reference(const QString& number)
{
    return std::strtod(number.toLatin1().constData(), nullptr);
}

void checkRounding(double v)
{
    const double r = zt::roundHalfEven(v);
    if (std::isfinite(v)) {
        ZT_FUZZ_CHECK(r == std::floor(r));
        ZT_FUZZ_CHECK(std::fabs(r - v) <= 0.5);
        if (std::fabs(r - v) == 0.5)
            ZT_FUZZ_CHECK(std::fmod(r, 2.0) == 0);
    }
    const int c = zt::roundClamped(v, 1, 100);
    ZT_FUZZ_CHECK(c >= 1 && c <= 100);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const QRegularExpression leading(QStringLiteral("\\A[ \\t]*(") + numberPattern +
                                            QStringLiteral(")"));
    static const QRegularExpression whole(QStringLiteral("\\A") + numberPattern +
                                          QStringLiteral("\\z"));

    const QString text = zt::fuzz::decode(data, size);
    const zt::fuzz::ExactText exact(text);

    const double v = zt::leadingNumber(exact.view());
    const QRegularExpressionMatch m = leading.match(text);
    ZT_FUZZ_CHECK(zt::fuzz::nearlyEqual(v, m.hasMatch() ? reference(m.captured(1)) : 0.0));
    ZT_FUZZ_CHECK(zt::leadingNumber(QStringLiteral(" \t") + text) == v);

    const QString trimmed = text.trimmed();
    const bool isWhole = zt::isWholeNumberText(exact.view());
    ZT_FUZZ_CHECK(isWhole == whole.match(trimmed).hasMatch());
    if (isWhole) {
        ZT_FUZZ_CHECK(!zt::isWholeNumberText(QString(trimmed + QLatin1Char('x'))));
        ZT_FUZZ_CHECK(zt::fuzz::nearlyEqual(zt::leadingNumber(trimmed), reference(trimmed)));
    }
    checkRounding(v);

    // Whole numbers written by the program read back as themselves.
    if (size >= sizeof(long long)) {
        long long n = 0;
        std::memcpy(&n, data, sizeof n);
        const QString sign = zt::signText(n);
        ZT_FUZZ_CHECK(zt::isWholeNumberText(sign));
        ZT_FUZZ_CHECK(sign.startsWith(n < 0 ? QLatin1Char('-') : QLatin1Char(' ')));
        const double back = zt::leadingNumber(sign);
        const long long exactLimit = 1LL << 53;
        if (n > -exactLimit && n < exactLimit) {
            ZT_FUZZ_CHECK(back == double(n));
            const double counter = double(n % 1000000000000000LL);
            ZT_FUZZ_CHECK(zt::leadingNumber(zt::plainNumberText(counter)) == counter);
            ZT_FUZZ_CHECK(zt::isWholeNumberText(zt::plainNumberText(counter)));
        } else {
            ZT_FUZZ_CHECK(zt::fuzz::nearlyEqual(back, double(n)));
        }
        double d = 0;
        std::memcpy(&d, data, sizeof d);
        checkRounding(d);
    }
    return 0;
}
