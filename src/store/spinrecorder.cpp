#include "store/spinrecorder.h"

#include <QSqlError>

namespace zt {

namespace {

QVariant textOrNull(const QString& text)
{
    return text.trimmed().isEmpty() ? QVariant() : QVariant(text);
}

} // namespace

SpinRecorder::~SpinRecorder()
{
    close();
}

void SpinRecorder::close()
{
    insert_.reset();
    conn_.close();
}

bool SpinRecorder::fail(const QString& problem, StoreAction action)
{
    error_ = storeMessage(problem, action);
    return false;
}

bool SpinRecorder::connect(QString* problem)
{
    close();
    if (!conn_.open(problem))
        return false;
    insert_.emplace(conn_.database());
    insert_->prepare(QStringLiteral("INSERT INTO Uscite (Numero, Memoria, Tipo) VALUES (?, ?, ?)"));
    return true;
}

bool SpinRecorder::open()
{
    QString problem;
    if (!connect(&problem))
        return fail(problem, StoreAction::Open);
    error_.clear();
    return true;
}

bool SpinRecorder::record(const QString& numero, const QString& tipo, const QString& memoria)
{
    if (!isOpen()) {
        QString problem;
        if (!connect(&problem))
            return fail(problem, StoreAction::Record);
    }
    if (conn_.isReadOnly())
        return fail(readOnlyProblem(), StoreAction::Record);

    bool whole = false;
    const qlonglong type = tipo.trimmed().toLongLong(&whole);
    insert_->bindValue(0, textOrNull(numero));
    insert_->bindValue(1, textOrNull(memoria));
    insert_->bindValue(2, whole ? QVariant(type) : textOrNull(tipo));
    if (!insert_->exec()) {
        const QString problem = insertProblem(insert_->lastError(), conn_.database());
        insert_->finish();
        return fail(problem, StoreAction::Record);
    }
    lastId_ = insert_->lastInsertId().toLongLong();
    insert_->finish();
    error_.clear();
    return true;
}

SpinRecorder::Removal SpinRecorder::remove(qint64 id, const QString& numero, const QString& memoria)
{
    if (!isOpen()) {
        QString problem;
        if (!connect(&problem)) {
            fail(problem, StoreAction::Delete);
            return Removal::Failed;
        }
    }
    if (conn_.isReadOnlyNow()) {
        fail(readOnlyProblem(), StoreAction::Delete);
        return Removal::Failed;
    }
    QSqlQuery q(conn_.database());
    q.prepare(QStringLiteral("DELETE FROM Uscite WHERE id = ? AND Numero IS ? AND Memoria IS ?"));
    q.addBindValue(id);
    q.addBindValue(textOrNull(numero));
    q.addBindValue(textOrNull(memoria));
    if (!q.exec()) {
        fail(storeProblem(q.lastError()), StoreAction::Delete);
        return Removal::Failed;
    }
    error_.clear();
    return q.numRowsAffected() > 0 ? Removal::Deleted : Removal::Gone;
}

} // namespace zt
