#include "store/spintransfer.h"

#include "core/spincsv.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringDecoder>

#include <limits>
#include <utility>
#include <vector>

namespace zt {

namespace {

struct StoreText {
    Q_DECLARE_TR_FUNCTIONS(Store)
};

const char* const kColumns[kSpinCsvColumns] = {"id",   "Numero",  "Memoria", "Tipo",
                                               "Cima", "Memcima", "Note"};

constexpr int kBatchRows = 100;
// Rows exported by one statement: about 15 ms of reading.
constexpr int kExportStretch = 16384;
constexpr int kInsertColumns = 6; // every column but id

// The statement that adds `rows` rows to the rows sent (see kSentSchema).
QString insertStatement(int rows)
{
    QString sql = QStringLiteral("INSERT INTO temp.zt_sent (Numero, Memoria, Tipo, Cima, Memcima, "
                                 "Note) VALUES (?, ?, ?, ?, ?, ?)");
    for (int r = 1; r < rows; ++r)
        sql += QStringLiteral(", (?, ?, ?, ?, ?, ?)");
    return sql;
}

// True when binding b where a is bound changes nothing: NULL, '' and 1 are
// three values.
bool sameBinding(const QVariant& a, const QVariant& b)
{
    if (a.metaType() != b.metaType())
        return false;
    if (a.typeId() == QMetaType::QString) {
        const auto& x = *static_cast<const QString*>(a.constData());
        const auto& y = *static_cast<const QString*>(b.constData());
        return x.isNull() == y.isNull() && x == y;
    }
    return a == b;
}

// The value to bind for a text that is to be stored as it is.  The engine
// takes a byte-order mark opening a text handed to it (as UTF-16, the way the
// driver hands every text) for the text's byte order and drops it: a text
// that opens with one (or with its byte-swapped form) gets one more in front,
// which the engine drops instead.
QVariant boundValue(const QVariant& value)
{
    if (value.typeId() != QMetaType::QString)
        return value;
    const QString& text = *static_cast<const QString*>(value.constData());
    if (!text.startsWith(QChar(0xFEFF)) && !text.startsWith(QChar(0xFFFE)))
        return value;
    return QString(QChar(0xFEFF) + text);
}

// The statement that adds `rows` rows, prepared once.  A bound value stays
// from one run to the next, and binding costs more than comparing: only the
// values that differ from the last run's are bound again.
class RowInserter {
public:
    RowInserter(const QSqlDatabase& db, int rows)
        : query_(db), bound_(size_t(rows * kInsertColumns), QVariant(false))
    {
        prepared_ = query_.prepare(insertStatement(rows));
    }
    // False when the statement cannot be made: lastError() says why.
    bool prepared() const { return prepared_; }
    ~RowInserter() { query_.finish(); }

    bool run(const SpinCsvRow* rows)
    {
        for (size_t r = 0; r < bound_.size() / kInsertColumns; ++r) {
            const SpinCsvRow& row = rows[r];
            const int at = int(r) * kInsertColumns;
            bind(at, row.numero);
            bind(at + 1, row.memoria);
            bind(at + 2, row.tipo ? QVariant(qlonglong(row.tipo)) : QVariant());
            bind(at + 3, row.cima);
            bind(at + 4, row.memcima);
            bind(at + 5, row.note);
        }
        return query_.exec();
    }
    QSqlError lastError() const { return query_.lastError(); }

private:
    void bind(int at, const QVariant& value)
    {
        QVariant& last = bound_[size_t(at)];
        if (sameBinding(last, value))
            return;
        query_.bindValue(at, boundValue(value));
        last = value;
    }

