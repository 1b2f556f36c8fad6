// The tally mailbox, the panel counters and the proposal check over arbitrary
// text: a post counts at most one entry, exactly the one its text names; a
// counter that takes an increment reads back as its value plus the amount and
// can take the next one; a proposal check counts every number of the list.

#include "core/textrules.h"
#include "core/numberlist.h"
#include "fuzzsupport.h"
#include "core/tally.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = zt::fuzz::decode(data, size);
    const zt::fuzz::ExactText exact(text);

    // The mailbox.
    zt::ConteggioColpi tally;
    const bool counted = tally.post(exact.view());
    long long total = 0;
    int countedAt = -1;
    for (int i = 0; i <= zt::ConteggioColpi::Last; ++i) {
        ZT_FUZZ_CHECK(tally.entry(i) == 0 || tally.entry(i) == 1);
        total += tally.entry(i);
        if (tally.entry(i))
            countedAt = i;
    }
    ZT_FUZZ_CHECK(total == (counted ? 1 : 0));
    const double n = zt::leadingNumber(text);
    if (text == u"f" || text == u"F")
        ZT_FUZZ_CHECK(countedAt == 0);
    else if (text != u"ok" && n > 0 && n <= 100)
        ZT_FUZZ_CHECK(countedAt == int(zt::roundHalfEven(n)));
    else
        ZT_FUZZ_CHECK(!counted);

    // A counter of the panel.
    double amount = 1;
    if (size >= sizeof amount) {
        std::memcpy(&amount, data, sizeof amount);
        if (!(amount >= 1 && amount <= 1e6))
            amount = 1;
        amount = std::floor(amount);
    }
    const std::optional<QString> sum = zt::addToCounterText(exact.view(), amount);
    ZT_FUZZ_CHECK(sum.has_value() == zt::isWholeNumberText(text));
    if (sum) {
        const double before = zt::leadingNumber(text.trimmed());
        // Sums from 10^15 on are written with an exponent ("1e+15").
        if (std::fabs(before + amount) < 1e15) {
            ZT_FUZZ_CHECK(zt::fuzz::nearlyEqual(zt::leadingNumber(*sum), before + amount));
            ZT_FUZZ_CHECK(zt::addToCounterText(*sum, 1).has_value());
        }
    }

    // The proposal check against each number that can be sent.
    int items = 0;
    zt::forEachListItem(exact.view(), [&](double) { ++items; });
    for (int sent = 0; sent <= 36; ++sent) {
        const zt::ProposalCheck check = zt::checkProposal(exact.view(), sent);
        ZT_FUZZ_CHECK(check.numbers == items);
        ZT_FUZZ_CHECK(check.hits >= 0 && check.hits <= check.numbers);
    }
    return 0;
}
