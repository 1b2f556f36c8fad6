#include "store/replayreader.h"

#include "core/betting.h"
#include "core/verifier.h"
#include "store/storefile.h"

#include <QCoreApplication>
#include <QLocale>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QVariant>

#include <sqlite3.h>

#include <charconv>
#include <limits>

namespace zt {

namespace {

struct StoreText {
    Q_DECLARE_TR_FUNCTIONS(Store)
};

// A column of the current result row as the viewer's bound box shows it (the
// text of the value the database driver of the windows gives), handed to f
// as a view.  Short plain texts and whole numbers are converted on the stack.
template <class F> void withShownText(sqlite3_stmt* st, int column, F&& f)
{
    constexpr int shortText = 64;
    char16_t wide[shortText];
    switch (sqlite3_column_type(st, column)) {
    case SQLITE_NULL:
        f(QStringView());
        return;
    case SQLITE_INTEGER: {
        char digits[24];
        const auto end =
            std::to_chars(digits, digits + sizeof digits, sqlite3_column_int64(st, column)).ptr;
        for (char* c = digits; c != end; ++c)
            wide[c - digits] = char16_t(*c);
        f(QStringView(wide, end - digits));
        return;
    }
    case SQLITE_FLOAT:
        f(QString::number(sqlite3_column_double(st, column), 'g', QLocale::FloatingPointShortest));
        return;
    case SQLITE_BLOB: {
        const auto* bytes = static_cast<const char*>(sqlite3_column_blob(st, column));
        f(QString::fromUtf8(bytes, sqlite3_column_bytes(st, column)));
        return;
    }
    default:
        break;
    }
    const auto* text = sqlite3_column_text(st, column);
    const int size = sqlite3_column_bytes(st, column);
    bool plain = size <= shortText;
    for (int i = 0; plain && i < size; ++i) {
        plain = text[i] < 0x80;
        wide[i] = char16_t(text[i]);
    }
    if (plain) {
        f(QStringView(wide, size));
        return;
    }
    // As the driver reads a text: the engine's own conversion.
    const auto* utf16 = static_cast<const char16_t*>(sqlite3_column_text16(st, column));
    f(QStringView(utf16, sqlite3_column_bytes16(st, column) / 2));
}

// Ids read by one statement: at most about 15 ms of reading.
constexpr qint64 kStretch = 65536;

class Statement {
public:
    Statement(sqlite3* db, const char* sql)
    {
        code = sqlite3_prepare_v2(db, sql, -1, &st, nullptr);
    }
    ~Statement() { sqlite3_finalize(st); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    sqlite3_stmt* st = nullptr;
    int code;
};

// The engine's handle of a connection, or nullptr.
sqlite3* engineHandle(StoreConnection& conn)
{
    const QVariant handle = conn.database().driver()->handle();
    return handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0
               ? *static_cast<sqlite3* const*>(handle.constData())
               : nullptr;
}

bool hasTimes(sqlite3* db)
{
    Statement t(db, "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'UsciteOra'");
    return t.code == SQLITE_OK && sqlite3_step(t.st) == SQLITE_ROW;
}

// The time text of a column into the clock (NULL or another type: none).
void addTime(sqlite3_stmt* st, int column, SpinClock& clock)
{
    if (sqlite3_column_type(st, column) != SQLITE_TEXT)
        return;
    clock.add(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, column)),
                                sqlite3_column_bytes(st, column)));
}