    QSqlQuery query_;
    std::vector<QVariant> bound_;
    bool prepared_ = false;
};

// The rows read go first into a table of this connection only, with the
// columns (and so the conversions) of Uscite but none of its triggers or
// constraints, then from there into Uscite in one statement: what Uscite
// stored is then compared with what was sent.
const char* const kCopySent =
    "INSERT INTO main.Uscite (Numero, Memoria, Tipo, Cima, Memcima, Note) "
    "SELECT Numero, Memoria, Tipo, Cima, Memcima, Note FROM temp.zt_sent ORDER BY rowid";

const char* const kSentSchema =
    "CREATE TEMP TABLE zt_sent AS SELECT Numero, Memoria, Tipo, Cima, Memcima, Note "
    "FROM main.Uscite WHERE 0";

// The rows past the id (bound): their count, their first and last id.
const char* const kNewRows = "SELECT count(*), min(id), max(id) FROM main.Uscite WHERE id > ?";

// The first id past the id (bound second) of a row that is not as sent, the
// new ids following one another from the one after the first bound.
const char* const kNotAsSent =
    "SELECT min(u.id) FROM main.Uscite AS u LEFT JOIN temp.zt_sent AS s ON s.rowid = u.id - ? "
    "WHERE u.id > ? AND (s.rowid IS NULL "
    "OR u.Numero IS NOT s.Numero COLLATE BINARY OR u.Memoria IS NOT s.Memoria COLLATE BINARY "
    "OR u.Tipo IS NOT s.Tipo COLLATE BINARY OR u.Cima IS NOT s.Cima COLLATE BINARY "
    "OR u.Memcima IS NOT s.Memcima COLLATE BINARY OR u.Note IS NOT s.Note COLLATE BINARY)";

// The place, from 1, of the first row added after lastId that is not as
// sent: 0 when they all are, -1 with *problem when they cannot be read.  The
// new rows are as sent only when their ids follow one another, as the
// engine gives them to rows added together.
qint64 firstNotAsSent(const QSqlDatabase& db, qint64 lastId, QString* problem)
{
    QSqlQuery q(db);
    const auto failed = [&] {
        *problem = storeProblem(q.lastError(), db.databaseName());
        return qint64(-1);
    };
    q.setForwardOnly(true);
    if (!q.prepare(QString::fromLatin1(kNewRows)) || (q.addBindValue(lastId), !q.exec()) ||
        !q.next())
        return failed();
    const qint64 count = q.value(0).toLongLong();
    const qint64 first = q.value(1).toLongLong();
    if (count == 0 || q.value(2).toLongLong() - first != count - 1)
        return 1;
    q.finish();
    if (!q.prepare(QString::fromLatin1(kNotAsSent)) ||
        (q.addBindValue(first - 1), q.addBindValue(lastId), !q.exec()) || !q.next())
        return failed();
    return q.value(0).isNull() ? 0 : q.value(0).toLongLong() - first + 1;
}

QString importMessage(const QString& problem)
{
    return problem + StoreText::tr(": nessuna uscita è stata importata.");
}

} // namespace

SpinTransfer::SpinTransfer(const QString& path)
{
    conn_.setFilePath(path);
}

bool SpinTransfer::isDatabase(const QString& path) const
{
    const QString file = QFileInfo(path).canonicalFilePath();
    return !file.isEmpty() && file == QFileInfo(conn_.filePath()).canonicalFilePath();
}

bool SpinTransfer::fail(const QString& message, Fault fault)
{
    conn_.close();
    error_ = message;
    fault_ = fault;
    rows_ = 0;
    return false;
}

bool SpinTransfer::failOpen(const QString& message)
{
    return fail(message, conn_.busy() ? Fault::Busy : Fault::Refused);
}

bool SpinTransfer::exportRows(const QString& command, QByteArray* csv)
{
    rows_ = 0;
    const QString path = conn_.filePath();
    if (!QFileInfo::exists(path))
        return fail(storeMessage(missingProblem(path), StoreAction::Open), Fault::Refused);
    QString problem;
    if (!conn_.open(&problem))
        return failOpen(storeMessage(problem, StoreAction::Open));

    // A text is read as the bytes stored (the driver would change what is not
    // a character), a BLOB as its bytes, anything else as it is.
    QString columns = QStringLiteral("id");
    for (int c = 1; c < kSpinCsvColumns; ++c)
        columns += QStringLiteral(", CASE WHEN typeof(%1) = 'text' THEN CAST(%1 AS BLOB) ELSE %1 "
                                  "END, typeof(%1) = 'text'")
                       .arg(QLatin1String(kColumns[c]));
    QString text;
    {
        // The rows up to the last id at the start, in stretches of their own:
        // between two of them the file is free for the spins the board records.
        QSqlQuery last(conn_.database());
        if (!last.exec(QStringLiteral("SELECT max(id) FROM Uscite")) || !last.next())
            return fail(storeMessage(storeProblem(last.lastError(), path), StoreAction::Read),
                        isBusy(last.lastError()) ? Fault::Busy : Fault::Refused);
        const qint64 lastId = last.value(0).toLongLong();
        last.finish();
        QSqlQuery q(conn_.database());
        q.setForwardOnly(true);
        const auto readFailure = [&] {
            return storeMessage(storeProblem(q.lastError(), path), StoreAction::Read);
        };
        if (!q.prepare(QStringLiteral("SELECT %1 FROM (").arg(columns) + command +
                       QStringLiteral(") WHERE id > ? AND id <= ? ORDER BY id LIMIT %1")
                           .arg(kExportStretch)))
            return fail(readFailure(), isBusy(q.lastError()) ? Fault::Busy : Fault::Refused);
        appendSpinCsvHeader(text);
        QVariant values[kSpinCsvColumns];
        qint64 rows = 0;
        for (qint64 after = std::numeric_limits<qint64>::min(), got = kExportStretch;
             got == kExportStretch && after < lastId;) {
            q.addBindValue(after);
            q.addBindValue(lastId);
            if (!q.exec())
                return fail(readFailure(), isBusy(q.lastError()) ? Fault::Busy
                                           : rows == 0              ? Fault::Refused
                                                                    : Fault::Failed);
            for (got = 0; q.next(); ++got) {
                values[0] = q.value(0);
                for (int c = 1; c < kSpinCsvColumns; ++c) {
                    values[c] = q.value(2 * c - 1);
                    if (!q.value(2 * c).toBool())
                        continue;
                    QStringDecoder utf8(QStringDecoder::Utf8,
                                        QStringDecoder::Flag::Stateless |
                                            QStringDecoder::Flag::ConvertInitialBom);
                    values[c] = QString(utf8(values[c].toByteArray()));
                    if (utf8.hasError())
                        return fail(
                            storeMessage(StoreText::tr("Nel file %1 la colonna %2 della riga "
                                                        "con id %3 ha un testo che non è UTF-8")
                                             .arg(storeFileName(path), QLatin1String(kColumns[c]),
                                                  values[0].toString()),
                                         StoreAction::Read),
                            Fault::Failed);
                }
                appendSpinCsvRow(text, values);
                after = values[0].toLongLong();
            }
            if (q.lastError().isValid())
                return fail(readFailure(), isBusy(q.lastError()) ? Fault::Busy : Fault::Failed);
            q.finish(); // the file is free until the next stretch
            rows += got;
        }
        rows_ = rows;
    }
    conn_.close();
    *csv = text.toUtf8();
    error_.clear();
    fault_ = Fault::None;
    return true;
}

bool SpinTransfer::importRows(SpinCsvReader& reader)
{
    rows_ = 0;
    const QString path = conn_.filePath();
    const bool existed = QFileInfo::exists(path);
    QString problem;
    if (!conn_.open(&problem))
        return failOpen(importMessage(problem));
    if (conn_.isReadOnly())
        return fail(importMessage(readOnlyProblem(path)), Fault::Refused);

    Fault fault = Fault::Failed;
    {
        QSqlDatabase db = conn_.database();
        QSqlQuery transaction(db);
        // What the table holds, to tell what it really gained.
        const auto count = [&](qint64* rows) {
            if (!transaction.exec(QStringLiteral("SELECT count(*) FROM Uscite")) ||
                !transaction.next()) {
                problem = storeProblem(transaction.lastError(), path);
                return false;
            }
            *rows = transaction.value(0).toLongLong();
            transaction.finish();
            return true;
        };
        qint64 before = 0;
        qint64 lastId = std::numeric_limits<qint64>::min(); // the largest id before
        const auto sql = [&](const QString& statement) {
            if (transaction.exec(statement))
                return true;
            problem = storeProblem(transaction.lastError(), path);
            return false;
        };
        // The write lock at once: a file another program is writing is
        // refused before any row is stored.
        if (!transaction.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
            problem = storeProblem(transaction.lastError(), path);
            fault = isBusy(transaction.lastError()) ? Fault::Busy : Fault::Refused;
        } else if (count(&before) && sql(QStringLiteral("SELECT max(id) FROM Uscite")) &&
                   transaction.next()) {
            if (!transaction.value(0).isNull())
                lastId = transaction.value(0).toLongLong();
            transaction.finish();
            sql(QString::fromLatin1(kSentSchema));
            {
                // Rows go in by the hundred: one statement per row would cost
                // more than the rows themselves.
                RowInserter batch(db, kBatchRows);
                RowInserter single(db, 1);
                for (const RowInserter* insert : {&batch, &single}) {
                    if (problem.isEmpty() && !insert->prepared())
                        problem = storeProblem(insert->lastError(), path);
                }
                std::vector<SpinCsvRow> pending(kBatchRows);
                const auto store = [&](RowInserter& insert, const SpinCsvRow* rows, int n) {
                    if (!insert.run(rows)) {
                        problem = storeProblem(insert.lastError(), path);
                        return false;
                    }
                    rows_ += n;
                    return true;
                };
                reader.rewind();
                int held = 0;
                while (problem.isEmpty() && reader.next(pending[size_t(held)])) {
                    if (++held == kBatchRows &&
                        !store(batch, pending.data(), std::exchange(held, 0)))
                        break;
                }
                for (int r = 0; r < held && problem.isEmpty(); ++r)
                    store(single, &pending[size_t(r)], 1);
            }
            // Then into Uscite, in their order, with the same conversions.
            if (problem.isEmpty()) {
                QSqlQuery copy(db);
                if (!copy.exec(QString::fromLatin1(kCopySent)))
                    problem = insertProblem(copy.lastError(), db);
            }
            if (problem.isEmpty() && !reader.error().isEmpty())
                problem = reader.error();
            // Triggers, conflict clauses and the like may have dropped,
            // skipped or added rows: the import is whole or not at all.
            qint64 after = 0;
            if (problem.isEmpty() && count(&after) && after - before != rows_)
                problem = StoreText::tr("Nel file %1 i trigger o i vincoli della tabella Uscite "
                                         "cambiano le righe importate (%2 aggiunte invece di %3)")
                              .arg(storeFileName(path))
                              .arg(after - before)
                              .arg(rows_);
            // Nor may they change what a row holds: every new row is
            // compared with the one sent.
            if (problem.isEmpty() && rows_ > 0) {
                const qint64 changed = firstNotAsSent(db, lastId, &problem);
                if (changed > 0)
                    problem = StoreText::tr("Nel file %1 i trigger o i vincoli della tabella "
                                            "Uscite cambiano le righe importate (la %2ª uscita "
                                            "non è registrata com'era nel file)")
                                  .arg(storeFileName(path))
                                  .arg(changed);
            }
            if (problem.isEmpty() && !transaction.exec(QStringLiteral("COMMIT"))) {
                problem = storeProblem(transaction.lastError(), path);
                if (isBusy(transaction.lastError()))
                    fault = Fault::Busy;
            }
            if (!problem.isEmpty())
                transaction.exec(QStringLiteral("ROLLBACK"));
        }
    }
    if (!problem.isEmpty()) {
        fail(importMessage(problem), fault);
        if (!existed)
            QFile::remove(path); // a file made here and left empty
        return false;
    }
    conn_.close();
    error_.clear();
    fault_ = Fault::None;
    return true;
}

} // namespace zt
