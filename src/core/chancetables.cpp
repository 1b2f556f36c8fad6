// The tests on the numbers of a run set against runs of random spins of the
// same length: a test's statistic depends only on how many spins the run has,
// so the simulated runs of each length are drawn once and kept (the last few
// lengths asked for), and drawn further when a chance lies too near a grade's
// threshold for the draws made to settle it.

#include "core/chance.h"

#include "core/statistics.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <list>
#include <mutex>

namespace zt::stats {

namespace {

constexpr long long kFirstDraws = 20000;
constexpr double kMostSpinsDrawn = 6e7; // draws × spins, for one length
constexpr long long kMostDraws = 200000;
constexpr std::size_t kLengthsKept = 4;

// The tested cells of a grouping: for each number its cell (-1: none), and
// each cell's share of the numbers.
struct Cells {
    std::array<int, kNumbers> of{};
    std::vector<double> share;
};

std::vector<Cells> groupingCells()
{
    std::vector<Cells> all;
    for (const Grouping& g : groupings()) {
        Cells c;
        c.of.fill(-1);
        for (const Group& group : g.groups) {
            if (!group.tested)
                continue;
            for (int n = 0; n < kNumbers; ++n) {
                if (group.members[std::size_t(n)])
                    c.of[n] = int(c.share.size());
            }
            c.share.push_back(double(group.members.count()) / kNumbers);
        }
        all.push_back(std::move(c));
    }
    return all;
}

// Runs of random spins of one length, and what each test found in them.
class NullRuns {
public:
    explicit NullRuns(long long spins) : spins_(spins), cells_(groupingCells())
    {
        groupings_.resize(cells_.size());
        extend(kFirstDraws);
    }
    long long spins() const { return spins_; }
    long long mostDraws() const
    {
        return std::max(kFirstDraws,
                        std::min(kMostDraws, (long long)(kMostSpinsDrawn / double(spins_))));
    }
    long long draws() const { return draws_; }

    // The runs that went at least as far: a chi-square at least `statistic`...
    long long numbersAtLeast(long long squares) const { return atLeast(squares_, squares); }
    long long groupingAtLeast(std::size_t g, double statistic) const
    {
        return atLeast(groupings_[g], statistic * (1 - 1e-9) - 1e-12);
    }
    long long mostAtLeast(int most) const { return atLeast(most_, most); }
    long long leastAtMost(int least) const
    {
        return std::upper_bound(least_.begin(), least_.end(), least) - least_.begin();
    }

    void extend(long long to)
    {
        to = std::min(to, mostDraws());
        std::array<int, kNumbers> counts;
        std::vector<double> observed;
        for (; draws_ < to; ++draws_) {
            counts.fill(0);
            for (long long i = 0; i < spins_; i += 2) {
                const std::uint64_t r = next();
                ++counts[((r & 0xFFFFFFFFu) * kNumbers) >> 32];
                if (i + 1 < spins_)
                    ++counts[((r >> 32) * kNumbers) >> 32];
            }
            long long squares = 0;
            for (int c : counts)
                squares += (long long)c * c;
            squares_.push_back(squares);
            most_.push_back(*std::max_element(counts.begin(), counts.end()));
            least_.push_back(*std::min_element(counts.begin(), counts.end()));
            for (std::size_t g = 0; g < cells_.size(); ++g) {
                observed.assign(cells_[g].share.size(), 0.0);
                for (int n = 0; n < kNumbers; ++n) {
                    if (cells_[g].of[n] >= 0)
                        observed[std::size_t(cells_[g].of[n])] += counts[n];
                }
                double statistic = 0;
                for (std::size_t c = 0; c < observed.size(); ++c) {
                    const double e = double(spins_) * cells_[g].share[c];
                    statistic += (observed[c] - e) * (observed[c] - e) / e;
                }
                groupings_[g].push_back(statistic);
            }
        }
        std::sort(squares_.begin(), squares_.end());
        std::sort(most_.begin(), most_.end());
        std::sort(least_.begin(), least_.end());
        for (auto& g : groupings_)
            std::sort(g.begin(), g.end());
    }

private:
    template <class T, class U> static long long atLeast(const std::vector<T>& sorted, U value)
    {
        return sorted.end() - std::lower_bound(sorted.begin(), sorted.end(), value);
    }
    std::uint64_t next()
    {
        state_ += 0x9E3779B97F4A7C15ull;
        std::uint64_t z = state_;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    long long spins_;
    std::vector<Cells> cells_;
    long long draws_ = 0;
    std::uint64_t state_ = 0x37C0FFEEull;
    std::vector<long long> squares_;
    std::vector<int> most_;
    std::vector<int> least_;
    std::vector<std::vector<double>> groupings_;
};

std::mutex guard;

// The runs of this length, the most lately asked first.
NullRuns& runsOf(long long spins)
{
    static std::list<NullRuns> kept;
    for (auto it = kept.begin(); it != kept.end(); ++it) {
        if (it->spins() == spins) {
            kept.splice(kept.begin(), kept, it);
            return kept.front();
        }
    }
    if (kept.size() >= kLengthsKept)
        kept.pop_back();
    kept.emplace_front(spins);
    return kept.front();
}

// The chance the runs give, drawn further until the grade is settled.
template <class Count> std::optional<double> settled(long long spins, Count count)
{
    if (spins <= 0 || spins > kSimulatedSpins)
        return std::nullopt;
    const std::lock_guard<std::mutex> lock(guard);
    NullRuns& runs = runsOf(spins);
    long long asFar = count(runs);
    while (!gradeSettled(asFar, runs.draws()) && runs.draws() < runs.mostDraws()) {
        runs.extend(runs.draws() * 4);
        asFar = count(runs);
    }
    return drawnChance(asFar, runs.draws());
}

} // namespace

std::optional<double> numbersChance(long long spins, double statistic)
{
    // The statistic is 37 Σc² / spins − spins: the sum of squares is whole.
    const double squares = (statistic + double(spins)) * double(spins) / kNumbers;
    if (!std::isfinite(squares))
        return std::nullopt;
    const long long whole = std::llround(squares);
    return settled(spins, [&](const NullRuns& r) { return r.numbersAtLeast(whole); });
}

std::optional<double> groupingChance(long long spins, std::size_t grouping, double statistic)
{
    if (grouping >= groupings().size() || !std::isfinite(statistic))
        return std::nullopt;
    return settled(spins, [&](const NullRuns& r) { return r.groupingAtLeast(grouping, statistic); });
}

std::optional<double> hottestChance(long long spins, long long most)
{
    return settled(spins, [&](const NullRuns& r) { return r.mostAtLeast(int(most)); });
}

std::optional<double> coldestChance(long long spins, long long least)
{
    return settled(spins, [&](const NullRuns& r) { return r.leastAtMost(int(least)); });
}

} // namespace zt::stats
