#include "core/report.h"

#include "core/textrules.h"
#include "core/tally.h"

#include <QSaveFile>
#include <QStringEncoder>

#include <cmath>

namespace zt {

QByteArray reportBytes(const ReportInputs& in, const ConteggioColpi& tally)
{
    QString text;
    const auto line = [&text](const QString& s = {}) { text += s + QLatin1String("\r\n"); };

    line(QStringLiteral("Orba"));
    line();
    if (leadingNumber(in.runRows) > 0)
        line(QStringLiteral("Boules:") + in.replayedRows);
    line();
    line();
    line();
    if (in.attemptLines) {
        const double n = std::fmin(leadingNumber(in.maxAttempts), ConteggioColpi::Last);
        for (int i = 1; i <= n; ++i)
            line(QStringLiteral("Uscite al:") + signText(i) + QStringLiteral("° colpo n°:") +
                 signText(tally.entry(i)));
    }
    line();
    line(QStringLiteral("Fallite:") + signText(tally.entry(0)));
    line();
    line();
    line(QStringLiteral("Totale:") + in.verified);
    line();
    line();
    line(QStringLiteral("dettaglio colpi:"));
    QString detail = in.detail;
    detail.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    detail.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    line(detail);

    QStringEncoder encoder("windows-1252");
    return encoder.encode(text);
}

bool saveReport(const QString& path, const QByteArray& bytes, QString* error)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    const QString reason = file.errorString();
    file.cancelWriting();
    if (error)
        *error = QStringLiteral("Impossibile scrivere il rapporto %1: %2").arg(path, reason);
    return false;
}

} // namespace zt
