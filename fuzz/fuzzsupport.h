#pragma once
// Helpers shared by the fuzz targets.

#include <QString>
#include <QStringView>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "core/numberlist.h"

namespace zt::fuzz {

// The input bytes as text (UTF-8; malformed sequences become U+FFFD).
inline QString decode(const uint8_t* data, size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
}

// A copy of a text in a buffer of exactly its length, so that the address
// sanitizer reports any read past its end (a QString keeps spare room and a
// terminating zero after its characters).
class ExactText {
public:
    explicit ExactText(QStringView text) : size_(text.size()), chars_(new char16_t[size_])
    {
        std::copy(text.utf16(), text.utf16() + size_, chars_.get());
    }
    QStringView view() const { return QStringView(chars_.get(), size_); }

private:
    qsizetype size_;
    std::unique_ptr<char16_t[]> chars_;
};

// Equal, or close enough for two ways of adding up decimal digits in doubles.
inline bool nearlyEqual(double a, double b)
{
    if (std::isinf(a) || std::isinf(b))
        return std::signbit(a) == std::signbit(b) && std::fabs(a) > 1e307 && std::fabs(b) > 1e307;
    return std::fabs(a - b) <= 1e-9 * std::max(1.0, std::fabs(b));
}

[[noreturn]] inline void fail(const char* what, const char* file, int line)
{
    std::fprintf(stderr, "invariant broken: %s (%s:%d)\n", what, file, line);
    std::abort();
}

// The items of a number list, in order.
inline std::vector<double> listItems(QStringView text)
{
    std::vector<double> items;
    forEachListItem(text, [&](double v) { items.push_back(v); });
    return items;
}

} // namespace zt::fuzz

// Aborts (and so reports the input) when an invariant does not hold.
#define ZT_FUZZ_CHECK(cond)                                                                        \
    do {                                                                                           \
        if (!(cond))                                                                               \
            zt::fuzz::fail(#cond, __FILE__, __LINE__);                                             \
    } while (0)
