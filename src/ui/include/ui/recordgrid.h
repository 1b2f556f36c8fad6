#pragma once
// The model of a data-bound grid: the rows of a record cursor, in the columns
// chosen, with the view's selection and the cursor's current row kept
// together (selecting a row in the view makes it current; moving the current
// row selects it in the view).

#include <QAbstractTableModel>
#include <QPointer>
#include <QStringList>

class QItemSelectionModel;

namespace zt {

class RecordCursor;

class RecordGrid : public QAbstractTableModel {
    Q_OBJECT
public:
    // Shows `columns` of the cursor's result, in this order (names without
    // regard to case, unknown names skipped; none: every column).  Headers
    // are the column names as the command spells them.
    RecordGrid(RecordCursor* cursor, const QStringList& columns, QObject* parent = nullptr);

    // Keeps the view's selection and the current row together.  Pass the
    // view's selectionModel() after setting this grid as its model.
    void trackSelection(QItemSelectionModel* selection);
    // While held, moves leave the view's selection as it is (a long run of
    // moves that nobody sees between two paints costs no view updates);
    // letting go selects the current row.
    void holdSelection(bool hold);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    void resolveColumns();
    void syncSelection();

    RecordCursor* cursor_;
    QStringList names_;
    QList<int> columns_;
    QPointer<QItemSelectionModel> selection_;
    bool syncing_ = false;
    bool held_ = false;
};

} // namespace zt
