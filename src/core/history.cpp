#include "core/history.h"

#include "core/textrules.h"

#include <algorithm>
#include <cstring>

namespace zt {

namespace {

// Appends the sign-position text of n (" 17", "-3") without a temporary.
void appendSigned(QChar*& out, int n)
{
    *out++ = n < 0 ? u'-' : u' ';
    unsigned v = n < 0 ? 0u - unsigned(n) : unsigned(n);
    if (v < 100) { // positions up to 99 and every number of the wheel
        if (v >= 10)
            *out++ = char16_t(u'0' + v / 10);
        *out++ = char16_t(u'0' + v % 10);
        return;
    }
    char16_t digits[10];
    int k = 0;
    do {
        digits[k++] = char16_t(u'0' + v % 10);
        v /= 10;
    } while (v);
    while (k)
        *out++ = digits[--k];
}

} // namespace

int History::sizeFromText(QStringView text)
{
    return roundClamped(leadingNumber(text), 1, MaxSize);
}

void History::setSize(int size)
{
    size_ = std::clamp(size, 1, MaxSize);
    if (count_ > size_) {
        first_ += count_ - size_;
        count_ = size_;
    }
}

void History::push(int number)
{
    if (count_ == size_) {
        ++first_;
        --count_;
    }
    if (first_ + count_ == Table) {
        std::memmove(entries_.data(), entries_.data() + first_, count_ * sizeof(entries_[0]));
        first_ = 0;
    }
    entries_[first_ + count_++] = static_cast<std::int16_t>(number);
}

void History::dropNewest()
{
    if (count_ > 0)
        --count_;
}

void History::dropOldest()
{
    if (count_ > 0) {
        ++first_;
        --count_;
    }
}

QString History::text() const
{
    // Longest line: " 500: -32768" and CR LF.
    QString s(count_ * 14, Qt::Uninitialized);
    QChar* out = s.data();
    for (int i = count_; i >= 1; --i) {
        appendSigned(out, i);
        *out++ = u':';
        *out++ = u' ';
        appendSigned(out, at(i - 1));
        *out++ = u'\r';
        *out++ = u'\n';
    }
    s.truncate(out - s.constData());
    return s;
}

int History::hotNumber(int length) const
{
    const int start = count_ >= 36 ? std::max(0, count_ - length) : 0;
    // The leader is kept while counting, as the key count * 64 + (63 - n):
    // the highest count wins, and among equal counts the lowest number.
    std::uint16_t seen[37] = {};
    int leader = 0;
    for (int i = start; i < count_; ++i) {
        const int n = at(i);
        if (n < 0 || n > 36)
            continue;
        leader = std::max(leader, (++seen[n] << 6) | (63 - n));
    }
    return leader ? 63 - (leader & 63) : 0;
}

} // namespace zt
