#pragma once
// What lives for the whole run of the program beside the windows: the attempt
// tally and the replay's event pacing, which outlive the outcome viewer's
// window, and whether the run is ending.  One value, owned by the start-up and
// handed to the windows, so that nothing of it is global.

#include "core/betting.h"
#include "core/followedstrings.h"
#include "core/replay.h"
#include "core/tally.h"

namespace zt {

struct Session {
    // ConteggioColpi: only "Azzera" clears it.
    ConteggioColpi tally;
    // The strings behind the tally's counts (their sizes), cleared with it.
    FollowedStrings followed;
    // Shared by every replay of the run, by hand or automatic.
    EventPacing pacing;
    // The money of the board's spins under the player's stakes: the evening
    // and the last "GO".
    LivePlay play;
    // Set when the main board is closed: loops that process events by
    // themselves stop at their next check.
    bool ending = false;
};

} // namespace zt
