#pragma once
// The settings window "Impostazioni Auto": how composite strings are followed
// and whether the keypad shows them.  The other windows read its controls
// (through SettingsLink) whenever they need a setting; before it is ever shown
// the controls hold the defaults.

#include "ui/sharedwindow.h"
#include "windows/links.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace zt {

class SettingsWindow : public SharedWindow, public SettingsLink {
    Q_OBJECT
public:
    SettingsWindow();

    // SettingsLink, over its controls.
    StringsSettings settings() override;
    QString maxDelayText() override;
    void setHighlight(bool on) override;
    bool checksFirstHit() override;

private:
    // The language of the windows and the commands, kept in zentrima13.ini:
    // it counts from the next start.
    void buildLanguageChoice();

    QCheckBox* Check20 = nullptr; // "Evidenzia su Tastiera"
    QLineEdit* Numerostringhe = nullptr;
    QCheckBox* Check12 = nullptr; // "Controlla 1° colpo"
    QCheckBox* Check16 = nullptr; // "Controlla 2° colpo"
    QLineEdit* ST_ContrMax0 = nullptr; // "Contr. Massimo"
    QCheckBox* Check1 = nullptr;  // "Azzera"
    QComboBox* Lingua = nullptr;
};

} // namespace zt
