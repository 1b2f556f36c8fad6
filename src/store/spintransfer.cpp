#include "store/spintransfer.h"

#include "core/spincsv.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <limits>
#include <utility>
#include <vector>

namespace zt {

namespace {

const char* const kColumns[kSpinCsvColumns] = {"id",   "Numero",  "Memoria", "Tipo",
                                               "Cima", "Memcima", "Note"};

constexpr int kBatchRows = 100;
// Rows exported by one statement: about 15 ms of reading.
constexpr int kExportStretch = 16384;
constexpr int kInsertColumns = 6; // every column but id

// The statement that adds `rows` rows.
QString insertStatement(int rows)
{
    QString sql = QStringLiteral("INSERT INTO Uscite (Numero, Memoria, Tipo, Cima, Memcima, Note) "
                                 "VALUES (?, ?, ?, ?, ?, ?)");
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

// The statement that adds `rows` rows, prepared once.  A bound value stays
// from one run to the next, and binding costs more than comparing: only the
// values that differ from the last run's are bound again.
class RowInserter {
public:
    RowInserter(const QSqlDatabase& db, int rows)
        : query_(db), bound_(size_t(rows * kInsertColumns), QVariant(false))
    {
        query_.prepare(insertStatement(rows));
    }
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
        query_.bindValue(at, value);
        last = value;
    }

    QSqlQuery query_;
    std::vector<QVariant> bound_;
};

QString importMessage(const QString& problem)
{
    return problem + QStringLiteral(": nessuna uscita è stata importata.");
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

bool SpinTransfer::fail(const QString& message, bool refused)
{
    conn_.close();
    error_ = message;
    refused_ = refused;
    rows_ = 0;
    return false;
}

bool SpinTransfer::exportRows(const QString& command, QByteArray* csv)
{
    rows_ = 0;
    const QString path = conn_.filePath();
    if (!QFileInfo::exists(path))
        return fail(QStringLiteral("Il file %1 non esiste.").arg(QFileInfo(path).fileName()), true);
    QString problem;
    if (!conn_.open(&problem))
        return fail(storeMessage(problem, StoreAction::Open), true);

    QString text;
    {
        // The rows up to the last id at the start, in stretches of their own:
        // between two of them the file is free for the spins the board records.
        QSqlQuery last(conn_.database());
        if (!last.exec(QStringLiteral("SELECT max(id) FROM Uscite")) || !last.next())
            return fail(storeMessage(storeProblem(last.lastError(), path), StoreAction::Read),
                        true);
        const qint64 lastId = last.value(0).toLongLong();
        last.finish();
        QSqlQuery q(conn_.database());
        q.setForwardOnly(true);
        if (!q.prepare(QStringLiteral("SELECT * FROM (") + command +
                       QStringLiteral(") WHERE id > ? AND id <= ? ORDER BY id LIMIT %1")
                           .arg(kExportStretch)))
            return fail(storeMessage(storeProblem(q.lastError(), path), StoreAction::Read), true);
        appendSpinCsvHeader(text);
        int index[kSpinCsvColumns];
        QVariant values[kSpinCsvColumns];
        qint64 rows = 0;
        for (qint64 after = std::numeric_limits<qint64>::min(), got = kExportStretch;
             got == kExportStretch && after < lastId;) {
            q.addBindValue(after);
            q.addBindValue(lastId);
            if (!q.exec())
                return fail(storeMessage(storeProblem(q.lastError(), path), StoreAction::Read),
                            rows == 0);
            const QSqlRecord record = q.record();
            for (int c = 0; c < kSpinCsvColumns; ++c)
                index[c] = record.indexOf(QLatin1String(kColumns[c]));
            for (got = 0; q.next(); ++got) {
                for (int c = 0; c < kSpinCsvColumns; ++c)
                    values[c] = index[c] < 0 ? QVariant() : q.value(index[c]);
                appendSpinCsvRow(text, values);
                after = values[0].toLongLong();
            }
            if (q.lastError().isValid())
                return fail(storeMessage(storeProblem(q.lastError(), path), StoreAction::Read),
                            false);
            q.finish(); // the file is free until the next stretch
            rows += got;
        }
        rows_ = rows;
    }
    conn_.close();
    *csv = text.toUtf8();
    error_.clear();
    return true;
}

bool SpinTransfer::importRows(SpinCsvReader& reader)
{
    rows_ = 0;
    const QString path = conn_.filePath();
    const bool existed = QFileInfo::exists(path);
    // A file made here and left empty by a failure is removed again.
    const auto failNew = [&](const QString& message, bool refused) {
        fail(message, refused);
        if (!existed)
            QFile::remove(path);
        return false;
    };
    QString problem;
    if (!conn_.open(&problem))
        return fail(importMessage(problem), true);
    if (conn_.isReadOnly())
        return fail(importMessage(readOnlyProblem(path)), true);

    bool busy = false;
    {
        QSqlDatabase db = conn_.database();
        QSqlQuery transaction(db);
        // The write lock at once: a file another program is writing is
        // refused before any row is stored.
        if (!transaction.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
            problem = storeProblem(transaction.lastError(), path);
            busy = true;
        } else {
            {
                // Rows go in by the hundred: one statement per row would cost
                // more than the rows themselves.
                RowInserter batch(db, kBatchRows);
                RowInserter single(db, 1);
                std::vector<SpinCsvRow> pending(kBatchRows);
                const auto store = [&](RowInserter& insert, const SpinCsvRow* rows, int count) {
                    if (!insert.run(rows)) {
                        problem = insertProblem(insert.lastError(), db);
                        return false;
                    }
                    rows_ += count;
                    return true;
                };
                reader.rewind();
                int held = 0;
                while (reader.next(pending[size_t(held)])) {
                    if (++held == kBatchRows &&
                        !store(batch, pending.data(), std::exchange(held, 0)))
                        break;
                }
                for (int r = 0; r < held && problem.isEmpty(); ++r)
                    store(single, &pending[size_t(r)], 1);
            }
            if (problem.isEmpty() && !reader.error().isEmpty())
                problem = reader.error();
            if (problem.isEmpty() && !transaction.exec(QStringLiteral("COMMIT")))
                problem = storeProblem(transaction.lastError(), path);
            if (!problem.isEmpty())
                transaction.exec(QStringLiteral("ROLLBACK"));
        }
    }
    if (!problem.isEmpty())
        return failNew(importMessage(problem), busy);
    conn_.close();
    error_.clear();
    refused_ = false;
    return true;
}

} // namespace zt