// Reads the rows of Uscite from the first id at or after `from` up to the
// last id at the start, at most `limit` of them (every one when negative), in
// stretches of ids, each a statement of its own, so that the file is free
// between two of them and a spin the board records waits a moment at most.
// stretch(from, to, left) reads the rows with the ids from..to (at most left
// of them when left is not negative) and returns how many rows of Uscite it
// read, or -1 on an error of the engine.  False on such an error.  (A stretch
// of ids, not of rows, needs no id read with every row.)
template <class F> bool readInStretches(sqlite3* db, qint64 from, qint64 limit, F stretch)
{
    qint64 lastId = 0;
    {
        Statement last(db, "SELECT max(id) FROM Uscite");
        if (last.code != SQLITE_OK || sqlite3_step(last.st) != SQLITE_ROW)
            return false;
        if (sqlite3_column_type(last.st, 0) == SQLITE_NULL)
            return true;
        lastId = sqlite3_column_int64(last.st, 0);
    }
    Statement first(db, "SELECT min(id) FROM Uscite WHERE id >= ?1");
    if (first.code != SQLITE_OK)
        return false;
    for (qint64 left = limit; left != 0;) {
        // The stretch starts at an id there is, past any gap in the ids.
        if (sqlite3_bind_int64(first.st, 1, from) != SQLITE_OK ||
            sqlite3_step(first.st) != SQLITE_ROW)
            return false;
        const bool more = sqlite3_column_type(first.st, 0) != SQLITE_NULL;
        from = sqlite3_column_int64(first.st, 0);
        sqlite3_reset(first.st);
        if (!more || from > lastId)
            return true;
        qint64 to = lastId;
        if (lastId >= std::numeric_limits<qint64>::min() + kStretch && from <= lastId - kStretch)
            to = from + kStretch - 1;
        const qint64 got = stretch(from, to, left);
        if (got < 0)
            return false;
        if (left > 0)
            left -= got;
        if (to == lastId)
            return true;
        from = to + 1;
    }
    return true;
}

// Binds the ids from..to to the parameters 1 and 2 of st, and left to the
// third when it is not negative.
bool bindStretch(sqlite3_stmt* st, qint64 from, qint64 to, qint64 left)
{
    return sqlite3_bind_int64(st, 1, from) == SQLITE_OK &&
           sqlite3_bind_int64(st, 2, to) == SQLITE_OK &&
           (left < 0 || sqlite3_bind_int64(st, 3, left) == SQLITE_OK);
}

} // namespace

ReplayRead readReplayRowsOfType(const QString& path, int type, ReplayRows& rows, SpinClock* clock,
                                QString* problem)
{
    StoreConnection conn;
    if (!conn.openExisting(path, problem))
        return ReplayRead::Unusable;
    sqlite3* db = engineHandle(conn);
    const auto engineProblem = [&] {
        const QString text = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString();
        const int code = db ? sqlite3_extended_errcode(db) : SQLITE_ERROR;
        *problem = storeProblem(
            QSqlError(text, text, QSqlError::StatementError, QString::number(code)), path);
        return ReplayRead::Unusable;
    };
    if (!db)
        return engineProblem();
    const bool times = clock && hasTimes(db);
    const QByteArray sql =
        QByteArray("SELECT u.Numero, u.Memoria") + (times ? ", o.Ora" : ", NULL") +
        " FROM Uscite u" + (times ? " LEFT JOIN UsciteOra o ON o.id = u.id" : "") +
        " WHERE u.id BETWEEN ?1 AND ?2 AND (?3 = 0 OR (CASE WHEN u.Tipo = 1 THEN 1 WHEN"
        " u.Tipo = 2 THEN 2 ELSE 0 END) = ?3) ORDER BY u.id";
    Statement all(db, sql.constData());
    if (all.code != SQLITE_OK || sqlite3_bind_int(all.st, 3, type) != SQLITE_OK)
        return engineProblem();
    const bool read = readInStretches(
        db, std::numeric_limits<qint64>::min(), -1, [&](qint64 from, qint64 to, qint64) {
            if (!bindStretch(all.st, from, to, -1))
                return qint64(-1);
            int step;
            while ((step = sqlite3_step(all.st)) == SQLITE_ROW) {
                withShownText(all.st, 0, [&](QStringView number) {
                    withShownText(all.st, 1,
                                  [&](QStringView memory) { rows.append(number, memory); });
                });
                if (times)
                    addTime(all.st, 2, *clock);
            }
            if (step != SQLITE_DONE)
                return qint64(-1);
            sqlite3_reset(all.st);
            return qint64(0); // no limit to count against
        });
    return read ? ReplayRead::Done : engineProblem();
}

