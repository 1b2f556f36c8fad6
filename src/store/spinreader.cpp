#include "store/spinreader.h"

#include "core/textrules.h"
#include "store/storefile.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace zt {

namespace {

// Rows per statement: a reader holds the file's shared lock only while one
// statement runs, and a spin being recorded waits for it.
constexpr int kStretch = 20000;

} // namespace

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
    QString why;
    if (!connection.open(&why)) {
        if (why == missingProblem())
            return ReadResult::NoFile;
        if (problem)
            *problem = storeMessage(why, StoreAction::Read);
        return ReadResult::Failed;
    }
    SpinReading added;
    added.lastId = reading.lastId;
    {
        QSqlQuery q(connection.database());
        q.setForwardOnly(true);
        // The game type as the viewer's filter compares it.
        if (!q.prepare(QStringLiteral("SELECT id, Numero, CASE WHEN Tipo = 1 THEN 1 WHEN Tipo = 2 "
                                      "THEN 2 ELSE 0 END FROM Uscite WHERE id > ? ORDER BY id "
                                      "LIMIT %1")
                           .arg(kStretch))) {
            if (problem)
                *problem = storeMessage(storeProblem(q.lastError()), StoreAction::Read);
            return ReadResult::Failed;
        }
        for (;;) {
            q.addBindValue(added.lastId);
            if (!q.exec()) {
                if (problem)
                    *problem = storeMessage(storeProblem(q.lastError()), StoreAction::Read);
                return ReadResult::Failed;
            }
            int rows = 0;
            while (q.next()) {
                ++rows;
                added.lastId = q.value(0).toLongLong();
                // A number stored as a number reads as its text.
                const int n = spinNumber(q.value(1).toString());
                if (n < 0) {
                    ++added.unreadable;
                    continue;
                }
                added.spins.push_back({std::uint8_t(n), std::uint8_t(q.value(2).toInt())});
            }
            q.finish(); // the shared lock goes with the statement
            if (rows < kStretch)
                break;
            if (cancel && cancel->load())
                return ReadResult::Cancelled;
        }
    }
    reading.spins.insert(reading.spins.end(), added.spins.begin(), added.spins.end());
    reading.lastId = added.lastId;
    reading.unreadable += added.unreadable;
    return ReadResult::Read;
}

} // namespace zt
