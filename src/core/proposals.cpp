#include "core/proposals.h"

#include "core/history.h"
#include "core/textrules.h"

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

namespace zt {

// The proposals join table rows and numbers into one list and merge it; the
// merge of such a join is the list text of the union of their numbers, which
// is what is computed here.  Every proposal the board can make is made once,
// on first use, into a table that lasts for the run: its text is copied
// without touching a reference count, so boards on several threads share
// them freely.

namespace {

// The text over storage of its own that is never freed.
QString lastingText(const QString& text)
{
    if (text.isEmpty())
        return QString();
    auto* storage = new char16_t[std::size_t(text.size())];
    std::copy(text.utf16(), text.utf16() + text.size(), storage);
    return QString::fromRawData(reinterpret_cast<const QChar*>(storage), text.size());
}

ProposalText proposalOf(const QString& text, int count = 0)
{
    if (text.isEmpty())
        return {};
    return {lastingText(text), listFacts(text), count,
            count > 0 ? lastingText(QString::number(count)) : QString()};
}

const ProposalText& noProposal()
{
    static const ProposalText none;
    return none;
}

const ProposalText& treProposal(int n)
{
    static const auto rows = [] {
        std::array<ProposalText, 37> all;
        for (int i = 0; i <= 36; ++i) {
            QString text;
            AssociatiTre(text, i);
            all[i] = proposalOf(text);
        }
        return all;
    }();
    return n >= 0 && n <= 36 ? rows[n] : noProposal();
}

NumberSet quorixNumbers(int h24, int h8)
{
    const NumberSet first = treNumbers(h24);
    const NumberSet second = treNumbers(h8);
    NumberSet all{first.bits | (second.isEmpty() ? first.bits : second.bits)};
    all.add(h24);
    all.add(h8);
    return all.size() <= 7 ? NumberSet() : all;
}

NumberSet zentrimaNumbers(int s)
{
    NumberSet all = dueNumbers(s);
    all.add(s);
    return all;
}

const ProposalText& quorixProposalText(int h24, int h8)
{
    static const auto table = [] {
        auto all = std::make_unique<std::array<ProposalText, 37 * 37>>();
        for (int a = 0; a <= 36; ++a) {
            for (int b = 0; b <= 36; ++b)
                (*all)[a * 37 + b] =
                    proposalOf(numberListText(quorixNumbers(a, b)), quorixNumbers(a, b).size());
        }
        return all;
    }();
    if (h24 < 0 || h24 > 36 || h8 < 0 || h8 > 36)
        return noProposal();
    return (*table)[h24 * 37 + h8];
}

const ProposalText& zentrimaProposalText(int s)
{
    static const auto table = [] {
        std::array<ProposalText, 37> all;
        for (int i = 0; i <= 36; ++i)
            all[i] = proposalOf(numberListText(zentrimaNumbers(i)));
        return all;
    }();
    return s >= 0 && s <= 36 ? table[s] : noProposal();
}

} // namespace

const ProposalText& defaultProposalText(int drawn, QStringView filterText)
{
    if (filterText == u"Tutti" || leadingNumber(filterText) == drawn)
        return treProposal(drawn);
    return noProposal();
}

const ProposalText& quorixProposalText(const History& history)
{
    if (history.count() <= 24)
        return noProposal();
    const int h24 = history.hotNumber(24);
    const int h8 = history.hotNumber(8);
    // The same hot number twice gives at most four numbers: no proposal.
    if (h24 == h8)
        return noProposal();
    return quorixProposalText(h24, h8);
}

const ProposalText& zentrimaProposalText(const History& history)
{
    const int c = history.count();
    if (c <= 5)
        return noProposal();
    const int s = history.at(c - 1) + 2 * history.at(c - 3) + history.at(c - 5);
    return zentrimaProposalText((s % 37 + 37) % 37);
}

QString defaultProposal(int drawn, QStringView filterText)
{
    return defaultProposalText(drawn, filterText).text;
}

QString quorixProposalFor(int h24, int h8, int& count)
{
    if (h24 < 0 || h24 > 36 || h8 < 0 || h8 > 36) {
        const NumberSet all = quorixNumbers(h24, h8);
        if (!all.isEmpty())
            count = all.size();
        return numberListText(all);
    }
    const ProposalText& p = quorixProposalText(h24, h8);
    if (!p.text.isEmpty())
        count = p.count;
    return p.text;
}

QString quorixProposal(const History& history, int& count)
{
    const ProposalText& p = quorixProposalText(history);
    if (!p.text.isEmpty())
        count = p.count;
    return p.text;
}

QString zentrimaProposalFor(int s)
{
    if (s < 0 || s > 36)
        return numberListText(zentrimaNumbers(s));
    return zentrimaProposalText(s).text;
}

QString zentrimaProposal(const History& history)
{
    return zentrimaProposalText(history).text;
}

} // namespace zt
