#include "core/tally.h"

#include "core/textrules.h"
#include "core/numberlist.h"

namespace zt {

bool ConteggioColpi::post(QStringView text)
{
    if (text == u"ok")
        return false;
    if (text == u"f" || text == u"F") {
        ++entries_[0];
        return true;
    }
    const double n = leadingNumber(text);
    if (!(n > 0 && n <= Last))
        return false;
    ++entries_[static_cast<int>(roundHalfEven(n))];
    return true;
}

std::optional<QString> addToCounterText(QStringView counter, double amount)
{
    if (!isWholeNumberText(counter))
        return std::nullopt;
    return plainNumberText(leadingNumber(counter.trimmed()) + amount);
}

ProposalCheck checkProposal(QStringView proposal, double sent)
{
    ProposalCheck check;
    forEachListItem(proposal, [&](double number) {
        ++check.numbers;
        if (number == sent)
            ++check.hits;
    });
    return check;
}

} // namespace zt
