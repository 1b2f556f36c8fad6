#pragma once
// The settings window "Impostazioni Auto": how composite strings are followed
// and whether the keypad shows them.  The engines read its controls whenever
// they need a setting; before it is ever shown the controls hold the defaults.

#include "app/sharedwindow.h"
#include "strings/stringssettings.h"

namespace zt {

class SettingsWindow : public SharedWindow {
    Q_OBJECT
public:
    SettingsWindow();
};

// The settings as the controls of the shared settings window hold them now
// (the window is created hidden, with its defaults, when it is not loaded).
StringsSettings currentStringsSettings();

} // namespace zt
