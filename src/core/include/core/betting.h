#pragma once
// What following the proposals costs: the stakes a player puts on a followed
// string at each attempt (flat, a list by attempt, or recovery), the money of
// an evening spin by spin, and beside it what chance gives for the same
// stakes on a single-zero wheel.  Plain values, no allocation per spin.
//
// The betting rule: while a string of k numbers is followed, each of its
// numbers carries s(a) chips at the spin of attempt a; a hit returns 36 s(a)
// (35 to 1 and the stake) on the number hit, so the spin nets 36 s(a) - k s(a);
// a miss loses k s(a).  Chance expects -k s(a) / 37 of the spin, with the
// variance (36 s(a))^2 (k/37)(1 - k/37).

#include "core/chance.h"
#include "core/engine.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace zt {

// Chips are whole: a stake per number in 64 bits, the sums of an evening in
// 128 (a stake per number is at most StakeTable::ceiling, so no evening of
// any length the program plays comes near their end).
using Chips = qint64;
using ChipSum = __int128;

// How a player stakes, in chips.
struct BetSettings {
    enum class Progression { Flat, List, Recovery };
    Progression progression = Progression::Flat;
    // Progression::List: multiples of the stake by attempt, the last repeated.
    std::vector<Chips> list;
    Chips stake = 1;    // chips per number; the unit of a list; the least stake of recovery
    Chips target = 1;   // recovery: what a hit at any attempt nets at least, in chips
    Chips tableMax = 0; // the table's largest stake per number (0: none)
    Chips bankroll = 0; // chips the evening starts with (0: none, never ruined)
    double chip = 1;    // the value of a chip in the player's money, whole cents
};

// The longest list a progression may be.
inline constexpr int longestProgression = 1000;

// Evenings of random spins played with the same settings.
struct SimulationSettings {
    int evenings = 0; // none: 0
    int spins = 300;
    std::uint64_t seed = 1;
};

// A progression as written in an option or the settings file: "flat",
// "recovery", or whole multiples separated by commas ("1,1,2,3,5,8").
std::optional<BetSettings> withProgression(BetSettings settings, QStringView text);
QString progressionText(const BetSettings& settings);

// The stakes by string size and attempt.  Stakes are whole chips, cut only
// to the table's maximum; without one, a stake the progression asks for
// above the ceiling of 10^15 chips per number is not made (overLimit).
class StakeTable {
public:
    static constexpr Chips ceiling = 1'000'000'000'000'000;

    struct Stake {
        Chips chips = 0;     // per number; 0: nothing staked
        bool capped = false; // the progression asked for more than the table's maximum
        bool overLimit = false; // it asked for more than the ceiling: not staked
    };

    explicit StakeTable(const BetSettings& settings = {});

    // The stake per number for a string of `size` numbers at attempt (from 1).
    Stake at(int size, int attempt) const
    {
        if (size < 1 || size > 37)
            return {};
        const Column& c = columns_[size];
        const int i = attempt < 1 ? 0 : attempt > int(c.size()) ? int(c.size()) - 1 : attempt - 1;
        return c[i];
    }
    // Recovery cannot make a string of 36 or 37 numbers win: a hit returns at
    // most what the spin staked.  Such strings are not staked.
    bool recoverable(int size) const;
    // The first attempt (from 1) whose stake for `size` numbers is over the
    // ceiling; 0 when none is.
    int firstOverLimit(int size) const;

private:
    using Column = std::vector<Stake>; // attempts 1.., the last repeated
    std::array<Column, 38> columns_;
    BetSettings::Progression progression_;
};

// The stretches of the strings a player stakes on: each from its first
// staked attempt to its hit, or to the attempt that cancels it unhit.  The
// spins of a string are not independent draws (a hit ends its stakes, a miss
// raises them): its stretch is, with a chance for a hit at each attempt.
class StakedStretches {
public:
    struct Stretch {
        int size = 0;
        int first = 1;
        int last = 1; // the last attempt it can reach: its cancellation, or
                      // the last staked when it was cut short unhit
        long long count = 0;
    };
    // A staked spin (spin.last: the attempt that cancels it; 0 not known).
    void follow(const FollowedSpin& spin);
    const std::vector<Stretch>& closed() const { return closed_; }
    // The stretch followed now, not hit yet (count 0: none).
    Stretch open() const { return {size_, first_, next_ - 1, size_ > 0 ? 1 : 0}; }

private:
    void close(int last);
    std::vector<Stretch> closed_;
    int size_ = 0;
    int first_ = 1;
    int next_ = 1;
    int cancelAt_ = 0;
};

