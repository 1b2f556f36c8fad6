// The composite strings engine, through the spin entry of a board without a
// window, over an arbitrary proposal text (typed by the player) and arbitrary
// settings and spins.  After every spin: the keypad paints exactly the
// proposal's numbers 1..36 (none when there is no proposal), the delays stay
// within the maximum, the second phase is only reached in the second-hit mode
// and only with a proposal, the history grew by the spin or was reset, and
// every report is well formed.
//
// Input: flags, maximum delay, rows setting, spin count, the spins (keypad
// indexes), then the proposal text.

#include "core/textrules.h"
#include "core/associations.h"
#include "core/plainboard.h"
#include "fuzzsupport.h"

#include <algorithm>

namespace {

struct Reports : zt::StringsReportTarget {
    bool reportsEnabled() const override { return true; }
    void appendDetail(const QString& text) override
    {
        ZT_FUZZ_CHECK(text == u" F," || (text.endsWith(u", ") && text.startsWith(u' ')));
    }
    void post(const QString& text) override
    {
        ZT_FUZZ_CHECK(text == u"F" || (zt::isWholeNumberText(text) && text.startsWith(u' ') &&
                                       zt::leadingNumber(text) >= 1));
        ++posts;
    }
    void addVerified() override { ++closed; }
    void addCancelledBeforeHit() override { ++cancelled; }
    void addCancelledAfterHit() override { ++cancelled; }
    int posts = 0;
    int closed = 0;
    int cancelled = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 4)
        return 0;
    const uint8_t flags = data[0];
    zt::PlainBoard board;
    board.keepHistoryText = false;
    board.strings.highlight = flags & 1;
    board.strings.checkFirst = flags & 2;
    board.strings.checkSecond = flags & 4;
    board.strings.resetAfter = flags & 8;
    board.lock = flags & 16;
    board.quorix = flags & 32;
    board.zentrima = !board.quorix && (flags & 64);
    if (flags & 128)
        board.invertKeypad();
    board.strings.maxDelay = double(int8_t(data[1]));
    board.strings.rows = double(data[2] % 4) - 1;
    const size_t spins = std::min<size_t>(data[3] % 64, size - 4);
    const uint8_t* spin = data + 4;
    board.row.note = zt::fuzz::decode(spin + spins, size - 4 - spins);

    Reports reports;
    board.reportTarget = &reports;
    const double longest = std::max(0.0, board.strings.maxDelay - 1);
    for (size_t i = 0; i < spins; ++i) {
        const int countBefore = board.history.count();
        const int resetsBefore = board.resets;
        board.click(spin[i] % 37);

        const QString& note = board.row.note;
        ZT_FUZZ_CHECK((board.yellow.bits & ~((uint64_t(1) << 37) - 2)) == 0);
        if (note.isEmpty())
            ZT_FUZZ_CHECK(board.yellow.isEmpty());
        else if (board.strings.highlight)
            ZT_FUZZ_CHECK(board.yellow == zt::highlightedNumbers(note));

        const double first = zt::leadingNumber(board.row.firstDelay);
        const double second = zt::leadingNumber(board.row.secondDelay);
        ZT_FUZZ_CHECK(first >= 0 && first <= longest && first == std::floor(first));
        ZT_FUZZ_CHECK(second >= 0 && second <= longest && second == std::floor(second));
        ZT_FUZZ_CHECK(!board.row.red || (board.strings.checkSecond && !note.isEmpty()));

        if (board.resets == resetsBefore)
            ZT_FUZZ_CHECK(board.history.count() ==
                          std::min(countBefore + 1, board.history.size()));
        else
            ZT_FUZZ_CHECK(board.history.isEmpty());
    }
    ZT_FUZZ_CHECK(reports.posts >= reports.closed + reports.cancelled);
    return 0;
}
