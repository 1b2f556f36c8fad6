#pragma once
// A board without a window: BoardIO over plain fields, starting as the board
// window starts (design keypad, "Tutti", "." and so on).  For tests, tools and
// benchmarks.

#include "core/history.h"
#include "core/spinentry.h"

#include <array>

namespace zt {

class PlainBoard;
// The spin entry of enterSpin() on the board's own fields and history.
void enterSpin(PlainBoard& board, const QString& caption);

class PlainBoard final : public BoardIO {
public:
    struct Row {
        QString note;
        bool red = false;
        QString firstDelay = QStringLiteral(" 0");
        QString secondDelay = QStringLiteral(" 0");
        QString count = QStringLiteral(" 0");
    };

    // The board's own history; resets requested by the engine act on it.
    History history;

    StringsSettings strings;
    bool record = false;
    QString gameType = QStringLiteral(".");
    int recordedSpins = 0;
    SpinRecord lastRecord;

    bool lock = false;
    bool quorix = false;
    bool zentrima = false;
    QString filter = QStringLiteral("Tutti");

    // Label6 shows lastNumberCaption(lastNumber) once a number was shown.
    QString lastNumber;
    // Text1; kept up to date only while keepHistoryText is set.
    bool keepHistoryText = true;
    QString historyText;

    Row row;
    std::array<QString, 37> captions;
    // The numbers whose keypad buttons are yellow.
    NumberSet yellow;
    int resets = 0;
    // Where the engine's reports go (none: nothing is reported).
    StringsReportTarget* reportTarget = nullptr;
    // Who follows the strings with stakes (none: nobody).
    StakeListener* stakeListener = nullptr;

    PlainBoard();

    // Clicks the keypad button of this index (its caption is the drawn number).
    void click(int index) { enterSpin(*this, captions[index]); }
    // Enters the spin of a number through its button, wherever it is.
    void spin(int number) { click(bridgeButton(*this, QString::number(number))); }
    // "<>": swaps the design and the turned keypad (captions only here).
    void invertKeypad();

    StringsSettings settings() override { return strings; }
    bool recording() override { return record; }
    QString gameTypeText() override { return gameType; }
    void recordSpin(const SpinRecord& r) override
    {
        ++recordedSpins;
        lastRecord = r;
    }
    bool locked() override { return lock; }
    bool quorixMode() override { return quorix; }
    bool zentrimaMode() override { return zentrima; }
    QString filterText() override { return filter; }
    void setLastNumber(const QString& numberText) override { assign(lastNumber, numberText); }
    void showHistory(const History& h) override
    {
        if (keepHistoryText)
            historyText = h.text();
    }
    int stringRowCount() override { return 1; }
    QString noteText(int) override { return row.note; }
    void setNoteText(int, const QString& text) override { assign(row.note, text); }
    bool noteRed(int) override { return row.red; }
    void setNoteRed(int, bool red) override { row.red = red; }
    QString firstDelayText(int) override { return row.firstDelay; }
    QString secondDelayText(int) override { return row.secondDelay; }
    void setFirstDelayText(int, const QString& text) override { assign(row.firstDelay, text); }
    void setSecondDelayText(int, const QString& text) override { assign(row.secondDelay, text); }
    void setCountText(int, const QString& text) override { assign(row.count, text); }
    QString keypadCaption(int index) override { return captions[index]; }
    // Zero is never yellow, so restoring from 0 or from 1 is the same here.
    void restoreKeypad(int) override { yellow = {}; }
    // The captions of buttons 1..36 are always the numbers 1..36 in some
    // order, so the buttons painted are those of the numbers 1..36 given.
    void highlightKeypad(NumberSet numbers) override
    {
        yellow.bits = numbers.bits & ((std::uint64_t(1) << 37) - 2);
    }
    StringsReportTarget* reports() override { return reportTarget; }
    StakeListener* stakes() override { return stakeListener; }
    void requestReset() override
    {
        ++resets;
        resetBoard(*this, history);
    }

    // What the list of a text (the proposal's, as a rule) holds: remembered
    // for the text last asked about or written by the spin entry, and read
    // again for any other text.
    const ListFacts& factsOf(const QString& text)
    {
        if (text.size() != factsText_.size() ||
            (!text.isEmpty() && text.constData() != factsText_.constData())) {
            assign(factsText_, text);
            facts_ = listFacts(text);
        }
        return facts_;
    }
    void rememberFacts(const QString& text, const ListFacts& facts)
    {
        assign(factsText_, text);
        facts_ = facts;
    }

private:
    // to = from, in line (the board's texts are written at every spin).
    static void assign(QString& to, const QString& from)
    {
        QString copy(from);
        to.swap(copy);
    }

    // A copy of the text the facts are of: while it is held, a text at the
    // same place with the same length is that text (writing into either
    // would copy it first).
    QString factsText_;
    ListFacts facts_;
};

} // namespace zt