// The money of an evening and chance beside it, in chips.
struct EveningFigures {
    long long spins = 0;         // spins entered
    long long stakedSpins = 0;   // of them, spins with a stake
    long long hits = 0;          // staked spins that hit
    long long capped = 0;        // stakes cut to the table's maximum
    long long unrecoverable = 0; // spins of a string recovery cannot make win (not staked)
    long long overLimit = 0; // spins whose stake would be over StakeTable::ceiling (not staked)
    long long longestLosingRun = 0; // staked spins in a row that lost
    ChipSum staked = 0;
    ChipSum returned = 0;
    double expected = 0; // chance's net: -staked / 37
    double variance = 0; // chance's variance of the net
    ChipSum maxDrawdown = 0; // the largest fall of the balance from a peak
    Chips maxStake = 0;      // the largest stake per number
    bool ruined = false;    // the bankroll could not cover a stake
    long long ruinSpin = 0; // the spin (from 1) it could not cover
    // The stretches staked on, whose nets make the evening's (netChance).
    StakedStretches stretches;

    ChipSum net() const { return returned - staked; }
    double sd() const;
    // How many standard deviations the net lies from chance's (0 without stakes).
    double z() const;
    // The net for each chip staked (0 without stakes).
    double returnOnStake() const;
};

// The balance after a spin, with chance's expectation and spread there.
struct BalancePoint {
    float balance = 0;
    float expected = 0;
    float sd = 0;
};

// An evening followed spin by spin, as the spin entry reports it.
class Purse final : public StakeListener {
public:
    // The table must outlive the purse (or the next setTable()).
    explicit Purse(const StakeTable& table, Chips bankroll = 0) : table_(&table), bankroll_(bankroll) {}
    void setTable(const StakeTable& table, Chips bankroll)
    {
        table_ = &table;
        bankroll_ = bankroll;
    }
    // A trace of the balance, one point per spin entered, appended to `trace`
    // (nullptr: none).
    void keepTrace(std::vector<BalancePoint>* trace) { trace_ = trace; }

    void followed(const FollowedSpin& spin) override;
    void spinEntered() override;
    // `count` spins entered one after another with nothing staked.
    void spinsEntered(long long count);

    const EveningFigures& figures() const { return figures_; }
    ChipSum balance() const { return figures_.net(); }
    // Starts the evening again (the table and the trace stay).
    void clear();

private:
    const StakeTable* table_;
    Chips bankroll_;
    EveningFigures figures_;
    ChipSum peak_ = 0;
    long long losingRun_ = 0;
    std::vector<BalancePoint>* trace_ = nullptr;
};

// The play of the run as the board's spins come: the evening since the start
// (or "Nuova serata") and the last "GO" of the outcome viewer, each with its
// balance spin by spin, under the settings of the money window.  The spins a
// "GO" replays are its own: the evening does not count them.
class LivePlay final : public StakeListener {
public:
    LivePlay();
    LivePlay(const LivePlay&) = delete;
    LivePlay& operator=(const LivePlay&) = delete;

    const BetSettings& settings() const { return settings_; }
    void setSettings(const BetSettings& settings);
    const StakeTable& table() const { return table_; }

    void newEvening();
    // A "GO" begins: its purse starts again and follows the spins until endGo().
    void startGo();
    void endGo();
    bool goRunning() const { return goRunning_; }

    const Purse& evening() const { return evening_; }
    const Purse& lastGo() const { return go_; }
    const std::vector<BalancePoint>& eveningTrace() const { return eveningTrace_; }
    const std::vector<BalancePoint>& goTrace() const { return goTrace_; }
    // Grows with every change (a spin, a new evening, a "GO", new settings).
    std::uint64_t version() const { return version_; }

    void followed(const FollowedSpin& spin) override;
    void spinEntered() override;

private:
    BetSettings settings_;
    StakeTable table_;
    std::vector<BalancePoint> eveningTrace_;
    std::vector<BalancePoint> goTrace_;
    Purse evening_;
    Purse go_;
    bool goRunning_ = false;
    std::uint64_t version_ = 0;
};

// When the spins of an evening were entered, from their recorded times
// (ISO 8601 with the offset, "2026-12-06T22:15:03+01:00").
class SpinClock {
public:
    // A time text; one that does not read as a time is left out.
    void add(QStringView isoText);
    long long timed() const { return timed_; }
    const QDateTime& first() const { return first_; }
    const QDateTime& last() const { return last_; }
    // Spins an hour between the first and the last time; 0 when they are
    // fewer than two or no time passed.
    double perHour() const;

private:
    long long timed_ = 0;
    QDateTime first_;
    QDateTime last_;
};

