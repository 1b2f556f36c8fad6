#include "core/followedstrings.h"

namespace zt {

void FollowedStrings::add(const FollowedPhase& phase, long long count)
{
    phases_[phase] += count;
}

void FollowedStrings::add(const StringOutcome& outcome)
{
    using K = StringOutcome::Kind;
    const FollowedPhase toFirst{outcome.size, 1, outcome.attempts};
    const FollowedPhase toSecond{outcome.size, 2, outcome.attempts};
    switch (outcome.kind) {
    case K::CloseFirstHit:
    case K::CancelBeforeHit:
        add(toFirst);
        break;
    case K::CloseSecondHit:
    case K::CancelAfterHit:
        add(toFirst);
        add(toSecond);
        break;
    default:
        break;
    }
}

} // namespace zt
