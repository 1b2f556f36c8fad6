#include "store/recordcursor.h"

#include "store/spintimes.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>
#include <limits>

namespace zt {

namespace {

struct StoreText {
    Q_DECLARE_TR_FUNCTIONS(Store)
};

constexpr int kPageRows = 256;     // rows read together when a row is first used
constexpr int kWholeRows = 16384;  // results up to this size are read at requery
constexpr int kCachedRows = 65536; // values kept of a larger result
constexpr int kIdStretch = 65536;  // ids read by one statement

QString noRow()
{
    return StoreText::tr("Nessuna riga selezionata.");
}

QString quoted(const QString& name)
{
    return u'"' + QString(name).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

QVariant storedValue(const QVariant& value)
{
    if (value.isNull() || (value.typeId() == QMetaType::QString && value.toString().isEmpty()))
        return {};
    return value;
}

} // namespace

RecordCursor::RecordCursor(const QString& command, QObject* parent)
    : QObject(parent), command_(command)
{
}

RecordCursor::~RecordCursor() = default;

bool RecordCursor::fail(const QString& message) const
{
    error_ = message;
    return false;
}

bool RecordCursor::failProblem(const QString& problem, StoreAction action) const
{
    return fail(storeMessage(problem, action));
}

bool RecordCursor::changeOneRow(QSqlQuery& q, qint64 id, StoreAction action,
                                DeletedRow* deleted) const
{
    QSqlDatabase db = conn_.database();
    if (!db.transaction())
        return failProblem(storeProblem(db.lastError()), action);
    QString problem;
    if (deleted) { // the row as stored, before it goes (none: it cannot be put back)
        QSqlQuery read(db);
        read.prepare(QStringLiteral(
            "SELECT id, Numero, Memoria, Tipo, Cima, Memcima, Note FROM Uscite WHERE id = ?"));
        read.addBindValue(id);
        if (read.exec() && read.next()) {
            deleted->id = id;
            deleted->values.clear();
            for (int c = 0; c < 7; ++c)
                deleted->values << read.value(c);
        }
    }
    if (problem.isEmpty()) {
        if (!q.exec())
            problem = storeProblem(q.lastError());
        else if (q.numRowsAffected() < 1)
            problem = StoreText::tr("La riga %1 non è più nel file %2").arg(id).arg(kStoreFileName);
        else if (q.numRowsAffected() > 1)
            problem =
                StoreText::tr("Nel file %2 più righe hanno l'id %1").arg(id).arg(kStoreFileName);
    }
    q.finish();
    // A deleted row's time goes with it.
    QSqlError timeError;
    if (problem.isEmpty() && action == StoreAction::Delete &&
        !deleteSpinTime(db, id, &timeError, deleted ? &deleted->time : nullptr))
        problem = storeProblem(timeError);
    if (problem.isEmpty() && db.commit())
        return true;
    if (problem.isEmpty())
        problem = storeProblem(db.lastError());
    db.rollback();
    return failProblem(problem, action);
}

bool RecordCursor::open()
{
    conn_.close();
    return requery();
}

bool RecordCursor::requery()
{
    Q_EMIT aboutToRequery();
    columns_.clear();
    ids_.clear();
    rows_.clear();
    idColumn_ = -1;
    failedPage_ = -1;
    pos_ = -1;

    QString problem;
    StoreAction action = StoreAction::Read;
    if (!conn_.isOpen() && !conn_.open(&problem)) {
        action = StoreAction::Open;
    } else {
        QSqlDatabase db = conn_.database();
        QSqlQuery q(db);
        q.setForwardOnly(true);
        const QString from = QStringLiteral(" FROM (%1)").arg(command_);
        if (!q.exec(QStringLiteral("SELECT *") + from + QStringLiteral(" LIMIT 0"))) {
            problem = storeProblem(q.lastError());
        } else {
            const QSqlRecord record = q.record();
            for (int i = 0; i < record.count(); ++i)
                columns_ << record.fieldName(i);
            idColumn_ = columnIndex(u"id");
            if (idColumn_ < 0)
                problem = StoreText::tr("Il comando non ha la colonna id");
        }
        // The ids in stretches, each a statement of its own: between two of
        // them the file is free for the spins the board records.  A row
        // changed or deleted meanwhile is read as it is when it is used.
        if (problem.isEmpty() &&
            !q.prepare(QStringLiteral("SELECT id") + from +
                       QStringLiteral(" WHERE id > ? ORDER BY id LIMIT %1").arg(kIdStretch)))
            problem = storeProblem(q.lastError());
        for (qint64 after = std::numeric_limits<qint64>::min(); problem.isEmpty();
             after = ids_.back()) {
            q.addBindValue(after);
            if (!q.exec()) {
                problem = storeProblem(q.lastError());
                break;
            }
            int got = 0;
            for (; q.next(); ++got)
                ids_.push_back(q.value(0).toLongLong());
            // The ids end early at a part the engine cannot read (a damaged
            // file); the stretch is then short, and the loop ends below.
            if (q.lastError().isValid())
                problem = storeProblem(q.lastError());
            q.finish();
            if (got < kIdStretch)
                break;
        }
        if (problem.isEmpty() && !ids_.empty() && size() <= kWholeRows) {
            const auto [lo, hi] = std::minmax_element(ids_.begin(), ids_.end());
            fetchRange(*lo, *hi, &problem);
        }
        if (!problem.isEmpty()) {
            columns_.clear();
            ids_.clear();
            rows_.clear();
            idColumn_ = -1;
        }
    }
    Q_EMIT requeried();
    setPosition(ids_.empty() ? -1 : 0, true);
    if (!problem.isEmpty())
        return failProblem(problem, action);
    error_.clear();
    return true;
}

bool RecordCursor::fetchRange(qint64 lo, qint64 hi, QString* problem) const
{
    QSqlQuery q(conn_.database());
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT * FROM (%1) WHERE id BETWEEN ? AND ?").arg(command_));
    q.addBindValue(lo);
    q.addBindValue(hi);
    const auto failed = [&] {
        const QString text = storeProblem(q.lastError());
        if (problem)
            *problem = text;
        return failProblem(text, StoreAction::Read);
    };
    if (!q.exec())
        return failed();
    const int n = int(columns_.size());
    while (q.next()) {
        QVariantList values;
        values.reserve(n);
        for (int c = 0; c < n; ++c)
            values << q.value(c);
        rows_.insert(values.value(idColumn_).toLongLong(), values);
    }
    // The rows end early at one the engine cannot read (a damaged file).
    if (q.lastError().isValid())
        return failed();
    return true;
}

QVariantList RecordCursor::rowValues(int row) const
{
    const qint64 id = ids_[size_t(row)];
    const auto found = rows_.constFind(id);
    if (found != rows_.constEnd())
        return *found;
    const int page = row / kPageRows;
    if (page == failedPage_)
        return {};
    if (rows_.size() > kCachedRows)
        rows_.clear();
    const auto first = ids_.begin() + page * kPageRows;
    const auto last = ids_.begin() + std::min<qsizetype>(size(), (page + 1) * kPageRows);
    const auto [lo, hi] = std::minmax_element(first, last);
    if (!fetchRange(*lo, *hi)) {
        failedPage_ = page;
        return {};
    }
    for (auto it = first; it != last; ++it) {
        if (!rows_.contains(*it))
            rows_.insert(*it, {}); // deleted through another connection
    }
    return rows_.value(id);
}

QVariant RecordCursor::cell(int row, int column) const
{
    if (row < 0 || row >= size() || column < 0 || column >= columns_.size())
        return {};
    if (column == idColumn_)
        return QVariant(ids_[size_t(row)]);
    return rowValues(row).value(column);
}

int RecordCursor::columnIndex(QStringView name) const
{
    for (int i = 0; i < columns_.size(); ++i) {
        if (name.compare(columns_[i], Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

void RecordCursor::setPosition(int pos, bool always)
{
    if (pos == pos_ && !always)
        return;
    pos_ = pos;
    failedPage_ = -1;
    Q_EMIT currentChanged();
}

bool RecordCursor::moveFirst()
{
    setPosition(ids_.empty() ? -1 : 0);
    return hasCurrent();
}

bool RecordCursor::moveLast()
{
    setPosition(size() - 1);
    return hasCurrent();
}

bool RecordCursor::moveNext()
{
    if (isEof())
        return false;
    setPosition(pos_ + 1);
    return hasCurrent();
}

bool RecordCursor::movePrevious()
{
    if (isBof())
        return false;
    setPosition(pos_ - 1);
    return hasCurrent();
}

bool RecordCursor::movePrevious(int times)
{
    if (isBof() || times <= 0)
        return hasCurrent();
    setPosition(pos_ - std::min(times, pos_ + 1));
    return hasCurrent();
}

bool RecordCursor::setCurrentRow(int row)
{
    if (row < 0 || row >= size())
        return fail(noRow());
    setPosition(row);
    return true;
}

bool RecordCursor::findId(qint64 id)
{
    const int start = isBof() ? 0 : std::min(pos_, size());
    const auto found = std::find(ids_.begin() + start, ids_.end(), id);
    setPosition(int(found - ids_.begin()), true);
    error_.clear();
    return hasCurrent();
}

QVariant RecordCursor::value(QStringView column) const
{
    if (!hasCurrent()) {
        fail(noRow());
        return {};
    }
    const int c = columnIndex(column);
    if (c < 0) {
        fail(StoreText::tr("La colonna %1 non esiste.").arg(column));
        return {};
    }
    return cell(pos_, c);
}

QString RecordCursor::text(QStringView column) const
{
    const QVariant v = value(column);
    return v.isNull() ? QString() : v.toString();
}

bool RecordCursor::updateCurrent(const QVariantMap& values)
{
    if (!hasCurrent())
        return fail(noRow());
    QStringList sets;
    QList<int> targets;
    for (auto it = values.begin(); it != values.end(); ++it) {
        const int c = columnIndex(it.key());
        if (c < 0)
            return fail(StoreText::tr("La colonna %1 non esiste.").arg(it.key()));
        if (c == idColumn_)
            return fail(StoreText::tr("La colonna %1 non si può modificare.").arg(it.key()));
        sets << quoted(columns_[c]) + QStringLiteral(" = ?");
        targets << c;
    }
    if (targets.isEmpty()) {
        error_.clear();
        return true;
    }
    if (conn_.isReadOnly())
        return failProblem(readOnlyProblem(), StoreAction::Update);
    const qint64 id = ids_[size_t(pos_)];
    {
        QSqlQuery q(conn_.database());
        q.prepare(QStringLiteral("UPDATE Uscite SET %1 WHERE id = ?").arg(sets.join(u", ")));
        for (const QVariant& v : values)
            q.addBindValue(storedValue(v));
        q.addBindValue(id);
        if (!changeOneRow(q, id, StoreAction::Update))
            return false;
    }
    // Read the row back as stored; a row that no longer matches the command
    // stays in the result with the values written.
    QVariantList old = rows_.take(id);
    fetchRange(id, id);
    if (!rows_.contains(id)) {
        if (old.size() != columns_.size()) {
            old = QVariantList(columns_.size());
            old[idColumn_] = id;
        }
        int i = 0;
        for (const QVariant& v : values)
            old[targets[i++]] = storedValue(v);
        rows_.insert(id, old);
    }
    Q_EMIT rowChanged(pos_);
    setPosition(pos_, true);
    error_.clear();
    return true;
}

bool RecordCursor::deleteCurrent(DeletedRow* deleted)
{
    if (!hasCurrent())
        return fail(noRow());
    if (conn_.isReadOnly())
        return failProblem(readOnlyProblem(), StoreAction::Delete);
    const int row = pos_;
    const qint64 id = ids_[size_t(row)];
    {
        QSqlQuery q(conn_.database());
        q.prepare(QStringLiteral("DELETE FROM Uscite WHERE id = ?"));
        q.addBindValue(id);
        DeletedRow stored;
        if (!changeOneRow(q, id, StoreAction::Delete, &stored))
            return false;
        if (deleted)
            *deleted = stored;
    }
    Q_EMIT aboutToRemoveRow(row);
    ids_.erase(ids_.begin() + row);
    rows_.remove(id);
    Q_EMIT rowRemoved(row);
    setPosition(std::min(row, size() - 1), true);
    error_.clear();
    return true;
}

bool RecordCursor::restore(const DeletedRow& row)
{
    if (row.values.size() != 7)
        return fail(noRow());
    if (!conn_.isOpen())
        return failProblem(missingProblem(), StoreAction::Restore);
    if (conn_.isReadOnly())
        return failProblem(readOnlyProblem(), StoreAction::Restore);
    QSqlDatabase db = conn_.database();
    if (!db.transaction())
        return failProblem(storeProblem(db.lastError()), StoreAction::Restore);
    QString problem;
    {
        QSqlQuery q(db);
        q.prepare(QStringLiteral("SELECT 1 FROM Uscite WHERE id = ?"));
        q.addBindValue(row.id);
        if (!q.exec()) {
            problem = storeProblem(q.lastError());
        } else if (q.next()) {
            problem = StoreText::tr("Nel file %1 c'è già una riga con l'id %2")
                          .arg(QString::fromLatin1(kStoreFileName))
                          .arg(row.id);
        } else {
            q.finish();
            q.prepare(QStringLiteral("INSERT INTO Uscite (id, Numero, Memoria, Tipo, Cima, "
                                     "Memcima, Note) VALUES (?, ?, ?, ?, ?, ?, ?)"));
            for (const QVariant& v : row.values)
                q.addBindValue(v);
            if (!q.exec())
                problem = insertProblem(q.lastError(), db);
        }
    }
    QSqlError timeError;
    if (problem.isEmpty() && !row.time.isEmpty() &&
        !restoreSpinTime(db, row.id, row.time, &timeError))
        problem = storeProblem(timeError);
    if (problem.isEmpty() && !db.commit())
        problem = storeProblem(db.lastError());
    if (!problem.isEmpty()) {
        db.rollback();
        return failProblem(problem, StoreAction::Restore);
    }
    // Back into the result when the command lists it.
    if (idColumn_ >= 0 && fetchRange(row.id, row.id) && rows_.contains(row.id)) {
        const auto at = std::lower_bound(ids_.begin(), ids_.end(), row.id);
        const int index = int(at - ids_.begin());
        if (at == ids_.end() || *at != row.id) {
            Q_EMIT aboutToInsertRow(index);
            ids_.insert(at, row.id);
            Q_EMIT rowInserted(index);
        }
        setPosition(index, true);
    }
    error_.clear();
    return true;
}

} // namespace zt
