// The spin bridge over arbitrary text written into it: "ok" does nothing;
// any other text enters exactly one spin, of the number the text names when
// it is a whole number from 1 to 36 and of 0 otherwise, on the design keypad
// and on the turned one alike.

#include "core/textrules.h"
#include "core/plainboard.h"
#include "fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = zt::fuzz::decode(data, size);
    const zt::fuzz::ExactText exact(text);
    const double named = text.isEmpty() ? 0 : zt::leadingNumber(text);
    const int expected = named >= 1 && named <= 36 && named == std::floor(named) ? int(named) : 0;

    for (bool turned : {false, true}) {
        zt::PlainBoard board;
        board.keepHistoryText = false;
        if (turned)
            board.invertKeypad();
        const int button = zt::bridgeButton(board, exact.view());
        ZT_FUZZ_CHECK(button >= 0 && button <= 36);
        ZT_FUZZ_CHECK(zt::leadingNumber(board.captions[button]) == expected);

        const bool entered = zt::enterBridgeSpin(board, board.history, exact.view());
        ZT_FUZZ_CHECK(entered == (text != u"ok"));
        ZT_FUZZ_CHECK(board.history.count() == (entered ? 1 : 0));
        if (entered) {
            ZT_FUZZ_CHECK(board.history.newest() == expected);
            ZT_FUZZ_CHECK(board.lastNumber == QString::number(expected));
        }
    }
    return 0;
}
