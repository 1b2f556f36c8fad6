#pragma once
// The history of the current game: the drawn numbers, oldest first, at most
// 500 of them.  They are kept in a longer table in which they move towards
// the end as spins come and are copied back to its start only when they reach
// it, so that a spin does not shift the whole history.

#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>

namespace zt {

class History {
public:
    static constexpr int MaxSize = 500;
    static constexpr int DefaultSize = 36;

    // The size held by a text (the hidden size box): its leading number,
    // rounded half to even, kept within 1..500.
    static int sizeFromText(QStringView text);

    explicit History(int size = DefaultSize) { setSize(size); }

    int size() const { return size_; }
    // Clamps to 1..500.  When the history holds more spins than the new size,
    // the oldest ones leave so that 0 <= count <= size always holds.
    void setSize(int size);

    int count() const { return count_; }
    bool isEmpty() const { return count_ == 0; }
    // Entry i (0 = oldest); i must be below count().
    int at(int i) const { return entries_[first_ + i]; }
    int newest() const { return entries_[first_ + count_ - 1]; }

    // Appends a spin; a full history first drops its oldest spin.
    void push(int number);
    // "C. ULTIMO": drops the newest spin; nothing on an empty history.
    void dropNewest();
    // "C. PRIMO": drops the oldest spin; nothing on an empty history.
    void dropOldest();
    // Count to 0.
    void clear() { count_ = 0; }

    // The history box text: for each position i from count() down to 1 the
    // line " i:  n" and CR LF (sign-position texts of i and of the number),
    // newest first.  Empty for an empty history.
    QString text() const;

    // The hot number of the window of the given length over the newest spins:
    // the window covers the last `length` spins once the history holds 36 or
    // more, and the whole history before that.  The number 0..36 seen most
    // often in it, the lowest among equals; 0 for an empty window.
    int hotNumber(int length) const;

private:
    static constexpr int Table = 2048;
    std::array<std::int16_t, Table> entries_{};
    int first_ = 0; // where the oldest spin is
    int size_ = DefaultSize;
    int count_ = 0;
};

} // namespace zt
