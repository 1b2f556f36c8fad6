#include "store/spinreader.h"

#include "core/textrules.h"
#include "store/storefile.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>

#include <sys/stat.h>

namespace zt {

namespace {

// Rows per statement: a reader holds the file's shared lock only while one
// statement runs, and a spin being recorded waits for it.
constexpr int kStretch = 20000;

} // namespace

FileIdentity fileIdentity(const QString& path)
{
    struct stat info;
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    return {quint64(info.st_dev), quint64(info.st_ino)};
}

int spinNumber(QStringView text)
{
    // The usual " 17" directly, anything else by its leading number.
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    const auto digit = [&](qsizetype k) {
        return k < text.size() && text[k] >= u'0' && text[k] <= u'9';
    };
    const qsizetype rest = text.size() - i;
    if (rest == 1 && digit(i))
        return text[i].unicode() - u'0';
    if (rest == 2 && digit(i) && digit(i + 1)) {
        const int n = (text[i].unicode() - u'0') * 10 + (text[i + 1].unicode() - u'0');
        return n <= 36 ? n : -1;
    }
    // A text without a number (empty, a word) is no spin, not a zero.
    const bool number = digit(i) || (rest >= 2 && (text[i] == u'+' || text[i] == u'-' ||
                                                   text[i] == u'.') && digit(i + 1));
    if (!number)
        return -1;
    const double n = leadingNumber(text);
    return n >= 0 && n <= 36 && n == int(n) ? int(n) : -1;
}

ReadResult readSpins(SpinReading& reading, QString* problem, const std::atomic<bool>* cancel)
{
    StoreConnection connection;
    connection.setReadOnly(true);
    // Before the file is opened: one renamed over it meanwhile is told by the next reading.
    const FileIdentity file = fileIdentity(connection.filePath());
    QString why;
    if (!connection.open(&why)) {
        if (why == missingProblem())
            return ReadResult::NoFile;
        if (problem)
            *problem = storeMessage(why, StoreAction::Read);
        return ReadResult::Failed;
    }
    const auto failed = [&](const QSqlQuery& q) {
        if (problem)
            *problem = storeMessage(storeProblem(q.lastError()), StoreAction::Read);
        return ReadResult::Failed;
    };
    SpinReading added;
    added.lastId = reading.lastId;
    {
        const QSqlDatabase db = connection.database();
        // The rows up to the last id now (those added meanwhile wait for the
        // next reading), and whether the rows read before are all still there
        // and alone: one statement, so one moment of the file.
        QSqlQuery last(db);
        last.prepare(QStringLiteral("SELECT (SELECT max(id) FROM Uscite), (SELECT count(*) FROM "
                                    "Uscite), (SELECT count(*) FROM Uscite WHERE id > ?)"));
        last.addBindValue(reading.lastId);
        if (!last.exec() || !last.next())
            return failed(last);
        const qint64 lastId = last.value(0).toLongLong();
        const qint64 before = last.value(1).toLongLong() - last.value(2).toLongLong();
        last.finish();
        if (reading.lastId > 0 && (before != reading.rows || file != reading.file)) {
            added.restarted = true; // read them all again
            added.lastId = 0;
        }
        // Where each stretch ends.
        QSqlQuery end(db);
        end.setForwardOnly(true);
        // One value a row, so that the usual row costs no text: a number in
        // its recorded form (" 17") comes as number * 4 + type, anything else
        // as the text "type|Numero".  The type as the viewer's filter compares it.
        QSqlQuery q(db);
        q.setForwardOnly(true);
        const QString type =
            QStringLiteral("(CASE WHEN Tipo = 1 THEN 1 WHEN Tipo = 2 THEN 2 ELSE 0 END)");
        if (!end.prepare(QStringLiteral("SELECT id FROM Uscite WHERE id > ? ORDER BY id LIMIT 1 "
                                        "OFFSET %1")
                             .arg(kStretch - 1)))
            return failed(end);
        if (!q.prepare(QStringLiteral("SELECT CASE WHEN Numero GLOB ' [0-9]' OR Numero GLOB "
                                      "' [0-9][0-9]' THEN CAST(Numero AS INTEGER) * 4 + %1 ELSE %1 "
                                      "|| '|' || ifnull(Numero, '') END FROM Uscite WHERE id > ? "
                                      "AND id <= ? ORDER BY id")
                           .arg(type)))
            return failed(q);
        while (added.lastId < lastId) {
            if (cancel && cancel->load())
                return ReadResult::Cancelled;
            end.addBindValue(added.lastId);
            if (!end.exec())
                return failed(end);
            const qint64 to = end.next() ? std::min(end.value(0).toLongLong(), lastId) : lastId;
            end.finish();
            q.addBindValue(added.lastId);
            q.addBindValue(to);
            if (!q.exec())
                return failed(q);
            while (q.next()) {
                const QVariant value = q.value(0);
                int number;
                int gameType;
                if (value.typeId() == QMetaType::QString) {
                    const QString text = value.toString();
                    gameType = text.front().unicode() - u'0';
                    number = spinNumber(QStringView(text).sliced(2));
                } else {
                    const qint64 code = value.toLongLong();
                    gameType = int(code & 3);
                    number = code >= 0 && code >> 2 <= 36 ? int(code >> 2) : -1;
                }
                ++added.rows;
                if (number < 0)
                    ++added.unreadable;
                else
                    added.spins.push_back({std::uint8_t(number), std::uint8_t(gameType)});
            }
            // The rows end early at one the engine cannot read (a damaged file).
            if (q.lastError().isValid())
                return failed(q);
            q.finish(); // the shared lock goes with the statement
            added.lastId = to;
        }
    }
    if (added.restarted)
        reading = SpinReading();
    if (reading.spins.empty())
        reading.spins = std::move(added.spins);
    else
        reading.spins.insert(reading.spins.end(), added.spins.begin(), added.spins.end());
    reading.lastId = added.lastId;
    reading.unreadable += added.unreadable;
    reading.rows += added.rows;
    reading.file = file;
    reading.restarted = added.restarted;
    return ReadResult::Read;
}

} // namespace zt
