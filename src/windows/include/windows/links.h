#pragma once
// How the windows reach one another.  A window never includes another
// window's header and never looks up another window's control by name: it
// asks through one of the small interfaces below, which the other window
// implements over its own named controls (so a spin sent to the board is still
// the text written into its CM_pulsante, and the board has entered it when the
// call returns).  The start-up implements Links, the one place that knows
// every window.

#include "core/engine.h"
#include "core/stringssettings.h"

#include <QString>

namespace zt {

struct Session;
class StringsReportTarget;

// What the other windows may ask of the main board "Roulette".
class BoardLink {
public:
    // Writes the text into the spin bridge CM_pulsante: the spin is entered
    // (as a click of the keypad button of that number) before this returns.
    virtual void sendSpin(const QString& number) = 0;
    // Writes "1" into the reset bridge CM_Azzera: history, strings and keypad
    // colours are reset before this returns.
    virtual void requestReset() = 0;
    // "Registra Uscite" (Check8).  Switched off here (the replay does so),
    // the board says that the replay switched recording off until the box is
    // ticked again.
    virtual void setRecording(bool on) = 0;
    // The proposal being followed, the text of note(0); empty when none.
    virtual QString proposal() = 0;
    virtual void clearProposal() = 0;
    // Timer2, the polling of the exchange file numero.txt.
    virtual void setExchangePolling(bool on) = 0;
    // What a player following the proposal stakes on at the next spin: its
    // numbers and attempt (size 0: no proposal is followed, or "Controlla 1°
    // colpo" is clear).
    virtual FollowedSpin nextSpin() = 0;
    // "Modo Quorix", "Modo Zentrima13" and the number filter "Numero:".
    struct Modes {
        bool quorix = false;
        bool zentrima = false;
        QString filter;
    };
    virtual Modes modes() = 0;

protected:
    ~BoardLink() = default;
};

// What the other windows may ask of the settings window "Impostazioni Auto".
class SettingsLink {
public:
    // The settings as its controls hold them now.
    virtual StringsSettings settings() = 0;
    // "Contr. Massimo" (ST_ContrMax0) as typed.
    virtual QString maxDelayText() = 0;
    // "Evidenzia su Tastiera" (Check20).
    virtual void setHighlight(bool on) = 0;
    // "Controlla 1° colpo" (Check12).
    virtual bool checksFirstHit() = 0;

protected:
    ~SettingsLink() = default;
};

// What the other windows may ask of the outcome viewer "Visualizza Uscite".
class ViewerLink {
public:
    // Writes the id into Text5: the viewer goes to that row before this returns.
    virtual void goToRow(const QString& id) = 0;
    // The results panel, where the strings engine reports.
    virtual StringsReportTarget& reportTarget() = 0;

protected:
    ~ViewerLink() = default;
};

// What changed in the data that the statistics follow.
enum class DataChange {
    SpinRecorded, // spins were added to dati.mdb (recorded, imported)
    RowsChanged,  // rows of dati.mdb may have changed otherwise (deleted, listed again)
    TallyChanged, // the attempt tally: a string reported, a finished "GO", "Azzera"
};

// The windows as they are known to one another.
class Links {
public:
    enum class Window { Board, Settings, Wheel, Viewer, Notes, Statistics, Money };

    // What lives for the whole run beside the windows.
    virtual Session& session() = 0;

    // The shared instance, created hidden (with its design-time values) when
    // it is not loaded.
    virtual BoardLink& board() = 0;
    virtual SettingsLink& settings() = 0;
    // The viewer when it is loaded, otherwise nullptr (never created here).
    virtual ViewerLink* loadedViewer() = 0;

    // Shows the window (created when not loaded) without blocking, in front.
    virtual void show(Window window) = 0;
    // Shows the window when it is hidden, hides it when it is shown.
    virtual void toggle(Window window) = 0;

    // Tells the windows that follow the data (the statistics and the money
    // window, when loaded); they bring themselves up to date later, so this
    // returns at once.
    virtual void dataChanged(DataChange change) = 0;

protected:
    virtual ~Links() = default;
};

} // namespace zt
