#include "store/spinrecorder.h"

#include "store/spintimes.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QSqlError>

namespace zt {

namespace {

QVariant textOrNull(const QString& text)
{
    return text.trimmed().isEmpty() ? QVariant() : QVariant(text);
}

// Tipo as stored: a whole number as a number.
QVariant typeValue(const QString& tipo)
{
    bool whole = false;
    const qlonglong type = tipo.trimmed().toLongLong(&whole);
    return whole ? QVariant(type) : textOrNull(tipo);
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
    conn_.setBusyTimeout(kSpinWait);
    if (!connect(&problem))
        return fail(problem, StoreAction::Open);
    error_.clear();
    return true;
}

bool SpinRecorder::record(const QString& numero, const QString& tipo, const QString& memoria)
{
    return record(numero, tipo, memoria, QDateTime::currentDateTime()) == Outcome::Recorded;
}

SpinRecorder::Outcome SpinRecorder::record(const QString& numero, const QString& tipo,
                                           const QString& memoria, const QDateTime& entered)
{
    written_.clear();
    WaitingSpin spin{0, numero, memoria, tipo, spinTimeText(entered), 0};
    if (!queue_.isEmpty() || queue_.isUnread()) {
        // The spins that wait go first; this one waits behind them if they
        // must, also behind those of a queue file that cannot be read yet.
        // The file was held a moment ago: a click does not wait for it.
        const Attempt first = writeQueue(0);
        if (first == Attempt::Held || queue_.isUnread())
            return wait(std::move(spin));
        if (first == Attempt::Failed) {
            fail(problem_, StoreAction::Record);
            return Outcome::Failed;
        }
    }
    std::vector<qint64> rows;
    switch (writeSpins({&spin}, rows, nullptr, kSpinWait)) {
    case Attempt::Done:
        lastId_ = rows.front();
        error_.clear();
        return Outcome::Recorded;
    case Attempt::Held:
        return wait(std::move(spin));
    case Attempt::Failed:
        break;
    }
    fail(problem_, StoreAction::Record);
    return Outcome::Failed;
}

SpinRecorder::Outcome SpinRecorder::wait(WaitingSpin spin)
{
    queue_.setPath(SpinQueue::pathFor(conn_.filePath()));
    lastKey_ = queue_.add(std::move(spin));
    error_.clear();
    return Outcome::Waiting;
}

bool SpinRecorder::loadWaiting()
{
    written_.clear();
    return queue_.load(SpinQueue::pathFor(conn_.filePath()));
}

bool SpinRecorder::writeWaiting(int waitMs)
{
    written_.clear();
    return (queue_.isEmpty() && !queue_.isUnread()) || writeQueue(waitMs) == Attempt::Done;
}

SpinRecorder::Attempt SpinRecorder::writeQueue(int waitMs)
{
    // A queue file that could not be read may hold spins older than any in
    // memory: nothing is written before it is read.
    if (queue_.isUnread()) {
        if (!queue_.readAgain()) {
            problem_ = queue_.problem();
            held_ = false;
            return Attempt::Failed;
        }
        notice_ = queue_.problem(); // what reading it found
    }
    if (queue_.isEmpty())
        return Attempt::Done;
    // Copies: the queue changes while they are written.
    const std::vector<WaitingSpin> spins(queue_.spins().begin(), queue_.spins().end());
    std::vector<const WaitingSpin*> order;
    std::vector<qint64> keys;
    for (const WaitingSpin& s : spins) {
        order.push_back(&s);
        keys.push_back(s.key);
    }
    std::vector<qint64> rows;
    const Attempt attempt = writeSpins(order, rows, &keys, waitMs);
    if (attempt != Attempt::Done)
        return attempt;
    queue_.written(keys);
    for (size_t i = 0; i < keys.size(); ++i)
        written_.push_back({keys[i], rows[i]});
    return attempt;
}

SpinRecorder::Attempt SpinRecorder::attemptFailed(const QString& problem, bool held)
{
    problem_ = problem;
    held_ = held;
    // Anything but a lock may be mended meanwhile (permissions given back, a
    // file replaced): the next attempt opens and checks the file afresh.
    if (!held)
        close();
    return held ? Attempt::Held : Attempt::Failed;
}

SpinRecorder::Attempt SpinRecorder::writeSpins(const std::vector<const WaitingSpin*>& spins,
                                               std::vector<qint64>& rows,
                                               const std::vector<qint64>* keys, int waitMs)
{
    // A file moved over dati.mdb (or dati.mdb moved away) since the
    // connection opened: the spins go into the file the name gives now.  One
    // replaced during the write is found by the engine, and tried once more.
    for (int tries = 0;; ++tries) {
        bool moved = false;
        const Attempt attempt = writeSpinsOnce(spins, rows, keys, waitMs, &moved);
        if (!moved || tries > 0)
            return attempt;
        close();
    }
}

SpinRecorder::Attempt SpinRecorder::writeSpinsOnce(const std::vector<const WaitingSpin*>& spins,
                                                   std::vector<qint64>& rows,
                                                   const std::vector<qint64>* keys, int waitMs,
                                                   bool* moved)
{
    rows.clear();
    if (isOpen() && conn_.isReplaced())
        close();
    if (!isOpen()) {
        QString problem;
        conn_.setBusyTimeout(waitMs);
        if (!connect(&problem))
            return attemptFailed(problem, conn_.busy());
    }
    if (conn_.isReadOnly())
        return attemptFailed(readOnlyProblem(), false);

    QString problem;
    bool held = false;
    QSqlError failure;
    {
        const QSqlDatabase db = conn_.database();
        QSqlQuery transaction(db);
        transaction.exec(QStringLiteral("PRAGMA busy_timeout = %1").arg(waitMs));
        // The write lock first: a file another program writes is known
        // before anything is written.
        if (!transaction.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
            failure = transaction.lastError();
            problem = storeProblem(failure);
            held = isBusy(failure);
        } else {
            problem = insertSpins(db, spins, rows, keys, &held, &failure);
            if (problem.isEmpty() && !transaction.exec(QStringLiteral("COMMIT"))) {
                failure = transaction.lastError();
                problem = storeProblem(failure);
                held = isBusy(failure);
            }
            if (!problem.isEmpty())
                transaction.exec(QStringLiteral("ROLLBACK"));
        }
    }
    *moved = !problem.isEmpty() && isMoved(failure);
    if (!problem.isEmpty())
        return attemptFailed(problem, held);
    problem_.clear();
    held_ = false;
    return Attempt::Done;
}

QString SpinRecorder::insertSpins(const QSqlDatabase& db,
                                  const std::vector<const WaitingSpin*>& spins,
                                  std::vector<qint64>& rows, const std::vector<qint64>* keys,
                                  bool* held, QSqlError* failure)
{
    QSqlError error;
    bool inserting = false;
    const auto run = [&](QSqlQuery& q) {
        if (q.exec())
            return true;
        error = q.lastError();
        return false;
    };
    QSqlQuery time(db);
    QSqlQuery check(db);
    QSqlQuery stored(db);
    bool ok =
        createTimesTable(db, &error) &&
        time.prepare(QStringLiteral("INSERT OR REPLACE INTO UsciteOra (id, Ora) VALUES (?, ?)")) &&
        check.prepare(QStringLiteral(
            "SELECT 1 FROM Uscite WHERE id = ? AND Numero IS ? AND Memoria IS ? AND "
            "Tipo IS ? AND EXISTS (SELECT 1 FROM UsciteOra WHERE id = ? AND Ora = ?)")) &&
        stored.prepare(QStringLiteral(
            "SELECT 1 FROM Uscite WHERE id = ? AND Numero IS ? AND Memoria IS ? AND Tipo IS ?"));
    if (!ok && !error.isValid())
        error = time.lastError().isValid()    ? time.lastError()
                : check.lastError().isValid() ? check.lastError()
                                              : stored.lastError();
    bool dropped = false; // the table did not keep the row as it was sent
    for (auto it = spins.begin(); ok && it != spins.end(); ++it) {
        const WaitingSpin& s = **it;
        const QVariant numero = textOrNull(s.numero);
        const QVariant memoria = textOrNull(s.memoria);
        const QVariant tipo = typeValue(s.tipo);
        if (s.row != 0) { // written before, unless that write was never committed
            for (const QVariant& v :
                 {QVariant(s.row), numero, memoria, tipo, QVariant(s.row), QVariant(s.ora)})
                check.addBindValue(v);
            if (!(ok = run(check)))
                break;
            const bool there = check.next();
            check.finish();
            if (there) {
                rows.push_back(s.row);
                continue;
            }
        }
        insert_->bindValue(0, numero);
        insert_->bindValue(1, memoria);
        insert_->bindValue(2, tipo);
        inserting = true;
        if (!(ok = run(*insert_)))
            break;
        inserting = false;
        // What the insert really stored: a trigger of the file may have
        // dropped the row (RAISE(IGNORE)) or changed it, and the engine then
        // still gives the id of an earlier insert.
        const bool added = insert_->numRowsAffected() == 1;
        const qint64 row = insert_->lastInsertId().toLongLong();
        insert_->finish();
        if (added) {
            for (const QVariant& v : {QVariant(row), numero, memoria, tipo})
                stored.addBindValue(v);
            if (!(ok = run(stored)))
                break;
            dropped = !stored.next();
            stored.finish();
        }
        if (!added || dropped) {
            ok = false;
            dropped = true;
            break;
        }
        time.addBindValue(row);
        time.addBindValue(s.ora);
        if (!(ok = run(time)))
            break;
        rows.push_back(row);
    }
    insert_->finish();
    if (dropped)
        return droppedRowProblem();
    if (!ok) {
        *held = isBusy(error);
        *failure = error;
        return inserting ? insertProblem(error, db) : storeProblem(error);
    }
    if (!keys)
        return {};
    // The rows noted before they are committed.  Spins the queue file does
    // not hold (it could not be written or read) need no note.
    std::vector<std::pair<qint64, qint64>> noted;
    for (size_t i = 0; i < keys->size(); ++i)
        noted.emplace_back((*keys)[i], rows[i]);
    if (!queue_.noteRows(noted) && queue_.mayHoldSpins())
        return queue_.problem();
    return {};
}

bool SpinRecorder::dropWaiting(qint64 key)
{
    if (queue_.remove(key)) {
        error_.clear();
        return true;
    }
    error_ = queue_.problem() +
             QCoreApplication::translate("SpinRecorder",
                                         ": l'uscita non è stata tolta da quelle in attesa.");
    return false;
}

SpinRecorder::Removal SpinRecorder::remove(qint64 id, const QString& numero, const QString& memoria)
{
    if (!isOpen()) {
        QString problem;
        conn_.setBusyTimeout(kSpinWait);
        if (!connect(&problem)) {
            fail(problem, StoreAction::Delete);
            return Removal::Failed;
        }
    }
    if (conn_.isReadOnlyNow()) {
        fail(readOnlyProblem(), StoreAction::Delete);
        return Removal::Failed;
    }
    QSqlError error;
    bool deleted = false;
    {
        QSqlDatabase db = conn_.database();
        QSqlQuery q(db);
        q.exec(QStringLiteral("PRAGMA busy_timeout = %1").arg(kSpinWait));
        bool ok = db.transaction();
        if (!ok)
            error = db.lastError();
        if (ok) {
            q.prepare(
                QStringLiteral("DELETE FROM Uscite WHERE id = ? AND Numero IS ? AND Memoria IS ?"));
            q.addBindValue(id);
            q.addBindValue(textOrNull(numero));
            q.addBindValue(textOrNull(memoria));
            ok = q.exec();
            if (!ok)
                error = q.lastError();
            deleted = ok && q.numRowsAffected() > 0;
            q.finish();
            // The time goes with its row.
            ok = ok && (!deleted || deleteSpinTime(db, id, &error));
            if (ok && !db.commit()) {
                ok = false;
                error = db.lastError();
            }
            if (!ok)
                db.rollback();
        }
    }
    if (error.isValid()) {
        fail(storeProblem(error), StoreAction::Delete);
        return Removal::Failed;
    }
    error_.clear();
    return deleted ? Removal::Deleted : Removal::Gone;
}

} // namespace zt
