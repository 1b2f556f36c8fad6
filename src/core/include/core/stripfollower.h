#pragma once
// Following the strip of last numbers a casino shows beside its table, to
// tell when a spin has come out.
//
// Each grab of the screen gives a reading of the strip: its numbers, newest
// first, or nothing when the picture could not be read.  A spin is decided
// from the strip, never from one frame:
//
// - a strip counts only once it has been read the same on two grabs in a
//   row, so the frames of a sliding animation, a half-drawn strip or a
//   tooltip passing over it count for nothing;
// - a new spin is the known strip shifted by one with a new number at its
//   newest end (17 after 17 is a spin, since the strip moves);
// - the first strip seen is the past: it enters nothing;
// - a strip the same as the known one (a reload of the page), or a window
//   further back into what has been seen (a strip scrolled back), enters
//   nothing and is no fault;
// - anything else enters nothing and is uncertain, said once: a number
//   outside 0 to 36, a strip that matches no shift, a strip that went on by
//   more than one spin between two readings, or a strip that stays
//   unreadable.
//
// A strip of a single number (a big result display) cannot move: there a new
// spin is a number different from the last, and a repeat cannot be seen; a
// number that is a part of the last one's digits, or holds them, is uncertain
// when what lies unreadable beside it changed (a tooltip over a digit).

#include <QList>

namespace zt {

class StripFollower {
public:
    struct Step {
        enum Kind {
            Nothing,   // nothing new
            Past,      // the first strip seen: `strip`, newest first
            Spin,      // a spin of `number`
            Uncertain, // nothing entered, for `reason`; `strip` is what was read
        };
        enum Reason {
            NoReason,
            Unreadable, // no strip could be read for a while
            OutOfRange, // a number of the strip is not 0 to 36
            NoShift,    // the strip matches no shift of the known one
            Skipped,    // the strip went on by more than one spin: `strip` holds the
                        // numbers that came out, newest first, none entered
        };
        Kind kind = Nothing;
        Reason reason = NoReason;
        int number = -1;
        QList<int> strip;
    };

    // How many unreadable grabs in a row make the reading uncertain.
    explicit StripFollower(int unreadablePatience = 4);

    // A number of the strip that could not be read.
    static constexpr int unreadNumber = -1;

    // One grab: the numbers read, newest first (unreadNumber for one that
    // could not be read); empty when nothing could be read.
    Step see(const QList<int>& grabbed);

    // Starts again: the next strip seen is the past.
    void restart();

    // Whether the last thing said was a doubt, not yet over (the known strip
    // read again, or a spin, ends it).
    bool uncertain() const { return said_ != Step::NoReason; }

    // Every number the strip has shown since the past, newest first (at most
    // a few hundred kept).
    const QList<int>& known() const { return known_; }

private:
    Step settle(const QList<int>& strip);
    Step uncertain(Step::Reason reason, const QList<int>& strip);

    int patience_;
    QList<int> known_;     // newest first; empty before the past
    qsizetype lastWidth_ = 0; // how many numbers the strip showed last
    // Unreadable items at the oldest end of this grab, and of the strip when
    // it last changed.
    qsizetype beside_ = 0;
    qsizetype lastBeside_ = 0;
    QList<int> candidate_; // the last reading, waiting to be seen again
    bool candidateSeen_ = false;
    int unreadable_ = 0;
    // The uncertainty said last, so that it is said once.
    Step::Reason said_ = Step::NoReason;
    QList<int> saidStrip_;
};

} // namespace zt