// The simulated evenings: the final balance of each (sorted), its
// percentiles, how many were ruined, and the mean against chance's.  A
// percentile is the balance of an evening: the least one that at least that
// share of the evenings did not exceed.
struct SimulationFigures {
    int evenings = 0;
    int spins = 0;
    std::uint64_t seed = 0;
    std::vector<ChipSum> finals; // ascending
    ChipSum p5 = 0, p25 = 0, p50 = 0, p75 = 0, p95 = 0;
    double ruinedShare = 0;
    double meanNet = 0;
    double meanStaked = 0;
    double meanExpected = 0; // -meanStaked / 37
    double standardError = 0; // of meanNet; 0 for a single evening
};
// The figures of the final balances and staked chips of each evening (in
// evening order) and the ruined evenings.
SimulationFigures simulationFigures(std::vector<ChipSum> finals, const std::vector<ChipSum>& staked,
                                    long long ruined);
// The least of the sorted values that at least the share p (0..1) of them
// does not exceed (0 for none).
ChipSum percentileOf(const std::vector<ChipSum>& sorted, double p);

// A seeded stream of spins 0..36, each equally likely; the same seed and
// evening give the same spins.
class SpinStream {
public:
    SpinStream(std::uint64_t seed, std::uint64_t evening);
    int next();

private:
    std::uint64_t state_;
};

// The chance that luck alone leaves a net at least as far from chance's
// expectation as this evening's, on its side, with the same stretches staked
// on under the same settings: from the exact distribution of the net (or a
// seeded simulation of the same stretches where that grows too large).
stats::SidedChance netChance(const EveningFigures& f, const BetSettings& settings);
stats::SidedChance netChance(const EveningFigures& f, const StakeTable& table);
// The chance that luck alone, with the same stakes, leaves a net above 0.
double chanceOfGain(const EveningFigures& f, const BetSettings& settings);
// In words, how far the net lies from chance, on the statistics' one scale
// by netChance: "nella norma", "un indizio", "un forte indizio", "quasi una
// prova" (chance alone goes as far on that side less than 5, 1, 0.1 times in
// 100), with the side ("sopra il caso" / "sotto il caso") and how often.
QString netVerdict(const EveningFigures& f, const BetSettings& settings);

// An amount of chips for a player: whole chips ("-12"), or with a chip value
// other than 1 the money ("-6,00").  For figures that are estimates (a
// spread, a mean).
QString amountText(double chips, double chip);
// The same for the CSV: plain decimal with a point, at most 4 decimals.
QString csvAmount(double value);
// An exact amount, chips / divisor (the divisor 37 makes chance's
// expectation): whole chips, or to the cent where a chip value other than 1
// or the division leaves a fraction; Italian grouping for the player, plain
// with a point (at most 4 decimals) in the CSV.
QString moneyText(ChipSum chips, double chip, int divisor = 1);
QString csvMoney(ChipSum chips, double chip, int divisor = 1);
// A whole chip count for the player ("1.000.000") and for the CSV.
QString chipsText(ChipSum chips);
QString csvChips(ChipSum chips);
// A chip value in cents (2,50 is 250): the value is taken to the cent.
qint64 centsOf(double chip);
// The largest chip value.
inline constexpr double largestChip = 1e9;
// A chip value as a player writes it: "2,5", "2.5", "0,25" (a decimal comma
// or point, at most two decimals), at least 0,01 and under largestChip;
// nullopt for anything else.
std::optional<double> chipValue(QStringView text);

// The figures of an evening as "name: value" lines for a player: staked,
// returned, net, return, chance's expectation and spread, z with its verdict,
// drawdown, largest stake, longest losing run; the caps when a table maximum
// is set or something was capped, the ruin when a bankroll is set, the
// strings recovery cannot make win when there were any.
QStringList eveningLines(const EveningFigures& f, const BetSettings& settings);
// The session's times: began, ended, spins an hour (nothing without times).
QStringList clockLines(const SpinClock& clock);
// The simulated evenings in lines.
QStringList simulationLines(const SimulationFigures& s, const BetSettings& settings);

// One row of the stakes by attempt for `size` numbers: the stake per number,
// the spin's stake, everything staked on the string up to it, and the net of
// a hit at it.
struct ProgressionRow {
    int attempt = 0;
    StakeTable::Stake stake;
    ChipSum spinStake = 0;
    ChipSum atRisk = 0;
    ChipSum hitNet = 0;
};
std::vector<ProgressionRow> progressionRows(const StakeTable& table, int size, int attempts);

} // namespace zt
