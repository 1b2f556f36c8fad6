// Spins per second through the board logic without a window: the whole spin
// entry (history, strings engine, proposal, keypad colours) over PlainBoard.
// Rates are per second of this thread's CPU time, so that other programs on
// the machine do not count against them.

#include "bench.h"

#include "core/plainboard.h"

#include <algorithm>
#include <cstdint>
#include <ctime>
#include <vector>

namespace {

constexpr int spinCount = 1'000'000;

enum class Mode { Default, Quorix, Zentrima };

double spinsPerSecond(Mode mode, bool historyText, const std::vector<int>& buttons, int* proposals)
{
    zt::PlainBoard board;
    board.quorix = mode == Mode::Quorix;
    board.zentrima = mode == Mode::Zentrima;
    board.keepHistoryText = historyText;
    const QString zero = QStringLiteral("0");
    int made = 0;
    const double start = zt::bench::threadSeconds();
    for (int b : buttons) {
        board.click(b);
        // A string that starts on this spin shows the delay "0".
        made += !board.row.note.isEmpty() && board.row.firstDelay == zero;
    }
    const double took = zt::bench::threadSeconds() - start;
    *proposals = made;
    return double(buttons.size()) / took;
}

} // namespace

ZT_BENCH(boardLogicSpins)
{
    const std::vector<int> buttons = zt::bench::randomNumbers(spinCount, 0x9e3779b97f4a7c15ull);
    const std::pair<Mode, const char*> modes[] = {
        {Mode::Default, "default"}, {Mode::Quorix, "Quorix"}, {Mode::Zentrima, "Zentrima13"}};
    for (bool historyText : {false, true}) {
        for (auto [mode, name] : modes) {
            // The best of three runs of the million spins.
            int proposals = 0;
            double rate = 0;
            for (int run = 0; run < 3; ++run)
                rate = std::max(rate, spinsPerSecond(mode, historyText, buttons, &proposals));
            const QString what = QStringLiteral("%1 spins, %2")
                                     .arg(QLatin1String(name))
                                     .arg(historyText ? QLatin1String("history box text built")
                                                      : QLatin1String("history box text skipped"));
            zt::bench::report(what, rate / 1e6, QStringLiteral("million spins/s"));
            zt::bench::report(
                QStringLiteral("%1 strings started per 1e6 spins").arg(QLatin1String(name)),
                proposals, QString());
        }
    }
}
