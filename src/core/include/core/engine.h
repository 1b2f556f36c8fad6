#pragma once
// Following one composite string row against a drawn number.
//
// The row is given as it stands in its controls (text, phase colour, the two
// delay captions); the step tells what happens to it as a sequence of
// outcomes, in the order in which they must be applied.  The step keeps its
// own picture of the row as the outcomes change it, so the caller applies each
// outcome to the controls and never has to feed anything back.

#include "core/associations.h"
#include "core/stringssettings.h"

#include <QString>
#include <QStringView>

namespace zt {

struct StringRowState {
    QStringView text;        // the row's string text, as held (scanned once)
    bool red = false;        // phase: false = black (first hit awaited), true = red
    QStringView firstDelay;  // delay caption before the first hit (read by leading number)
    QStringView secondDelay; // delay caption after the first hit (read by leading number)
};

struct StringOutcome {
    enum class Kind {
        // Keypad buttons 1..36 back to their saved colours (the zero keeps its own).
        RestoreKeypad,
        // The row turns red: first hit in the second-hit mode.
        TurnRed,
        // The string is closed by a hit: row black, text empty, both delays "0".
        // CloseFirstHit carries the attempt a, CloseSecondHit a and b.
        CloseFirstHit,
        CloseSecondHit,
        // The string reached the maximum delay: row black, text empty, both
        // delays "0".  CancelAfterHit carries a, the attempt of its first hit.
        CancelBeforeHit,
        CancelAfterHit,
        // The full board reset ("Azzera" setting), to run before going on.
        ResetRequest,
        // A delay caption raised to `a`: write delayText(a).
        RaiseFirstDelay,
        RaiseSecondDelay,
        // The whole call ends: no further row is examined.
        EndCall,
    };
    Kind kind;
    double a = 0;
    double b = 0;
    // Closes and cancellations: how many different numbers 0..36 the string
    // held, and the last attempt it had before its first hit (1..attempts; a
    // second hit is awaited at attempts 2..attempts).
    int size = 0;
    int attempts = 0;
};

class StringOutcomeSink {
public:
    virtual ~StringOutcomeSink() = default;
    virtual void apply(const StringOutcome& outcome) = 0;
};

// One row of the engine for the drawn number (the value of the clicked
// button's caption), read from the row's texts.  isFirstRow: the row whose hits restore the keypad
// (row 0). The first-hit check setting (checkFirst) is the caller's: when it is off the engine is
// not run at all.  Returns true when the whole call ends.  With `followed`, what a player following
// the row stakes on at this spin goes there (as followedSpin() gives it).
struct FollowedSpin;
bool followStringRow(const StringRowState& row, bool isFirstRow, double drawn,
                     const StringsSettings& settings, StringOutcomeSink& sink,
                     FollowedSpin* followed = nullptr);

// A row as the engine reads it, for a board that knows its string's list
// without reading the text again: whether it holds a string, its phase, its
// delays by value, the items of its list equal to the drawn number and how
// many different numbers 0..36 the list holds.
struct RowFacts {
    bool holdsString = false;
    bool red = false;
    double firstDelay = 0;
    double secondDelay = 0;
    int hits = 0;
    int size = 0;
};

// followStringRow() from the row's facts (the stake's spin is the caller's:
// followedSpin() below).
bool followRow(const RowFacts& row, bool isFirstRow, const StringsSettings& settings,
               StringOutcomeSink& sink);

// The caption of a delay: "0" for 0, otherwise the number after one blank (" 3").
QString delayText(double value);
// A delay caption read by its leading number (the captions delayText() makes
// are read without the general reader).
double delayValue(QStringView text);

// How many different numbers 0..36 a string text holds.
int stringSize(QStringView text);

// The attempts a string has before its first hit under the maximum delay M:
// the tenth miss cancels a string with M = 10, so 10; at least 1.
int stringAttempts(double maxDelay);

// Where the engine reports what happened to a string: the results panel of
// the outcome viewer while it is loaded.
class StringsReportTarget {
public:
    virtual ~StringsReportTarget() = default;
    // "Stringa comp. Progressione" ticked.
    virtual bool reportsEnabled() const = 0;
    // Appends to the attempt detail (Text19).
    virtual void appendDetail(const QString& text) = 0;
    // Writes into the tally mailbox (Text19B); each call is one post.
    virtual void post(const QString& text) = 0;
    // Whether the attempt detail is kept: when it is not, its texts are not
    // made at all.
    virtual bool keepsDetail() const { return true; }
    // Posts an attempt (its text, the number after one blank) or a failure
    // ("F"); a target may count them without the texts.
    virtual void postAttempt(long long attempt);
    virtual void postFailure();
    // Adds 1 to "Verificate" (Text16).
    virtual void addVerified() = 0;
    // Adds 1 to "Fuori Lim." at the first hit (Text15).
    virtual void addCancelledBeforeHit() = 0;
    // Adds 1 to "Fuori Lim." at the second hit (Text3).
    virtual void addCancelledAfterHit() = 0;
    // A close or cancellation reported (before its posts), with the string's
    // size: what the tally counts, for comparing it with chance.
    virtual void followedString(const StringOutcome& /*outcome*/) {}
};

// Reports a close or a cancellation to the target when there is one and its
// reports are enabled; other outcomes report nothing.
void reportStringOutcome(StringsReportTarget* target, const StringOutcome& outcome);

// What a player following a string row stakes on at a spin: its different
// numbers 0..36, the attempt the spin is for (counted as the tally counts
// it: from the string's creation, or from its first hit while the second is
// awaited, so that the spin after a first hit is attempt 2), and whether the
// drawn number is among them.
struct FollowedSpin {
    int size = 0;
    int attempt = 1;
    bool hit = false;
    int last = 0; // the attempt that cancels the string unhit (0: not known)
};

// The spin of a row as it stands before the engine runs on it; `drawn` is
// the value of the clicked button's caption (any value that is no number
// 0..36 hits nothing).
FollowedSpin followedSpin(const StringRowState& row, double drawn);
// The same for a row known by its facts and the numbers 0..36 its list holds.
FollowedSpin followedSpin(const RowFacts& row, NumberSet held, double drawn);

// Who follows the strings with stakes (the money of the evening).  The spin
// entry calls followed() for every string row the engine checks on a spin,
// before it does, and spinEntered() once at the end of every spin.
class StakeListener {
public:
    virtual ~StakeListener() = default;
    virtual void followed(const FollowedSpin& spin) = 0;
    virtual void spinEntered() = 0;
};

} // namespace zt
