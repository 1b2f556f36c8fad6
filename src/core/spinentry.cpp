#include "core/spinentry.h"

#include "core/history.h"
#include "core/plainboard.h"
#include "core/proposals.h"
#include "core/textrules.h"

#include <QCoreApplication>

#include <cstdint>
#include <limits>
#include <type_traits>

namespace zt {

namespace {

// Applies the engine's outcomes for one row to the board, in order.
template <class IO> class RowApplier : public StringOutcomeSink {
public:
    RowApplier(IO& io, int row, bool& firstRowEmptied)
        : io_(io), row_(row), firstRowEmptied_(firstRowEmptied)
    {
    }

    void apply(const StringOutcome& o) override
    {
        using K = StringOutcome::Kind;
        switch (o.kind) {
        case K::RestoreKeypad:
            io_.restoreKeypad(1);
            break;
        case K::TurnRed:
            io_.setNoteRed(row_, true);
            break;
        case K::CloseFirstHit:
        case K::CloseSecondHit:
            io_.setNoteRed(row_, false);
            reportStringOutcome(io_.reports(), o);
            io_.setNoteText(row_, QString());
            firstRowEmptied_ = firstRowEmptied_ || row_ == 0;
            setDelaysToZero();
            break;
        case K::CancelBeforeHit:
        case K::CancelAfterHit:
            reportStringOutcome(io_.reports(), o);
            setDelaysToZero();
            io_.setNoteText(row_, QString());
            firstRowEmptied_ = firstRowEmptied_ || row_ == 0;
            io_.setNoteRed(row_, false);
            break;
        case K::ResetRequest:
            io_.requestReset();
            firstRowEmptied_ = true;
            break;
        case K::RaiseFirstDelay:
            io_.setFirstDelayText(row_, delayText(o.a));
            break;
        case K::RaiseSecondDelay:
            io_.setSecondDelayText(row_, delayText(o.a));
            break;
        case K::EndCall:
            break;
        }
    }

private:
    void setDelaysToZero()
    {
        const QString zero = delayText(0);
        io_.setFirstDelayText(row_, zero);
        io_.setSecondDelayText(row_, zero);
    }

    IO& io_;
    int row_;
    bool& firstRowEmptied_;
};

// The rows the engine and the reset walk: those the board has, up to the
// "Numerostringhe" setting.
bool rowInUse(BoardIO& io, const StringsSettings& settings, int row)
{
    return row < io.stringRowCount() && row <= settings.rows - 1;
}

// What the board's proposal list holds.  The board without a window
// remembers it for its proposal; a window reads its box again.
template <class IO> const ListFacts& noteFacts(IO& io, const QString& text, ListFacts& scratch)
{
    if constexpr (std::is_same_v<IO, PlainBoard>)
        return io.factsOf(text);
    else
        return scratch = listFacts(text);
}

// The strings engine over the board's rows for the drawn number, row 0's
// text given as already read and its facts as firstFacts() gives them.
// Nothing happens when the first-hit check is off.  Returns true when row 0
// was emptied (closed, cancelled or reset).
template <class IO, class FirstFacts>
bool CalcolaStringhe(IO& io, double drawn, const StringsSettings& settings,
                     const QString& firstRowText, FirstFacts&& firstFacts)
{
    bool firstRowEmptied = false;
    if (!settings.checkFirst)
        return firstRowEmptied;
    StakeListener* const stakes = io.stakes();
    for (int row = 0; rowInUse(io, settings, row); ++row) {
        // The row as it stands, read before any outcome changes it.
        RowFacts state;
        NumberSet held;
        const auto read = [&](const QString& text, const ListFacts& facts, QStringView first,
                              QStringView second) {
            state = {!text.isEmpty(),
                     io.noteRed(row),
                     delayValue(first),
                     delayValue(second),
                     facts.equalItems(text, drawn),
                     facts.size};
            held = facts.held;
        };
        if constexpr (std::is_same_v<IO, PlainBoard>) {
            read(firstRowText, firstFacts(), io.row.firstDelay, io.row.secondDelay);
        } else {
            const QString text = row == 0 ? firstRowText : io.noteText(row);
            ListFacts scratch;
            read(text, row == 0 ? firstFacts() : (scratch = listFacts(text)),
                 io.firstDelayText(row), io.secondDelayText(row));
        }
        RowApplier<IO> applier(io, row, firstRowEmptied);
        const bool ends = followRow(state, row == 0, settings, applier);
        if (stakes && state.holdsString) {
            FollowedSpin spin = followedSpin(state, held, drawn);
            spin.last = stringAttempts(settings.maxDelay);
            stakes->followed(spin);
        }
        if (ends)
            break;
    }
    return firstRowEmptied;
}

// The whole entry of a spin, for any board: the board window through
// BoardIO, the board without a window over its own fields.
template <class IO> void enterSpinOn(IO& io, History& history, const QString& caption)
{
    // The drawn number as the engine compares it, and as a 16-bit whole
    // number for the history and the tables.
    const double drawn = digitsValue(caption);
    const int number = drawn >= 0 && drawn <= 36 && drawn == static_cast<int>(drawn)
                           ? static_cast<int>(drawn)
                           : roundClamped(drawn, std::numeric_limits<std::int16_t>::min(),
                                          std::numeric_limits<std::int16_t>::max());

    if (io.recording())
        io.recordSpin(spinRecord(caption, io.gameTypeText(), history.count()));

    history.push(number);
    io.setLastNumber(caption);
    io.showHistory(history);

    // The settings are read once, when first needed.
    StringsSettings settings;
    bool settingsRead = false;
    auto readSettings = [&]() -> const StringsSettings& {
        if (!settingsRead) {
            settings = io.settings();
            settingsRead = true;
        }
        return settings;
    };

    // The strings engine follows the proposal; a locked proposal keeps its
    // text.  What the board writes into note(0) during the spin is tracked
    // here, so the box is read once, and its list read at most once.
    const bool locked = io.locked();
    QString note = io.noteText(0);
    ListFacts scratch;
    const ListFacts* facts = nullptr;
    const auto noteListFacts = [&]() -> const ListFacts& {
        if (!facts)
            facts = &noteFacts(io, note, scratch);
        return *facts;
    };
    if (!note.isEmpty() && CalcolaStringhe(io, drawn, readSettings(), note, noteListFacts)) {
        if (locked) {
            io.setNoteText(0, note);
        } else {
            note.clear();
            facts = nullptr;
        }
    }

    // A new proposal, only when none is being followed.
    const bool quorix = io.quorixMode();
    const bool zentrima = io.zentrimaMode();
    if (note.isEmpty()) {
        const ProposalText& made = !quorix && !zentrima
                                       ? defaultProposalText(number, io.filterText())
                                   : quorix ? quorixProposalText(history)
                                            : zentrimaProposalText(history);
        if (!made.text.isEmpty()) {
            note = made.text;
            facts = &made.facts;
            io.setNoteText(0, note);
            if constexpr (std::is_same_v<IO, PlainBoard>)
                io.rememberFacts(note, made.facts);
            if (quorix)
                io.setCountText(0, made.countText);
        }
    }

    if (note.isEmpty())
        io.restoreKeypad(0);
    else if (readSettings().highlight)
        io.highlightKeypad(noteListFacts().painted);
    if (StakeListener* stakes = io.stakes())
        stakes->spinEntered();
}

} // namespace

QString lastNumberCaption(QStringView numberText)
{
    return QCoreApplication::translate("Board", "Ultimo: %1").arg(numberText);
}

SpinRecord spinRecord(QStringView caption, QStringView gameType, int countBefore)
{
    SpinRecord r;
    r.number = signText(static_cast<long long>(roundHalfEven(leadingNumber(caption))));
    if (gameType == u"Live")
        r.type = QStringLiteral("1");
    else if (gameType == u"Spin")
        r.type = QStringLiteral("2");
    r.memory = signText(countBefore + 1);
    return r;
}

void enterSpin(BoardIO& io, History& history, const QString& caption)
{
    enterSpinOn(io, history, caption);
}

void enterSpin(PlainBoard& board, const QString& caption)
{
    enterSpinOn(board, board.history, caption);
}

void EvidenziaTastiera(BoardIO& io)
{
    const QString note = io.noteText(0);
    if (!note.isEmpty())
        io.highlightKeypad(highlightedNumbers(note));
}

void clearStringRow(BoardIO& io, int row)
{
    const QString zero = delayText(0);
    io.setNoteText(row, QString());
    io.setFirstDelayText(row, zero);
    io.setSecondDelayText(row, zero);
    io.setCountText(row, zero);
    io.setNoteRed(row, false);
}

void resetBoard(BoardIO& io, History& history)
{
    io.restoreKeypad(1);
    history.clear();
    io.showHistory(history);
    const StringsSettings settings = io.settings();
    for (int row = 0; rowInUse(io, settings, row); ++row)
        clearStringRow(io, row);
}

void dropNewestSpin(BoardIO& io, History& history)
{
    if (history.isEmpty())
        return;
    history.dropNewest();
    io.showHistory(history);
    if (!history.isEmpty())
        io.setLastNumber(QString::number(history.newest()));
}

void dropOldestSpin(BoardIO& io, History& history)
{
    history.dropOldest();
    io.showHistory(history);
}

int bridgeButton(BoardIO& io, QStringView text)
{
    if (text.isEmpty())
        return 0;
    const double number = leadingNumber(text);
    for (int i = 1; i <= 36; ++i) {
        if (leadingNumber(io.keypadCaption(i)) == number)
            return i;
    }
    return 0;
}

int bridgedButton(BoardIO& io, QStringView text)
{
    return text == u"ok" ? -1 : bridgeButton(io, text);
}

bool enterBridgeSpin(BoardIO& io, History& history, QStringView text)
{
    const int button = bridgedButton(io, text);
    if (button < 0)
        return false;
    enterSpin(io, history, io.keypadCaption(button));
    return true;
}

} // namespace zt
