#include "store/spintransfer.h"

#include "core/spincsv.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <utility>
#include <vector>

namespace zt {

namespace {

const char* const kColumns[kSpinCsvColumns] = {"id",   "Numero",  "Memoria", "Tipo",
                                               "Cima", "Memcima", "Note"};

constexpr int kBatchRows = 100;
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

QString importMessage(const QString& problem)
{
    return problem + QStringLiteral(": nessuna uscita è stata importata.");
}

} // namespace

SpinTransfer::SpinTransfer(const QString& path)
{
    conn_.setFilePath(path);
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
        QSqlQuery q(conn_.database());
        q.setForwardOnly(true);
        if (!q.exec(command))
            return fail(storeMessage(storeProblem(q.lastError(), path), StoreAction::Read), true);
        const QSqlRecord record = q.record();
        int index[kSpinCsvColumns];
        for (int c = 0; c < kSpinCsvColumns; ++c)
            index[c] = record.indexOf(QLatin1String(kColumns[c]));
        appendSpinCsvHeader(text);
        QVariant values[kSpinCsvColumns];
        qint64 rows = 0;
        while (q.next()) {
            for (int c = 0; c < kSpinCsvColumns; ++c)
                values[c] = index[c] < 0 ? QVariant() : q.value(index[c]);
            appendSpinCsvRow(text, values);
            ++rows;
        }
        if (q.lastError().isValid())
            return fail(storeMessage(storeProblem(q.lastError(), path), StoreAction::Read), false);
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
            // Rows go in by the hundred: one statement per row would cost
            // more than the rows themselves.
            QSqlQuery batch(db);
            QSqlQuery single(db);
            batch.prepare(insertStatement(kBatchRows));
            single.prepare(insertStatement(1));
            std::vector<SpinCsvRow> pending(kBatchRows);
            int held = 0;
            const auto store = [&](QSqlQuery& insert, int from, int count) {
                for (int r = 0; r < count; ++r) {
                    const SpinCsvRow& row = pending[size_t(from + r)];
                    const int at = r * kInsertColumns;
                    insert.bindValue(at, row.numero);
                    insert.bindValue(at + 1, row.memoria);
                    insert.bindValue(at + 2, row.tipo ? QVariant(qlonglong(row.tipo)) : QVariant());
                    insert.bindValue(at + 3, row.cima);
                    insert.bindValue(at + 4, row.memcima);
                    insert.bindValue(at + 5, row.note);
                }
                if (!insert.exec()) {
                    problem = insertProblem(insert.lastError(), db);
                    return false;
                }
                rows_ += count;
                return true;
            };
            reader.rewind();
            while (reader.next(pending[size_t(held)])) {
                if (++held == kBatchRows && !store(batch, 0, std::exchange(held, 0)))
                    break;
            }
            for (int r = 0; r < held && problem.isEmpty(); ++r)
                store(single, r, 1);
            batch.finish();
            single.finish();
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
