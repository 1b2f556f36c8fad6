#pragma once
// The replay console of the outcome viewer, written once over an abstract
// console: what "SPIN" does with the current row, the proposal check, the rows
// of a "GO" run and what "SALVA" reads for the report.  The viewer implements
// ReplayIO over its controls and the board's bridges; the verifier
// (verifier.h) over plain values and a PlainBoard.  Every method reads or
// writes the control named beside it at the moment it is called.

#include "core/report.h"
#include "core/tally.h"

#include <QString>
#include <QStringView>

namespace zt {

// The counters of the results panel.
enum class PanelCounter {
    Verified,           // Text16 "Verificate"
    Hits,               // Text8 "Conta Usc."
    Numbers,            // Text9 "Numeri Giocati"
    Rows,               // Text13, the rows replayed ("Boules:" in the report)
    CancelledBeforeHit, // Text15 "Fuori Lim." at the first hit
    CancelledAfterHit,  // Text3 "Fuori Lim." at the second hit
};
inline constexpr int panelCounterCount = 6;

// What "SPIN" reads of the current row, from the bound boxes Text1 (Numero)
// and Text12 (Memoria); past the last row both are empty.
struct ReplayRow {
    double number = 0;       // Text1 by its leading number: what the proposal check compares
    bool sends = false;      // Text1 is not empty: its text is sent to the board
    bool startsGame = false; // Text12 reads 1: the first spin of a recorded game
};
ReplayRow replayRow(QStringView numberText, QStringView memoryText);

class ReplayIO {
public:
    virtual ~ReplayIO() = default;

    // Options of the viewer.
    virtual bool autoReset() = 0;       // Check8 "Azzera Auto con memoria 1"
    virtual bool checksProposals() = 0; // Check4 "Stringa comp. a colpo"

    // The data source: the current row, whether the position is past the
    // last row, and the move to the next row.
    virtual ReplayRow currentRow() = 0;
    virtual bool atEnd() = 0;
    virtual void moveNext() = 0;

    // Adds to a counter of the panel; false when its text is not a number
    // (the counter keeps its text).
    virtual bool addToCounter(PanelCounter counter, double amount) = 0;

    // The board and the settings.
    virtual QString proposal() = 0; // note(0); empty when no string is followed
    // The proposal check's count of a proposal against the number sent; a
    // console that knows the proposal's list may count without reading it.
    virtual ProposalCheck checkProposal(const QString& proposal, double sent)
    {
        return zt::checkProposal(proposal, sent);
    }
    virtual void clearProposal() = 0;  // note(0) emptied
    virtual bool checksFirstHit() = 0; // "Controlla 1° colpo" (Check12)
    // "1" into CM_Azzera: the board is reset, and "ok" back, when this returns.
    virtual void requestReset() = 0;
    // The text of Text1 into CM_pulsante: the spin is entered when this returns.
    virtual void sendRowNumber() = 0;
    // The event pacing of "SPIN": pending events processed when it is due.
    virtual void paceEvents() = 0;

    // What the report reads besides the tally.
    virtual QString runRowsText() = 0; // "Colpi:" (Text6)
    virtual QString counterText(PanelCounter counter) = 0;
    virtual bool reportsStrings() = 0;  // "Stringa comp. Progressione" (Check6)
    virtual QString maxDelayText() = 0; // "Contr. Massimo" (ST_ContrMax0)
    virtual QString detailText() = 0;   // "Dettaglio Colpi:" (Text19)
};

// The proposal check of a number about to be sent (the current row's for
// "SPIN", the random one for "Invia"): with "Stringa comp. a colpo" ticked and
// a proposal on the board, one check, its hits and its numbers counted, and
// the proposal dropped when "Controlla 1° colpo" is ticked.
void controllaProposta(ReplayIO& io, double sent);

// "SPIN": the board reset at a game's first row (when "Azzera Auto con
// memoria 1" is ticked), the proposal check, the row's number sent, the move
// to the next row counted, and the event pacing, last.
void replaySpin(ReplayIO& io);

// The rows of a "GO" run of `count`: that many "SPIN"s, each followed by
// goOn(), which ends the run when it returns false ("STOP", or the window
// gone: then the console is not touched again).  True when every SPIN ran.
template <class GoOn> bool runGoSpins(ReplayIO& io, int count, GoOn&& goOn)
{
    for (int i = 0; i < count; ++i) {
        replaySpin(io);
        if (!goOn())
            return false;
    }
    return true;
}

// What "SALVA" writes, as the console and the settings hold it now.
ReportInputs reportInputs(ReplayIO& io);

} // namespace zt
