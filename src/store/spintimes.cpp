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

bool isSpinTimeText(QStringView text)
{
    // yyyy-MM-ddTHH:mm:ss+HH:MM, each digit where the form has one.
    static constexpr char form[] = "dddd-dd-ddTdd:dd:ddsdd:dd";
    if (text.size() != qsizetype(sizeof form - 1))
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        const bool fits = form[i] == 'd'   ? c >= u'0' && c <= u'9'
                          : form[i] == 's' ? c == u'+' || c == u'-'
                                           : c == char16_t(form[i]);
        if (!fits)
            return false;
    }
    const auto at = [&](qsizetype from, qsizetype digits) {
        int n = 0;
        for (qsizetype i = from; i < from + digits; ++i)
            n = n * 10 + (text[i].unicode() - u'0');
        return n;
    };
    return QDate::isValid(at(0, 4), at(5, 2), at(8, 2)) && at(11, 2) < 24 && at(14, 2) < 60 &&
           at(17, 2) < 60 && at(20, 2) * 60 + at(23, 2) <= 14 * 60 && at(23, 2) < 60;
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

bool deleteSpinTime(const QSqlDatabase& db, qint64 id, QSqlError* error, QString* time)
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
    if (time) { // what it was, when it can be read
        q.prepare(QStringLiteral("SELECT Ora FROM UsciteOra WHERE id = ?"));
        q.addBindValue(id);
        *time = q.exec() && q.next() ? q.value(0).toString() : QString();
        q.finish();
    }
    q.prepare(QStringLiteral("DELETE FROM UsciteOra WHERE id = ?"));
    q.addBindValue(id);
    if (q.exec())
        return true;
    *error = q.lastError();
    return false;
}

bool restoreSpinTime(const QSqlDatabase& db, qint64 id, const QString& time, QSqlError* error)
{
    if (!createTimesTable(db, error))
        return false;
    QSqlQuery q(db);
    q.prepare(QStringLiteral("INSERT OR REPLACE INTO UsciteOra (id, Ora) VALUES (?, ?)"));
    q.addBindValue(id);
    q.addBindValue(time);
    if (q.exec())
        return true;
    *error = q.lastError();
    return false;
}

} // namespace zt
