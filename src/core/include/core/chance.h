#pragma once
// How often pure chance gives a result at least as far from what it expects
// as the one seen: the chance every graded verdict states.  Taken from the
// distribution that really applies to the run at hand, however short: summed
// exactly where it can be, otherwise drawn from a seeded simulation of the
// same run, with draws enough to settle the grade; the chi-square and normal
// approximations only on runs long enough for them to hold.

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

namespace zt::stats {

// The chance of a result at least this far from chance's expectation, on the
// side where it lies.
struct SidedChance {
    int side = 0;  // +1 above what chance expects, -1 below, 0 at it (or nothing to judge)
    double p = 1;  // the chance of a result at least as far on that side; 1 when side is 0
    bool simulated = false; // drawn from a simulation rather than summed
};

// A sum of independent draws, each from a distribution of whole values
// with their chances.  An evening's net is one: each stretch of a string
// followed (from its first attempt to its hit, or to its cancellation if
// no hit comes) nets what its stakes make of a hit at each attempt, or loses
// them all.  The failures of the followed strings another: 1 or 0 each.
class IndependentSum {
public:
    using Value = __int128;
    struct Outcome {
        Value value = 0;
        double p = 0;
        friend bool operator<(const Outcome& a, const Outcome& b)
        {
            return a.value != b.value ? a.value < b.value : a.p < b.p;
        }
    };
    // The outcomes of one draw, their chances summing to 1.
    using Kind = std::vector<Outcome>;

    // `count` more draws of this kind, that gave `seen` between them.
    void add(const Kind& kind, long long count = 1, Value seen = 0);
    // `count` more draws of weight with chance p (else 0), `successes` of them seen.
    void addBernoulli(long long weight, double p, long long count = 1, long long successes = 0);
    void add(const IndependentSum& other);
    bool isEmpty() const { return kinds_.empty(); }
    // What chance expects of the sum, and the sum seen.
    long double mean() const;
    Value observed() const { return observed_; }

    // The one-sided chance of a sum at least as far from its mean as `value`
    // (by default the one seen).
    SidedChance chance() const { return chance(observed_); }
    SidedChance chance(Value value) const;
    // The chance of a sum of at least `value` (drawn, where it must be, to
    // a hundredth or so: it decides no grade).
    double atLeast(Value value) const;

    // Each kind of draw with how many there are.
    const std::map<Kind, long long>& kinds() const { return kinds_; }

private:
    std::map<Kind, long long> kinds_;
    Value observed_ = 0;
};

// The grades' thresholds: a chance below 5 %, 1 %, 1 in 1000.
inline constexpr double kGradeLimits[] = {0.05, 0.01, 0.001};

// A share counted over seeded draws settles a grade once it lies clearly
// (four standard errors) on one side of every threshold.  The chance stated
// is (asFar + 1) / (draws + 1), never below what the draws can show.
bool gradeSettled(long long asFar, long long draws);
double drawnChance(long long asFar, long long draws);

// The tests on a run's numbers by simulation of runs of the same length:
// the chance of a chi-square of the 37 numbers (or of grouping `grouping` of
// groupings()) at least `statistic`, of some number coming out at least
// `most` times, of some number coming out at most `least` times.  Nothing
// when the run is long enough for the approximations to hold
// (kSimulatedSpins).
inline constexpr long long kSimulatedSpins = 37 * 25;
std::optional<double> numbersChance(long long spins, double statistic);
std::optional<double> groupingChance(long long spins, std::size_t grouping, double statistic);
std::optional<double> hottestChance(long long spins, long long most);
std::optional<double> coldestChance(long long spins, long long least);

} // namespace zt::stats
