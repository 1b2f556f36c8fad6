#include "core/stripfollower.h"

#include <QString>

#include <algorithm>

namespace zt {

namespace {

// What is kept of the numbers seen: far more than any strip shows.
constexpr qsizetype keptNumbers = 500;
// A strip that went on by several spins is recognised only over this many
// numbers it still shares with the known one.
constexpr qsizetype skipOverlap = 3;

// Whether `strip` from index `from` on is the newest part of `known`: every
// number they share is the same, and they share at least `least`.
bool continues(const QList<int>& strip, qsizetype from, const QList<int>& known, qsizetype least)
{
    const qsizetype shared = std::min(strip.size() - from, known.size());
    if (shared < least)
        return false;
    return std::equal(strip.begin() + from, strip.begin() + from + shared, known.begin());
}

} // namespace

StripFollower::StripFollower(int unreadablePatience) : patience_(std::max(1, unreadablePatience)) {}

void StripFollower::restart()
{
    *this = StripFollower(patience_);
}

StripFollower::Step StripFollower::see(const QList<int>& grabbed)
{
    // Numbers that cannot be read at the oldest end (fading out, half under
    // the edge) are beyond the strip: the newest numbers decide.
    QList<int> reading = grabbed;
    while (!reading.isEmpty() && reading.last() == unreadNumber)
        reading.removeLast();
    if (reading.isEmpty()) {
        candidate_.clear();
        candidateSeen_ = false;
        if (++unreadable_ < patience_)
            return {};
        return uncertain(Step::Unreadable, {});
    }
    unreadable_ = 0;
    beside_ = grabbed.size() - reading.size();
    if (reading != candidate_ || !candidateSeen_) {
        // Seen once: it counts when the next grab reads it the same.
        candidateSeen_ = reading == candidate_;
        candidate_ = reading;
        if (!candidateSeen_)
            return {};
    }
    return settle(reading);
}

StripFollower::Step StripFollower::settle(const QList<int>& strip)
{
    if (std::any_of(strip.begin(), strip.end(), [](int n) { return n < 0 || n > 36; }))
        return uncertain(Step::OutOfRange, strip);

    if (known_.isEmpty()) {
        known_ = strip.mid(0, keptNumbers);
        lastWidth_ = strip.size();
        lastBeside_ = beside_;
        said_ = Step::NoReason;
        Step past;
        past.kind = Step::Past;
        past.strip = strip;
        return past;
    }

    const qsizetype n = strip.size();
    // The same strip (a reload, a tooltip gone, the same frame again), or a
    // part of it.
    if (continues(strip, 0, known_, std::min(n, known_.size()))) {
        known_ += strip.mid(known_.size()); // older numbers it shows now
        said_ = Step::NoReason;
        return {};
    }

    Step spin;
    spin.kind = Step::Spin;
    spin.number = strip.first();
    // A display of one number: a different number is a spin, unless what
    // lies unreadable beside it changed and the digits of one number are a
    // part of the other's (a tooltip over a digit of 22 leaves a 2 alone,
    // and the 22 comes back when it goes).
    if (n == 1 && lastWidth_ == 1) {
        const QString was = QString::number(known_.first());
        const QString now = QString::number(strip.first());
        if (beside_ != lastBeside_ && (was.contains(now) || now.contains(was)))
            return uncertain(Step::OutOfRange, strip + QList<int>(beside_, unreadNumber));
        lastBeside_ = beside_;
        known_.prepend(strip.first());
        known_.resize(std::min(known_.size(), keptNumbers));
        said_ = Step::NoReason;
        return spin;
    }

    // Shifted by one: everything after the newest number is the known strip.
    if (n >= 2 && continues(strip, 1, known_, 1)) {
        const QList<int> older = strip.mid(1 + known_.size());
        known_.prepend(strip.first());
        known_ += older; // numbers older than any seen, shown now that the strip is longer
        known_.resize(std::min(known_.size(), keptNumbers));
        lastWidth_ = n;
        said_ = Step::NoReason;
        return spin;
    }

    // Scrolled back: a window further into what has been seen (its oldest
    // end may reach further back than anything seen).
    if (n >= 2) {
        for (qsizetype from = 1; from < known_.size(); ++from) {
            if (continues(strip, 0, known_.mid(from), std::min(n, skipOverlap))) {
                said_ = Step::NoReason;
                return {};
            }
        }
    }

    // Gone on by several spins between two readings: the strip is known
    // again, but the spins in between are for the player to type.
    for (qsizetype k = 2; k + skipOverlap <= n; ++k) {
        if (continues(strip, k, known_, skipOverlap)) {
            const QList<int> passed = strip.mid(0, k);
            known_ = passed + known_;
            known_.resize(std::min(known_.size(), keptNumbers));
            lastWidth_ = n;
            return uncertain(Step::Skipped, passed);
        }
    }

    return uncertain(Step::NoShift, strip);
}

StripFollower::Step StripFollower::uncertain(Step::Reason reason, const QList<int>& strip)
{
    if (said_ == reason && saidStrip_ == strip)
        return {};
    said_ = reason;
    saidStrip_ = strip;
    Step step;
    step.kind = Step::Uncertain;
    step.reason = reason;
    step.strip = strip;
    return step;
}

} // namespace zt
