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

} // namespace zt
