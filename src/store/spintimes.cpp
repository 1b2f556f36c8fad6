#include "store/spintimes.h"

#include <QDateTime>

#include <QSqlError>
#include <QSqlQuery>
#include <cstdlib>

namespace zt {

QString spinTimeText(const QDateTime& moment)
{
    const QDateTime local = moment.toLocalTime();
    const int offset = local.offsetFromUtc(); // seconds east of UTC
    const int minutes = std::abs(offset) / 60;
    return local.toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss")) +
           QStringLiteral("%1%2:%3")
               .arg(QLatin1Char(offset < 0 ? '-' : '+'))
               .arg(minutes / 60, 2, 10, QLatin1Char('0'))
               .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

bool createTimesTable(const QSqlDatabase& db, QSqlError* error)
{
    QSqlQuery q(db);
    if (q.exec(QStringLiteral(
            "CREATE TABLE IF NOT EXISTS UsciteOra (id INTEGER PRIMARY KEY, Ora TEXT NOT NULL)")))
        return true;
    *error = q.lastError();
    return false;
}

bool deleteSpinTime(const QSqlDatabase& db, qint64 id, QSqlError* error)
{
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = "
                               "'UsciteOra' COLLATE NOCASE"))) {
        *error = q.lastError();
        return false;
    }
    if (!q.next())
        return true;
    q.finish();
    q.prepare(QStringLiteral("DELETE FROM UsciteOra WHERE id = ?"));
    q.addBindValue(id);
    if (q.exec())
        return true;
    *error = q.lastError();
    return false;
}

} // namespace zt
