#pragma once
// A data source of the outcome viewer or of the notes window: the result of
// a command over dati.mdb with a current row.  It knows nothing of views: a
// grid shows it through a model of the windows' layer, which follows the
// signals below.
//
// Snapshot.  requery() runs the command and keeps its rows as they were at
// that moment: rows added, changed or deleted through another connection
// (the main board's recorder, the other window) appear only after the next
// requery().  The command lists rows in the order of id; requery() reads
// their ids in stretches, so that the file is free between two of them for
// the spins the board records.  A result of up to 16384 rows is read whole
// at requery(); a larger one keeps the list of its ids and reads the other
// values of a row the first time the row is used (in pages of 256 rows), so
// opening, moving and finding stay fast over a million rows.
//
// Position.  The position is on a row (0 … size()-1), before the first row
// (BOF) or past the last row (EOF); an empty result is at BOF and EOF at once.
//   moveNext():     BOF → first row; row i → row i+1; last row → EOF; EOF stays.
//   movePrevious(): EOF → last row; row i → row i-1; first row → BOF; BOF stays.
//   moveFirst()/moveLast(): the first/last row (BOF and EOF when empty).
// Each returns hasCurrent() afterwards.  A navigation bar that stays on the
// first or last row does: `if (!src.moveNext()) src.moveLast();`.
// requery() puts the position on the first row.
//
// Errors.  Operations return false and set lastError() to an Italian
// message; nothing throws.  An operation that succeeds clears lastError(),
// except the reads (value(), text(), cell()), which only set it on failure.
// With no current row, value(), updateCurrent() and deleteCurrent() fail
// with "Nessuna riga selezionata.".  Messages name the file and the
// consequence, e.g. "Il file dati.mdb è in sola lettura: la riga non è stata
// cancellata." (see storefile.h).

#include "store/storefile.h"

#include <QHash>
#include <QObject>
#include <QStringList>
#include <QVariant>

#include <vector>

class QSqlQuery;

namespace zt {

// A row of Uscite as deleteCurrent() found it, for putting it back.
struct DeletedRow {
    qint64 id = 0;
    QVariantList values; // id, Numero, Memoria, Tipo, Cima, Memcima, Note
    QString time;        // its time in UsciteOra; empty: none
};

class RecordCursor : public QObject {
    Q_OBJECT
public:
    explicit RecordCursor(const QString& command, QObject* parent = nullptr);
    ~RecordCursor() override;

    // Opens its own connection on dati.mdb (created when missing, see
    // StoreConnection::open) and runs the command.  On failure the result
    // is empty and lastError() says why; the file is untouched.
    bool open();
    bool isOpen() const { return conn_.isOpen(); }
    const QString& lastError() const { return error_; }

    const QString& command() const { return command_; }
    // Replaces the command; it takes effect at the next requery().
    void setCommand(const QString& command) { command_ = command; }
    // Runs the command again (opening first when not open); the first row
    // becomes current.
    bool requery();

    int size() const { return int(ids_.size()); }
    // The current row, or -1 at BOF or EOF.
    int currentRow() const { return hasCurrent() ? pos_ : -1; }
    bool hasCurrent() const { return pos_ >= 0 && pos_ < size(); }
    bool isBof() const { return pos_ < 0 || ids_.empty(); }
    bool isEof() const { return pos_ >= size() || ids_.empty(); }

    bool moveFirst();
    bool moveLast();
    bool moveNext();
    bool movePrevious();
    // movePrevious() `times` times, as one move: the current row changes (and
    // currentChanged() is emitted) once, not at every row passed.
    bool movePrevious(int times);
    // Makes a row current (0 … size()-1); false for any other number.
    bool setCurrentRow(int row);

    // Searches forward from the current row, the current row included (from
    // the first row at BOF), for the row whose id equals id.  A match becomes
    // current; without one the position goes past the last row (EOF) and the
    // result is false, which is no error.
    bool findId(qint64 id);

    // The result's column names, as the command spells them.
    const QStringList& columnNames() const { return columns_; }
    // The index of a column, names compared without regard to case ("note",
    // "Note", "NOTE"); -1 when the result has none of that name.
    int columnIndex(QStringView name) const;

    // The value in the named column of the current row.  A NULL gives a null
    // QVariant.  Without a current row or with an unknown name: an invalid
    // QVariant and lastError().
    QVariant value(QStringView column) const;
    // value() as the text a bound text box shows ("" for NULL).
    QString text(QStringView column) const;
    // The value of any row (0 … size()-1) and column index.
    QVariant cell(int row, int column) const;

    // Stores new values into columns of the current row (e.g. {"Note", text});
    // an empty text is stored as NULL.  Exactly that one row of the table
    // changes, or nothing does and the result is false.  The row stays
    // current.  The id column cannot be changed.
    bool updateCurrent(const QVariantMap& values);

    // Deletes the current row, and only it (with its time, when UsciteOra
    // holds one), from the table and from the result.  The next row becomes
    // current (the new last row when the last one was deleted, BOF/EOF when
    // none is left).  Ids are never reused.  *deleted (when given) receives
    // the row as it was stored, for restore() (no values: the table's shape
    // did not allow reading it whole).
    bool deleteCurrent(DeletedRow* deleted = nullptr);

    // Puts a deleted row back into the table with its id, values and time,
    // and into the result (in the order of id, current) when the command
    // lists it.  Fails, changing nothing, when the id is taken again.
    bool restore(const DeletedRow& row);

Q_SIGNALS:
    // requery() is about to replace the whole result, and has replaced it.
    void aboutToRequery();
    void requeried();
    // deleteCurrent() is about to take a row out of the result, and has.
    void aboutToRemoveRow(int row);
    void rowRemoved(int row);
    // restore() is about to put a row into the result, and has.
    void aboutToInsertRow(int row);
    void rowInserted(int row);
    // The values of a row changed (updateCurrent()).
    void rowChanged(int row);
    // The current row moved, or its values changed: bound fields re-read value().
    void currentChanged();

private:
    QVariantList rowValues(int row) const;
    bool fetchRange(qint64 lo, qint64 hi, QString* problem = nullptr) const;
    // Runs q, an update or delete of the row with that id, in a transaction
    // that is kept only when exactly one row changed (a deleted row's time
    // in UsciteOra is deleted with it).
    bool changeOneRow(QSqlQuery& q, qint64 id, StoreAction action,
                      DeletedRow* deleted = nullptr) const;
    void setPosition(int pos, bool always = false);
    bool fail(const QString& message) const;
    bool failProblem(const QString& problem, StoreAction action) const;

    StoreConnection conn_;
    QString command_;
    QStringList columns_;
    int idColumn_ = -1;
    std::vector<qint64> ids_;
    // Values of rows by id; an empty list marks a row no longer in the table.
    mutable QHash<qint64, QVariantList> rows_;
    mutable int failedPage_ = -1;
    int pos_ = -1;
    mutable QString error_;
};

} // namespace zt
