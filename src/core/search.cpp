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
    std::vector<ReplayRows> evenings;
    for (int e = 0; e < settings.luckEvenings; ++e)
        evenings.push_back(randomEvening(choose, settings.seed, std::uint64_t(e)));
    std::vector<const ReplayRows*> sets{&choose, &judge};
    for (const ReplayRows& e : evenings)
        sets.push_back(&e);
    std::vector<QString> counts;
    for (const ReplayRows* rows : sets)
        counts.push_back(QString::number(rows->size()));

    SearchResult result;
    result.runs = verifyShared(sets, counts, settings.combinations, threads, control);
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
    for (std::size_t e = 0; e < evenings.size(); ++e) {
        std::size_t best = 0;
        for (std::size_t d = 1; d < runs.distinct; ++d) {
            if (value(SearchResult::luckSet(e), d) > value(SearchResult::luckSet(e), best))
                best = d;
        }
        result.luckBest.push_back(best);
    }
    return result;
}

} // namespace zt
