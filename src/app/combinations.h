#pragma once
// What `verify` and `search` share: the options that make the combinations
// of settings (the files, the rows, the board's mode and number filter,
// "Contr. Massimo", the switches of the windows and the stakes), the CSV
// columns of a combination and its results, and how long work shows its
// progress on a terminal.

#include "core/verifier.h"
#include "progress.h"

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace zt {

// The switches of the windows a run can set, by the options that set them.
struct Switch {
    const char* name;
    const char* help;
    bool VerifySettings::*field;
    bool clears; // the option clears a box ticked at start
};
extern const Switch switches[6];
extern const char* const modeNames[3];

// The option of the switch given (true) or not.
void setSwitch(VerifySettings& s, const Switch& w, bool given);
bool switchGiven(const VerifySettings& s, const Switch& w);

// The files and rows the options name.
struct RunFiles {
    QString dbPath;
    QString dbName;
    QString outPath; // "-": standard output; empty without --out among the options
    QString csvPath; // empty: no CSV; "-": standard output
    std::optional<qint64> from;
    std::optional<qint64> count;
};

// What the combinations are made of when an option is not given.
struct CombinationDefaults {
    QString modes = QStringLiteral("none");
    QString filters = QStringLiteral("Tutti");
    QString maxima = QStringLiteral("10");
    // Switches run both without and with when no --sweep is given (and the
    // switch itself is not).
    QStringList swept;
    bool stringsReport = false; // "Stringa comp. Progressione" ticked in every combination
    bool simulation = true;     // --simulate, --spins and --seed make simulated evenings
};

// Registers the options of the files, the rows and the combinations
// (--out and the simulated evenings only where the defaults ask for them);
// returns those that take a list, whose values add up when repeated.
QList<QCommandLineOption> addRunOptions(QCommandLineParser& p, bool withOut, bool simulation);

// The files and the rows; false with *error for a bad value.
bool readRunFiles(const QCommandLineParser& p, bool withOut, RunFiles& files, QString* error);

// How many combinations the options ask for, counted before any is made (a
// count past what a qint64 holds is given as its largest value).
qint64 combinationCount(const QCommandLineParser& p, const CombinationDefaults& defaults);

// Every combination the options ask for, the first list outermost, each
// swept switch first without, then with; *swept: some switch is swept.
// False with *error for a bad value.
bool readCombinations(const QCommandLineParser& p, const CombinationDefaults& defaults,
                      std::vector<VerifySettings>& settings, bool* swept, QString* error);

// A filter of the settings as the board shows it: "Tutti" in the language in
// use (the settings and the CSV keep "Tutti"), a number as it is.
QString filterShown(const QString& filter);
// A bad value of an option, with what the option takes (a long value cut):
// false with *error.
bool badValue(QString* error, const QString& option, const QString& value, const QString& takes);
// What options take, for their refusals: whole numbers in a range, a
// progression, a chip value (`repeated`: how to give more than one); and the
// refusal of a list whose stake per number is over the ceiling.
QString wholeRange(qint64 least, qint64 most);
QString progressionTakes();
QString chipTakes(bool repeated);
QString overCeiling(Chips stake, Chips multiple);

// The help lines of the options of the combinations.
QString combinationHelp(bool simulation);

// The error of a command-line parse that failed, for the player.
QString parseProblem(const QCommandLineParser& p);

// The CSV pieces of a combination: a field as the CSV writes it, the
// attempts a "Contr. Massimo" text shows (at most the tally's last entry),
// the settings of the board and the switches, the panel, the tally and the
// money of a result, and the settings of the stakes.
QString csvField(const QString& text);
int attemptsShown(const QString& maxText);
QStringList settingsHeader();
QStringList settingsFields(const VerifySettings& s);
QStringList resultHeader(int attempts);
QStringList resultFields(const VerifySettings& s, const VerifyResult& r, int attempts);
QStringList stakesHeader();
QStringList stakesFields(const VerifySettings& s);

} // namespace zt
