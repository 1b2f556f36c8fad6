#pragma once
// The settings of the composite strings, as read from the settings window.

namespace zt {

struct StringsSettings {
    bool highlight = true;    // "Evidenzia su Tastiera" (Check20)
    double rows = 1;          // Numerostringhe, by its leading number
    bool checkFirst = true;   // "Controlla 1° colpo" (Check12)
    bool checkSecond = false; // "Controlla 2° colpo" (Check16)
    double maxDelay = 10;     // "Contr. Massimo" (ST_ContrMax0), by its leading number
    bool resetAfter = false;  // "Azzera" (Check1)
};

} // namespace zt
