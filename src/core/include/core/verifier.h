#pragma once
// Verifying the proposals over recorded rows without windows: what a player
// gets by starting the program, setting the board's mode and number filter
// and the strings settings, opening the outcome viewer on the rows, ticking
// its options, "GO" over the rows and "SALVA" — the same replay console
// (replayconsole.h) and spin entry (spinentry.h), over plain values and a
// PlainBoard instead of the windows' controls, for one setting or for many at
// once on every processor core.

#include "core/betting.h"
#include "core/followedstrings.h"
#include "core/replayconsole.h"
#include "core/report.h"
#include "core/tally.h"

#include <QString>
#include <QStringView>

#include <array>
#include <atomic>
#include <cstdint>
#include <optional>
#include <vector>

namespace zt {

// The settings a run is made with, as the windows hold them at start-up
// unless changed.
struct VerifySettings {
    enum class Mode { None, Quorix, Zentrima13 };
    Mode mode = Mode::None;                   // board: "Modo Quorix" / "Modo Zentrima13"
    QString filter = QStringLiteral("Tutti"); // board: the number filter (Combo1)
    QString maxDelay = QStringLiteral("10");  // settings: "Contr. Massimo", as typed
    bool firstCheck = true;                   // settings: "Controlla 1° colpo"
    bool secondHit = false;                   // settings: "Controlla 2° colpo"
    bool resetAfterString = false;            // settings: "Azzera"
    bool proposalCheck = false;               // viewer: "Stringa comp. a colpo"
    bool stringsReport = false;               // viewer: "Stringa comp. Progressione"
    bool autoReset = true;                    // viewer: "Azzera Auto con memoria 1"
    BetSettings bet;                          // the stakes of a player following the strings
    SimulationSettings simulation;            // evenings of random spins (none: 0)
};

// The rows of a replay as "SPIN" reads them, read once for any number of runs:
// per row what the console reads of it and the keypad button that the board's
// spin bridge presses for its number.
class ReplayRows {
public:
    struct Row {
        ReplayRow read;
        int button = -1; // -1: the bridge enters nothing
    };

    // What a row enters, in brief: the number of the spin it enters (-1:
    // none) and whether it starts a game.
    struct Brief {
        std::int8_t number = -1;
        bool startsGame = false;
    };

    ReplayRows();
    void reserve(std::size_t count)
    {
        rows_.reserve(count);
        briefs_.reserve(count);
    }
    // A row, from the texts of its Numero and Memoria as the viewer's bound
    // boxes show them.
    void append(QStringView numberText, QStringView memoryText);
    // A row of the number 0..36 (Memoria 1 when it starts a game, else 2).
    void appendNumber(int number, bool startsGame);
    // A row as read already.
    void append(const Row& row);
    void clear()
    {
        rows_.clear();
        briefs_.clear();
    }
    std::size_t size() const { return rows_.size(); }
    const Row& operator[](std::size_t i) const { return rows_[i]; }
    Brief brief(std::size_t i) const { return briefs_[i]; }

private:
    std::vector<Row> rows_;
    std::vector<Brief> briefs_;
    // Buttons already found for the numbers 0..36 (-2: not yet).
    std::array<int, 37> buttonOf_;
};

// What a run leaves: the panel's texts, the tally and the report's inputs.
struct VerifyResult {
    std::array<QString, panelCounterCount> counters; // by PanelCounter, as the panel shows them
    ConteggioColpi tally;
    FollowedStrings followed; // the strings behind the tally's counts (verify() alone)
    ReportInputs report;  // the detail only when asked for
    EveningFigures money; // the stakes of settings.bet on the strings followed
    std::optional<SimulationFigures> simulation; // when evenings were simulated
};

// One run: the rows from the start of `rows` as the viewer's current row on,
// with "Colpi:" holding countText ("GO" ends at once when goRunCount() gives
// no count), then "SALVA"'s inputs.  keepDetail: the detail text is built
// (it is needed only for the report).  progress, when given, grows by the
// passes done, in steps.
// The evenings of settings.simulation, when there are any, are played on
// simulationThreads threads.  The money follows settings.bet.
VerifyResult verify(const ReplayRows& rows, const QString& countText,
                    const VerifySettings& settings, bool keepDetail,
                    std::atomic<std::int64_t>* progress = nullptr, int simulationThreads = 1);

// The money of every row replayed ("GO" over all of them, as verify() plays
// them), with the balance after each row appended to trace.
EveningFigures playRows(const ReplayRows& rows, const VerifySettings& settings,
                        std::vector<BalancePoint>* trace);

// settings.simulation.evenings evenings of settings.simulation.spins random
// spins each (0..36, seeded: the same seed gives the same figures, on any
// number of threads), each from a fresh board as "GO" plays a recorded game,
// with the money of settings.bet.  progress grows by the spins played.
SimulationFigures simulateEvenings(const VerifySettings& settings, int threads,
                                   std::atomic<std::int64_t>* progress = nullptr);

// How the runs of many combinations go: progress grows by the passes done
// (each pass counted once for every combination the run stands for, and the
// spins of simulated evenings); once stop is set the runs end as soon as
// they can, leaving their results unfinished.
struct RunControl {
    std::atomic<std::int64_t>* progress = nullptr;
    const std::atomic<bool>* stop = nullptr;
};

// The results of many combinations over the same rows, each replay made
// once: combinations that differ only in what cannot change it (the number
// filter in "Modo Quorix" and "Modo Zentrima13", "Azzera" in the default
// mode, what a chip is worth) share one result, and those that differ only
// in their stakes share one replay of the board, each way of staking
// following it.
struct SharedRuns {
    std::vector<std::size_t> of; // per combination, its result
    std::size_t distinct = 0;    // distinct results
    std::size_t boardRuns = 0;   // replays of the rows made (of every set of rows)
    bool complete = true;        // false: stopped before the end
    std::vector<std::vector<VerifyResult>> results; // per set of rows, per distinct result
    const VerifyResult& at(std::size_t rowSet, std::size_t combination) const
    {
        return results[rowSet][of[combination]];
    }
};

// verify() without the detail for every combination over every set of rows
// (each with its "Colpi:" text), on `threads` threads at once.
SharedRuns verifyShared(const std::vector<const ReplayRows*>& rowSets,
                        const std::vector<QString>& countTexts,
                        const std::vector<VerifySettings>& settings, int threads,
                        const RunControl& control = {});

// verify() for every setting, on `threads` threads at once (at least one),
// without the detail; the results in the order of the settings.
std::vector<VerifyResult> verifyAll(const ReplayRows& rows, const QString& countText,
                                    const std::vector<VerifySettings>& settings, int threads,
                                    std::atomic<std::int64_t>* progress = nullptr);

} // namespace zt
