#include "core/proposals.h"

#include "core/textrules.h"
#include "core/associations.h"
#include "core/history.h"

namespace zt {

// The proposals join table rows and numbers into one list and merge it; the
// merge of such a join is the list text of the union of their numbers, which
// is what is computed here.

QString defaultProposal(int drawn, QStringView filterText)
{
    QString text;
    if (filterText == u"Tutti" || leadingNumber(filterText) == drawn)
        AssociatiTre(text, drawn);
    return text;
}

QString quorixProposalFor(int h24, int h8, int& count)
{
    const NumberSet first = treNumbers(h24);
    const NumberSet second = treNumbers(h8);
    NumberSet all{first.bits | (second.isEmpty() ? first.bits : second.bits)};
    all.add(h24);
    all.add(h8);
    if (all.size() <= 7)
        return {};
    count = all.size();
    return numberListText(all);
}

QString quorixProposal(const History& history, int& count)
{
    if (history.count() <= 24)
        return {};
    const int h24 = history.hotNumber(24);
    const int h8 = history.hotNumber(8);
    // The same hot number twice gives at most four numbers: no proposal.
    if (h24 == h8)
        return {};
    return quorixProposalFor(h24, h8, count);
}

QString zentrimaProposalFor(int s)
{
    NumberSet all = dueNumbers(s);
    all.add(s);
    return numberListText(all);
}

QString zentrimaProposal(const History& history)
{
    const int c = history.count();
    if (c <= 5)
        return {};
    const int s = history.at(c - 1) + 2 * history.at(c - 3) + history.at(c - 5);
    return zentrimaProposalFor((s % 37 + 37) % 37);
}

} // namespace zt
