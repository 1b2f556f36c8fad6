#pragma once
// The results report "Statistica.txt": its bytes and writing it.

#include "core/savefile.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

namespace zt {

class ConteggioColpi;

inline constexpr const char* reportFileName = "Statistica.txt";

// What the report shows, read from the viewer, the settings and the tally.
struct ReportInputs {
    QString runRows;           // "Colpi:" (Text6): the "Boules:" line only when above 0
    QString replayedRows;      // Text13, copied after "Boules:"
    bool attemptLines = false; // "Stringa comp. Progressione" (Check6)
    QString maxAttempts;       // "Contr. Massimo" (ST_ContrMax0)
    QString verified;          // Text16, copied after "Totale:"
    QString detail;            // Text19, the last line
};

// The report in the Windows-1252 code page with CR LF line ends.  The attempt
// lines run from 1 to the number in maxAttempts, at most to the last tally
// entry (100); a text that is not a number gives none.  A character the code
// page cannot hold is written as "?" (a surrogate pair as one); *replaced
// tells how many were.
QByteArray reportBytes(const ReportInputs& in, const ConteggioColpi& tally,
                       int* replaced = nullptr);

// Writes the report in one piece (see saveWhole): on failure *error reads
// "Impossibile scrivere il rapporto <path>: <cause>."
inline bool saveReport(const QString& path, const QByteArray& bytes, QString* error)
{
    return saveWhole(path, bytes, QCoreApplication::translate("Files", "il rapporto"), error);
}

} // namespace zt
