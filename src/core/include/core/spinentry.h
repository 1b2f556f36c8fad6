#pragma once
// What the main board does with a spin, a correction or a reset, written once
// over an abstract board.  The window implements BoardIO over its controls;
// PlainBoard (plainboard.h) implements it over plain fields for tests and
// benchmarks.  Every method reads or writes the control named beside it at the
// moment it is called, so values typed into a control count at once.

#include "core/associations.h"
#include "core/engine.h"
#include "core/stringssettings.h"

#include <QString>
#include <QStringView>

namespace zt {

class History;

// The texts of one recorded spin, for the bound fields of a new row.
struct SpinRecord {
    QString number; // DB2_nu: sign-position text of the drawn number (" 17")
    QString type;   // DB2_gi: "1" for "Live", "2" for "Spin", otherwise empty
    QString memory; // DB2_me: sign-position text of the count before the spin + 1
};

class BoardIO {
public:
    virtual ~BoardIO() = default;

    // The strings settings of the settings window (reading them loads it hidden).
    virtual StringsSettings settings() = 0;

    // Check8 "Registra Uscite" ticked.
    virtual bool recording() = 0;
    // The text of Combo7 (game type).
    virtual QString gameTypeText() = 0;
    // Adds a row to the board's data source, writes the three bound fields,
    // stores the row and repositions (previous, then next).
    virtual void recordSpin(const SpinRecord& record) = 0;

    virtual bool locked() = 0;        // Check1 "Lock" ticked
    virtual bool quorixMode() = 0;    // Check2 "Modo Quorix" ticked
    virtual bool zentrimaMode() = 0;  // Check3 "Modo Zentrima13" ticked
    virtual QString filterText() = 0; // the text of Combo1 (number filter)

    // Label6 := lastNumberCaption(numberText).
    virtual void setLastNumber(const QString& numberText) = 0;
    // Text1 := history.text().
    virtual void showHistory(const History& history) = 0;

    // String rows (the board has one, row 0).
    virtual int stringRowCount() = 0;
    // note(row) text.  enterSpin reads note(0) once per spin and takes what it
    // writes there during the spin as written, so the box must give back the
    // text written into it.
    virtual QString noteText(int row) = 0;
    virtual void setNoteText(int row, const QString& text) = 0;
    virtual bool noteRed(int row) = 0; // note(row) foreground is not black
    // note(row) foreground: red (255, 0, 0) or black (0, 0, 0).
    virtual void setNoteRed(int row, bool red) = 0;
    virtual QString firstDelayText(int row) = 0;  // Label38(row) caption
    virtual QString secondDelayText(int row) = 0; // Label44(row) caption
    virtual void setFirstDelayText(int row, const QString& text) = 0;
    virtual void setSecondDelayText(int row, const QString& text) = 0;
    virtual void setCountText(int row, const QString& text) = 0; // Label26(row) caption

    // The caption of keypad button Command9(index), index 0..36.
    virtual QString keypadCaption(int index) = 0;
    // Buttons Command9(first)..Command9(36) back to their ColoriTastiera colours.
    virtual void restoreKeypad(int first) = 0;
    // Buttons 0..36 back to their ColoriTastiera colours, then every button
    // 1..36 whose caption value is in `numbers` yellow (255, 255, 0).
    virtual void highlightKeypad(NumberSet numbers) = 0;

    // Where the strings engine reports closed and cancelled strings (the
    // outcome viewer's results panel), or nullptr: nothing is reported.
    virtual StringsReportTarget* reports() = 0;

    // Who follows the strings with stakes, or nullptr: nobody (the default).
    virtual StakeListener* stakes() { return nullptr; }

    // Writes "1" into CM_Azzera; its change handler runs resetBoard() on the
    // board's history (the History given to enterSpin) and writes "ok" back,
    // all before this returns.
    virtual void requestReset() = 0;
};

// The caption of Label6 for a number text: "Ultimo: 17".
QString lastNumberCaption(QStringView numberText);

// The recorded texts of a spin: the caption, the Combo7 text and the count of
// the history before the spin.
SpinRecord spinRecord(QStringView caption, QStringView gameType, int countBefore);

// A keypad click (or a bridged spin): the whole entry of the spin whose button
// caption is `caption`, in this order: recording, history, last number,
// history box, strings engine (with the lock kept around it), new proposal,
// keypad colours; the stakes' listener, when there is one, hears of every
// string row the engine checks and of the spin's end.
void enterSpin(BoardIO& io, History& history, const QString& caption);

// EvidenziaTastiera: when note(0) holds a proposal, restores the keypad and
// paints its numbers yellow; with an empty note(0) the keypad is left alone.
void EvidenziaTastiera(BoardIO& io);

// The full reset run by the CM_Azzera handler: keypad buttons 1..36 restored,
// history count 0 (entries kept) and history box emptied, and each string row
// up to the "Numerostringhe" setting emptied, black, with its three labels "0".
// The last-number label is left alone.
void resetBoard(BoardIO& io, History& history);

// Command21(row) "X": the row emptied, black, its three labels "0".  The keypad
// is left as it is.
void clearStringRow(BoardIO& io, int row);

// "C. ULTIMO": drops the newest spin, rewrites the history box and shows the
// newest remaining spin as the last number (the label is kept when none is left).
// Nothing on an empty history.
void dropNewestSpin(BoardIO& io, History& history);

// "C. PRIMO": drops the oldest spin and rewrites the history box; the
// last-number label is kept.  Nothing on an empty history.
void dropOldestSpin(BoardIO& io, History& history);

// The keypad button that a text written into CM_pulsante presses: the first of
// buttons 1..36 whose caption value equals the text's leading number, else 0.
int bridgeButton(BoardIO& io, QStringView text);

// The button a text written into CM_pulsante presses: -1 for "ok", which
// enters nothing, otherwise bridgeButton().
int bridgedButton(BoardIO& io, QStringView text);

// The CM_pulsante change handler's work: "ok" does nothing and returns false;
// any other text enters the spin of bridgeButton() and returns true (the window
// then writes "ok" back).
bool enterBridgeSpin(BoardIO& io, History& history, QStringView text);

} // namespace zt