void readSpinTimes(const QString& path, std::optional<qint64> fromId, qint64 limit,
                   SpinClock& clock)
{
    StoreConnection conn;
    QString problem;
    if (!conn.openExisting(path, &problem))
        return;
    sqlite3* db = engineHandle(conn);
    if (!db || !hasTimes(db))
        return;
    // One row per row of Uscite (a time or NULL), so that the limit counts
    // the rows readReplayRows() counts.
    const QByteArray sql = QByteArray("SELECT o.Ora FROM Uscite u LEFT JOIN UsciteOra o ON o.id = "
                                      "u.id WHERE u.id BETWEEN ?1 AND ?2 ORDER BY u.id") +
                           (limit < 0 ? "" : " LIMIT ?3");
    Statement all(db, sql.constData());
    if (all.code != SQLITE_OK)
        return;
    readInStretches(db, fromId.value_or(std::numeric_limits<qint64>::min()), limit,
                    [&](qint64 from, qint64 to, qint64 left) {
                        if (!bindStretch(all.st, from, to, left))
                            return qint64(-1);
                        qint64 got = 0;
                        for (; sqlite3_step(all.st) == SQLITE_ROW; ++got)
                            addTime(all.st, 0, clock);
                        sqlite3_reset(all.st);
                        return got;
                    });
}

ReplayRead readReplayRows(const QString& path, const QString& name, std::optional<qint64> fromId,
                          qint64 limit, ReplayRows& rows, QString* problem,
                          std::vector<qint64>* ids)
{
    StoreConnection conn;
    if (!conn.openExisting(path, problem))
        return conn.busy() ? ReplayRead::Busy : ReplayRead::Unusable;
    sqlite3* db = engineHandle(conn);
    const auto engineProblem = [&] {
        const int code = db ? sqlite3_extended_errcode(db) : SQLITE_ERROR;
        const QString text = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString();
        const QSqlError error(text, text, QSqlError::StatementError, QString::number(code));
        *problem = storeProblem(error, path);
        return isBusy(error) ? ReplayRead::Busy : ReplayRead::Unusable;
    };
    if (!db)
        return engineProblem();

    if (fromId) {
        Statement one(db, "SELECT 1 FROM Uscite WHERE id = ?1");
        if (one.code != SQLITE_OK || sqlite3_bind_int64(one.st, 1, *fromId) != SQLITE_OK)
            return engineProblem();
        const int found = sqlite3_step(one.st);
        if (found == SQLITE_DONE) {
            *problem =
                StoreText::tr("Nel file %1 non c'è la riga con id %2").arg(name).arg(*fromId);
            return ReplayRead::NoSuchRow;
        }
        if (found != SQLITE_ROW)
            return engineProblem();
    }

    // The rows as they are now: those up to the last id, in stretches.
    Statement some(db, limit < 0 ? "SELECT Numero, Memoria, id FROM Uscite WHERE id BETWEEN ?1 AND ?2 "
                                   "ORDER BY id"
                                 : "SELECT Numero, Memoria, id FROM Uscite WHERE id BETWEEN ?1 AND ?2 "
                                   "ORDER BY id LIMIT ?3");
    if (some.code != SQLITE_OK)
        return engineProblem();
    const bool read =
        readInStretches(db, fromId.value_or(std::numeric_limits<qint64>::min()), limit,
                        [&](qint64 from, qint64 to, qint64 left) {
                            if (!bindStretch(some.st, from, to, left))
                                return qint64(-1);
                            qint64 got = 0;
                            int step;
                            while ((step = sqlite3_step(some.st)) == SQLITE_ROW) {
                                ++got;
                                withShownText(some.st, 0, [&](QStringView number) {
                                    withShownText(some.st, 1, [&](QStringView memory) {
                                        rows.append(number, memory);
                                    });
                                });
                                if (ids)
                                    ids->push_back(sqlite3_column_int64(some.st, 2));
                            }
                            if (step != SQLITE_DONE)
                                return qint64(-1);
                            sqlite3_reset(some.st); // the file is free until the next stretch
                            return got;
                        });
    if (!read)
        return engineProblem();
    return ReplayRead::Done;
}

} // namespace zt
