#pragma once
// The player's settings kept between runs in the settings file zentrima13.ini
// of the working folder (INI format): the stakes and the simulated evenings
// of the money window, in the group "Puntate"; the language of the windows
// and the commands and the size of the main board, in the group "Interfaccia".

#include "core/betting.h"

#include <QString>

namespace zt {

inline constexpr char settingsFileName[] = "zentrima13.ini";

struct MoneyPreferences {
    BetSettings bet;
    SimulationSettings simulation{10'000, 300, 1};
};

// What the file holds; a missing file, or a value that is missing or not
// valid, gives the default of that value.
MoneyPreferences readMoneyPreferences(const QString& path);

// Writes the group, keeping the rest of the file.  False when the file
// could not be written.
bool writeMoneyPreferences(const QString& path, const MoneyPreferences& preferences);

// The language chosen in the settings window: "it", "en", or empty (none
// chosen, or a value not known: the system's language).
QString readLanguagePreference(const QString& path);

// Writes it (empty: the key is removed), keeping the rest of the file.  False
// when the file could not be written.
bool writeLanguagePreference(const QString& path, const QString& language);

// How many times its designed size the main board is drawn: 1 to 4 (1 when
// missing or not valid).
double readBoardScale(const QString& path);

// Writes it, keeping the rest of the file.  False when the file could not be
// written.
bool writeBoardScale(const QString& path, double scale);

} // namespace zt
