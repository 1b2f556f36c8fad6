#pragma once
// What the attempt tally counted of the strings the engine followed: for each
// close or cancellation reported to the results panel, the stretches of the
// string that it posted (one hit or one failure each), with the string's size
// and the attempts it had.  Kept beside the tally and cleared with it, so that
// the tally can be set against what strings of the same sizes would do by
// pure chance.

#include "core/engine.h"

#include <compare>
#include <map>

namespace zt {

// A stretch of a string ended by one post of the tally: from its creation to
// its first hit (attempts 1..last), or, awaiting the second hit, from the spin
// after the first hit (attempts 2..last).  Hit or not, it ends at `last`.
struct FollowedPhase {
    int size = 0;  // different numbers 0..36 of the string
    int first = 1; // attempt number of its first spin
    int last = 1;  // attempt number of its last spin (first - 1: no spin at all)
    auto operator<=>(const FollowedPhase&) const = default;
};

class FollowedStrings {
public:
    // The stretches that a reported close or cancellation posted: one for a
    // close at the first hit or a cancellation before any hit, two for a close
    // at the second hit or a cancellation after the first hit.  Other outcomes
    // record nothing.
    void add(const StringOutcome& outcome);
    void add(const FollowedPhase& phase, long long count = 1);
    void clear() { phases_.clear(); }
    bool isEmpty() const { return phases_.empty(); }
    // Each kind of stretch with how many times it was followed.
    const std::map<FollowedPhase, long long>& phases() const { return phases_; }

private:
    std::map<FollowedPhase, long long> phases_;
};

} // namespace zt
