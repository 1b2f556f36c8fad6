#pragma once
// The exchange file "numero.txt" through which another program sends spins:
// characters 1 to 10 a stamp that changes with every spin, 11 and 12 ignored,
// 13 to the end the number (1..36) as decimal text.

#include <QString>
#include <QStringView>

#include <optional>

namespace zt {

struct ExchangeSpin {
    QString numberText; // character 13 to the end, as read (for CM_pulsante)
    QString stamp;      // characters 1 to 10 without blanks around them (for CM_tempo)
};

// Reads the exchange file (at most its first 4 KiB, as single-byte Windows-1252
// text).  Returns the spin when the number text's leading number is 1..36 and
// the stamp differs from lastStamp (both without the blanks, U+0020, around
// them; other white space counts); nothing when the file is missing,
// unreadable, not a plain file, shorter than 13 characters, or holds no new
// spin.
std::optional<ExchangeSpin> readExchangeFile(QStringView lastStamp,
                                             const QString& path = QStringLiteral("numero.txt"));

} // namespace zt
