#include "store/spintransfer.h"

#include "core/spincsv.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace zt {

namespace {

const char* const kColumns[kSpinCsvColumns] = {"id",   "Numero",  "Memoria", "Tipo",
                                               "Cima", "Memcima", "Note"};

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
            QSqlQuery insert(db);
            insert.prepare(QStringLiteral("INSERT INTO Uscite (Numero, Memoria, Tipo, Cima, "
                                          "Memcima, Note) VALUES (?, ?, ?, ?, ?, ?)"));
            reader.rewind();
            SpinCsvRow row;
            while (problem.isEmpty() && reader.next(row)) {
                insert.bindValue(0, row.numero);
                insert.bindValue(1, row.memoria);
                insert.bindValue(2, row.tipo ? QVariant(qlonglong(row.tipo)) : QVariant());
                insert.bindValue(3, row.cima);
                insert.bindValue(4, row.memcima);
                insert.bindValue(5, row.note);
                if (!insert.exec())
                    problem = insertProblem(insert.lastError(), db);
                else
                    ++rows_;
            }
            insert.finish();
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
