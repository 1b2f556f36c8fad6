#pragma once
// When each spin was entered: the table UsciteOra beside Uscite, one row per
// recorded spin, keyed by the spin's id in Uscite:
//   CREATE TABLE IF NOT EXISTS UsciteOra (id INTEGER PRIMARY KEY, Ora TEXT NOT NULL)
// Ora is the local time the spin was entered, ISO 8601 with seconds and the
// offset from UTC ("2026-12-06T22:15:03+01:00").  Only the main board's
// recording creates the table, inside the transaction of a spin; Uscite itself
// is unchanged, and a file without UsciteOra is as good as one with it.

#include <QSqlDatabase>
#include <QString>

class QDateTime;
class QSqlError;

namespace zt {

// The text stored in Ora for a moment: its local time and offset.
QString spinTimeText(const QDateTime& moment);

// True when text has the form spinTimeText() gives and names a real moment:
// a date of the calendar, a time of day, an offset of at most 14 hours.
bool isSpinTimeText(QStringView text);

// Creates UsciteOra when the file has none (a write: inside the caller's
// transaction).  False with *error on failure.
bool createTimesTable(const QSqlDatabase& db, QSqlError* error);

// Deletes the time of row id, when the file has UsciteOra (inside the
// transaction that deletes the row), giving it in *time when asked (empty:
// the row had none).  False with *error on failure.
bool deleteSpinTime(const QSqlDatabase& db, qint64 id, QSqlError* error, QString* time = nullptr);

// Stores `time` as the time of row id, creating UsciteOra when the file has
// none (inside the transaction that puts a deleted row back).
bool restoreSpinTime(const QSqlDatabase& db, qint64 id, const QString& time, QSqlError* error);

} // namespace zt
