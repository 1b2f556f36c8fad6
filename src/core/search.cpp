#include "core/search.h"

#include "core/betting.h"

#include <algorithm>

namespace zt {

std::size_t gameEndAfter(const ReplayRows& rows, std::size_t last)
{
    for (std::size_t i = last + 1; i < rows.size(); ++i) {
        if (rows[i].read.startsGame)
            return i;
    }
    return rows.size();
}

ReplayRows rowsBetween(const ReplayRows& rows, std::size_t begin, std::size_t end)
{
    ReplayRows part;
    end = std::min(end, rows.size());
    part.reserve(end > begin ? end - begin : 0);
    for (std::size_t i = begin; i < end; ++i)
        part.append(rows[i]);
    return part;
}

ReplayRows randomEvening(const ReplayRows& shape, std::uint64_t seed, std::uint64_t evening)
{
    ReplayRows rows;
    rows.reserve(shape.size());
    SpinStream stream(seed, evening);
    for (std::size_t i = 0; i < shape.size(); ++i)
        rows.appendNumber(stream.next(), shape[i].read.startsGame);
    return rows;
}

double rankValue(const VerifyResult& result, SearchRank rank)
{
    const EveningFigures& f = result.money;
    if (rank == SearchRank::Net)
        return double(f.net());
    return f.stakedSpins > 0 ? double(f.hits) / double(f.stakedSpins) : 0;
}

std::int64_t searchPasses(std::size_t chooseRows, std::size_t judgeRows,
                          const SearchSettings& settings)
{
    const auto passes = [](std::size_t rows) { return std::max<std::int64_t>(1, rows); };
    return std::int64_t(settings.combinations.size()) *
           (passes(chooseRows) * (1 + std::max(settings.luckEvenings, 0)) + passes(judgeRows));
}

SearchResult search(const ReplayRows& choose, const ReplayRows& judge,
                    const SearchSettings& settings, int threads, const RunControl& control)
{
    const auto count = [](const ReplayRows& rows) { return QString::number(rows.size()); };
    SearchResult result;
    result.runs = verifyShared({&choose, &judge}, {count(choose), count(judge)},
                               settings.combinations, threads, control);
    if (!result.runs.complete)
        return result;

    const SharedRuns& runs = result.runs;
    const auto value = [&](std::size_t set, std::size_t run) {
        return rankValue(runs.results[set][run], settings.rank);
    };
    result.order.resize(runs.distinct);
    for (std::size_t d = 0; d < runs.distinct; ++d)
        result.order[d] = d;
    std::stable_sort(result.order.begin(), result.order.end(), [&](std::size_t a, std::size_t b) {
        return value(SearchResult::choosing, a) > value(SearchResult::choosing, b);
    });
    // The random evenings a few at a time, keeping only the best of each:
    // what is held does not grow with their number.  As many together (one
    // to four: their grouping of the combinations is made once) as keep the
    // results held, with the two parts', within about 600,000.  The same
    // combinations give the same distinct results, in the same order, on
    // every evening.
    const std::size_t combinations = std::max<std::size_t>(1, settings.combinations.size());
    const int together = int(std::clamp<std::size_t>(600'000 / combinations, 3, 6) - 2);
    for (int from = 0; from < settings.luckEvenings; from += together) {
        std::vector<ReplayRows> evenings;
        for (int e = from; e < std::min(settings.luckEvenings, from + together); ++e)
            evenings.push_back(randomEvening(choose, settings.seed, std::uint64_t(e)));
        std::vector<const ReplayRows*> sets;
        std::vector<QString> counts;
        for (const ReplayRows& evening : evenings) {
            sets.push_back(&evening);
            counts.push_back(count(evening));
        }
        const SharedRuns luck =
            verifyShared(sets, counts, settings.combinations, threads, control);
        if (!luck.complete) {
            result.runs.complete = false;
            return result;
        }
        for (const std::vector<VerifyResult>& evening : luck.results) {
            std::size_t best = 0;
            for (std::size_t d = 1; d < luck.distinct; ++d) {
                if (rankValue(evening[d], settings.rank) > rankValue(evening[best], settings.rank))
                    best = d;
            }
            result.luckBest.push_back(best);
            result.luckResults.push_back(evening[best]);
        }
    }
    return result;
}

} // namespace zt
