// The money of following the strings: simulated evenings (10,000 of 300
// random spins, the board's default mode, one chip flat and recovery with a
// bankroll) on one thread and on every core, by the wall clock, best of
// three; and what following the stakes adds to the replay of verify.

#include "bench.h"

#include "core/plainboard.h"
#include "core/verifier.h"

#include <QElapsedTimer>

#include <thread>

namespace {

struct Seconds {
    double wall = 1e300;
    double cpu = 1e300; // of this thread
};

Seconds simulationSeconds(const zt::VerifySettings& s, int threads)
{
    Seconds best;
    for (int run = 0; run < 3; ++run) {
        QElapsedTimer wall;
        wall.start();
        const double start = zt::bench::threadSeconds();
        const zt::SimulationFigures f = zt::simulateEvenings(s, threads);
        best.cpu = std::min(best.cpu, zt::bench::threadSeconds() - start);
        best.wall = std::min(best.wall, double(wall.nsecsElapsed()) / 1e9);
        if (f.evenings != s.simulation.evenings)
            qFatal("not every evening was played");
    }
    return best;
}

// A million random spins through the board without a window, default mode,
// history text skipped, with or without a purse following the stakes.
double spinsPerSecond(const std::vector<int>& buttons, bool withPurse)
{
    const zt::StakeTable table(zt::withProgression({}, u"recovery").value());
    zt::Purse purse(table);
    zt::PlainBoard board;
    board.keepHistoryText = false;
    board.stakeListener = withPurse ? &purse : nullptr;
    const double start = zt::bench::threadSeconds();
    for (int b : buttons)
        board.click(b);
    const double took = zt::bench::threadSeconds() - start;
    if (withPurse && purse.figures().stakedSpins == 0)
        qFatal("nothing staked");
    return double(buttons.size()) / took;
}

} // namespace

// The cost of following the stakes on the board's logic, both ways
// alternately, best of five each.
ZT_BENCH(stakesOnTheBoard)
{
    const std::vector<int> buttons = zt::bench::randomNumbers(1'000'000, 0x9e3779b97f4a7c15ull);
    double rate[2] = {0, 0};
    for (int run = 0; run < 5; ++run) {
        for (bool withPurse : {false, true})
            rate[withPurse] = std::max(rate[withPurse], spinsPerSecond(buttons, withPurse));
    }
    zt::bench::report(QStringLiteral("board logic, default mode, no stakes followed"), rate[0] / 1e6,
                      QStringLiteral("million spins/s"));
    zt::bench::report(QStringLiteral("  the same with the stakes followed (recovery)"),
                      rate[1] / 1e6, QStringLiteral("million spins/s"));
}

ZT_BENCH(simulatedEvenings)
{
    using zt::bench::report;
    const int cores = int(std::max(1u, std::thread::hardware_concurrency()));
    zt::VerifySettings flat;
    flat.simulation = {10'000, 300, 1};
    zt::VerifySettings recovery = flat;
    recovery.bet = zt::withProgression(recovery.bet, u"recovery").value();
    recovery.bet.bankroll = 200;
    for (const auto& [s, name] : {std::pair{flat, "flat"}, std::pair{recovery, "recovery, bankroll"}}) {
        const Seconds one = simulationSeconds(s, 1);
        report(QStringLiteral("10,000 evenings of 300 spins, %1, one thread (CPU time)").arg(name),
               one.cpu, QStringLiteral("s"));
        report(QStringLiteral("  the same by the wall clock"), one.wall, QStringLiteral("s"));
        report(QStringLiteral("  on %1 threads, by the wall clock").arg(cores),
               simulationSeconds(s, cores).wall, QStringLiteral("s"));
    }
}
