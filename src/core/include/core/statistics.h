#pragma once
// The statistics of the recorded spins and of the followed strings, set
// against pure chance on a single-zero wheel (each number 1 in 37), as plain
// functions over plain values.  Every division is guarded: no spins, a group
// that chance never reaches or a test without two cells give figures marked
// as not computed, never a division by zero.

#include "core/chance.h"
#include "core/followedstrings.h"
#include "core/tally.h"

#include <QString>

#include <array>
#include <bitset>
#include <cstdint>
#include <span>
#include <vector>

namespace zt::stats {

inline constexpr int kNumbers = 37;

// A recorded spin as the statistics read it.
struct Spin {
    std::uint8_t number = 0; // 0..36
    std::uint8_t type = 0;   // game type: 1 "Live", 2 "Spin", 0 neither
};

enum class TypeFilter { All, Live, Spin };

// The numbers of the spins of the chosen type, in their order; only the last
// `lastCount` of them when lastCount > 0.
std::vector<std::uint8_t> selectNumbers(std::span<const Spin> spins, TypeFilter filter,
                                        long long lastCount);

// The upper regularized incomplete gamma function Q(a, x) = Γ(a, x) / Γ(a),
// for a > 0 and x ≥ 0 (1 at x = 0, 0 as x grows without bound).
double upperGammaQ(double a, double x);

// The chance of a chi-square statistic at least this large with `degrees`
// degrees of freedom: Q(degrees / 2, statistic / 2).
double chiSquarePValue(double statistic, int degrees);

// Pearson's chi-square of observed counts against their expectations.
struct ChiSquare {
    bool valid = false; // false: nothing to test (no counts, or fewer than two cells)
    double statistic = 0;
    int degrees = 0;
    double pValue = 1;
};
// Cells that chance never reaches (expectation 0) and that hold nothing are
// left out; one that holds something makes the statistic infinite (p = 0).
// The p-value is the chi-square distribution's, which holds for large
// expectations only: the tests of a run of spins take theirs from runs of the
// same length (chance.h) where it does not.
ChiSquare chiSquare(std::span<const double> observed, std::span<const double> expected);

// How many standard deviations `observed` lies from its expectation, for a
// count of `trials` each falling in with probability p; 0 when there is no
// spread (no trials, p of 0 or 1).
double zScore(double observed, double trials, double p);

// The chance that a count of `trials`, each falling in with probability p,
// is at least `count` (upper) or at most `count` (!upper).
double binomialTail(long long trials, double p, long long count, bool upper);

// One number among the hottest or coldest.
struct NumberFigure {
    int number = 0;
    long long count = 0;
    double z = 0;
    long long delay = 0; // spins since it last came out (all of them when never)
    bool seen = false;   // it came out at least once
};

// The numbers 0..36 over a run of spins.
struct NumberTable {
    long long spins = 0;
    std::array<long long, kNumbers> counts{};
    std::array<long long, kNumbers> delays{};
    std::array<bool, kNumbers> seen{};
    std::array<double, kNumbers> z{}; // each count against chance, in standard deviations
    double expected = 0; // spins / 37
    ChiSquare test;      // 36 degrees of freedom
    std::vector<NumberFigure> hottest; // five, most frequent first
    std::vector<NumberFigure> coldest; // five, least frequent first
    // The hottest and the coldest are the extremes of 37 numbers: the chance
    // that luck gives some number at least as many spins as the hottest
    // (at most as many as the coldest).  1 when there are no spins.  Like
    // the test's p-value, from runs of the same length where they are short.
    double hottestChance = 1;
    double coldestChance = 1;
};
NumberTable tabulate(std::span<const std::uint8_t> numbers);

using NumberMask = std::bitset<kNumbers>;

// A group of numbers: a bet (red, a dozen, a column) or a sector of the wheel.
struct Group {
    QString name;
    NumberMask members;
    bool tested = true;  // one of the cells of its grouping's test
    bool charted = true; // shown in the chart of the groups
};

// Groups that are compared with chance together.  The tested groups of a
// grouping share out the numbers 0..36, each number in exactly one.
struct Grouping {
    QString name;
    std::vector<Group> groups;
};

// Colours (red, black, zero), dozens and columns (with the zero as a cell of
// their tests), and the sectors of the wheel picture, their membership taken
// from the wheel layout: Gioco 0, Vicini dello 0 (which holds Gioco 0, so
// Gioco 0 is charted but not a cell of the test), Orfanelli, Serie 5 / 8.
const std::vector<Grouping>& groupings();

struct GroupFigure {
    QString name;
    long long observed = 0;
    double expected = 0;
    double z = 0;
    bool tested = true;
    bool charted = true;
};
struct GroupingFigure {
    QString name;
    std::vector<GroupFigure> groups;
    ChiSquare test;
    // The tested group whose term weighs most in the chi-square, and its
    // share of the statistic (0..1); -1 when the test is not valid.
    int heaviest = -1;
    double heaviestShare = 0;
};
std::vector<GroupingFigure> groupFigures(const NumberTable& table);

// Hits at attempt 1..last and failures for the stretches followed, beside
// what chance gives: a stretch of a string of k numbers is hit at its j-th
// spin with probability (1 - k/37)^(j-1) * k/37, and fails after all its
// spins with (1 - k/37)^spins.
struct AttemptFigures {
    int lastAttempt = 0; // attempts shown: 1..lastAttempt
    std::vector<long long> hits;      // index = attempt; [0] unused
    std::vector<double> chanceHits;   // index = attempt; [0] unused
    long long failures = 0;
    double chanceFailures = 0;
    double failuresZ = 0;             // failures against chance's, in standard deviations
    SidedChance failuresChance;       // of failures at least as far from chance's, on their side
    long long stretches = 0;          // stretches followed (each one post of the tally)
    long long tallied = 0;            // hits and failures counted by the tally
    double meanSize = 0;              // numbers per stretch, on average
};
// Chance's failures ([0]) and hits at each attempt 1..last ([a]) for the
// stretches followed.
std::vector<double> chanceAttempts(const FollowedStrings& followed, int last);
AttemptFigures compareAttempts(const ConteggioColpi& tally, const FollowedStrings& followed);

// How strongly a result speaks against luck alone, one scale for every
// verdict, by the chance p that luck gives a result at least as far from
// what it expects: Normal from 5 %, Hint from 1 %, Strong from 1 in 1000,
// VeryStrong below.
enum class Evidence { Normal, Hint, Strong, VeryStrong };
Evidence evidence(double p);
// "nella norma", "un indizio", "un forte indizio", "quasi una prova".
QString evidenceWords(Evidence level);
// How often: "30 volte su cento", "una volta su cento", "meno di una volta
// su cento", "meno di una volta su mille", "quasi sempre".
QString chanceText(double p);

// A plain sentence on a chi-square's p-value, for a player, beginning with
// the words of its evidence.
QString verdict(const ChiSquare& test);
// Only the words of its evidence, or "troppo poche uscite".
QString shortVerdict(const ChiSquare& test);
// A plain sentence on the failures of the proposals against chance's (by
// the one-sided failuresChance), beginning with the words of its evidence.
QString attemptsVerdict(const AttemptFigures& figures);

// A number in Italian form with `decimals` decimals ("3,14").
QString decimal(double value, int decimals = 2);

} // namespace zt::stats
