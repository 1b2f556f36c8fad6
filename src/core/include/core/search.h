#pragma once
// Which settings would have worked, judged on spins they were not chosen on:
// every combination of a grid is verified on a choosing part of the rows and
// on the judging part that follows it (the rows are split where a game
// begins), the combinations are ranked on the choosing part, and the same
// search over random evenings as long as the choosing part shows how good
// the best of so many combinations looks by luck alone.

#include "core/verifier.h"

#include <cstdint>
#include <vector>

namespace zt {

// Where a choosing part that must hold the row `last` ends: the first row
// after it that starts a game (Memoria 1), or rows.size() when none does.
std::size_t gameEndAfter(const ReplayRows& rows, std::size_t last);

// The rows from `begin` to before `end`, as rows of their own.
ReplayRows rowsBetween(const ReplayRows& rows, std::size_t begin, std::size_t end);

// An evening of random spins shaped like the rows: as many rows, the games
// starting at the same rows, each number 0..36 equally likely and drawn from
// the seeded stream of that evening (the same seed, the same spins).
ReplayRows randomEvening(const ReplayRows& shape, std::uint64_t seed, std::uint64_t evening);

// What the combinations are ranked by, best first: the net in chips, or the
// staked spins that hit for each spin staked.
enum class SearchRank { Net, HitsPerSpin };
double rankValue(const VerifyResult& result, SearchRank rank);

struct SearchSettings {
    std::vector<VerifySettings> combinations;
    SearchRank rank = SearchRank::Net;
    int luckEvenings = 3;
    std::uint64_t seed = 1;
};

struct SearchResult {
    // Of every combination; the sets of rows: 0 the choosing part, 1 the
    // judging part.
    SharedRuns runs;
    // The distinct results, best first on the choosing part (equals in the
    // order of their first combination).
    std::vector<std::size_t> order;
    // Per random evening, the distinct result that was best there (the
    // first of equals), and that result on the evening.
    std::vector<std::size_t> luckBest;
    std::vector<VerifyResult> luckResults;

    static constexpr std::size_t choosing = 0;
    static constexpr std::size_t judging = 1;
};

// The search, on `threads` threads at once; progress grows by the passes of
// every combination over every set of rows.  Unfinished (runs.complete
// false) when control.stop was set.
SearchResult search(const ReplayRows& choose, const ReplayRows& judge,
                    const SearchSettings& settings, int threads, const RunControl& control = {});

// The passes a search makes, for its progress.
std::int64_t searchPasses(std::size_t chooseRows, std::size_t judgeRows,
                          const SearchSettings& settings);

} // namespace zt
