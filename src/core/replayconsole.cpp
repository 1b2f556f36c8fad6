#include "core/replayconsole.h"

#include "core/tally.h"
#include "core/textrules.h"

namespace zt {

ReplayRow replayRow(QStringView numberText, QStringView memoryText)
{
    return {leadingNumber(numberText), !numberText.isEmpty(), leadingNumber(memoryText) == 1};
}

void controllaProposta(ReplayIO& io, double sent)
{
    if (!io.checksProposals())
        return;
    const QString text = io.proposal();
    if (text.isEmpty())
        return;
    io.addToCounter(PanelCounter::Verified, 1);
    const ProposalCheck check = io.checkProposal(text, sent);
    io.addToCounter(PanelCounter::Hits, check.hits);
    io.addToCounter(PanelCounter::Numbers, check.numbers);
    if (io.checksFirstHit())
        io.clearProposal();
}

void replaySpin(ReplayIO& io)
{
    const ReplayRow row = io.currentRow();
    if (io.autoReset() && row.startsGame)
        io.requestReset();
    controllaProposta(io, row.number);
    if (row.sends)
        io.sendRowNumber();
    if (!io.atEnd()) {
        io.moveNext();
        io.addToCounter(PanelCounter::Rows, 1);
    }
    io.paceEvents();
}

ReportInputs reportInputs(ReplayIO& io)
{
    ReportInputs in;
    in.runRows = io.runRowsText();
    in.replayedRows = io.counterText(PanelCounter::Rows);
    in.attemptLines = io.reportsStrings();
    in.maxAttempts = io.maxDelayText();
    in.verified = io.counterText(PanelCounter::Verified);
    in.detail = io.detailText();
    return in;
}

} // namespace zt
