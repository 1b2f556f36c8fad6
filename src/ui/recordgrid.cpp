#include "ui/recordgrid.h"

#include "store/recordcursor.h"

#include <QItemSelectionModel>

namespace zt {

RecordGrid::RecordGrid(RecordCursor* cursor, const QStringList& columns, QObject* parent)
    : QAbstractTableModel(parent), cursor_(cursor), names_(columns)
{
    resolveColumns();
    connect(cursor_, &RecordCursor::aboutToRequery, this, [this] { beginResetModel(); });
    connect(cursor_, &RecordCursor::requeried, this, [this] {
        resolveColumns();
        endResetModel();
    });
    connect(cursor_, &RecordCursor::aboutToRemoveRow, this, [this](int row) {
        syncing_ = true;
        beginRemoveRows({}, row, row);
    });
    connect(cursor_, &RecordCursor::rowRemoved, this, [this] {
        endRemoveRows();
        syncing_ = false;
    });
    connect(cursor_, &RecordCursor::aboutToInsertRow, this, [this](int row) {
        syncing_ = true;
        beginInsertRows({}, row, row);
    });
    connect(cursor_, &RecordCursor::rowInserted, this, [this] {
        endInsertRows();
        syncing_ = false;
    });
    connect(cursor_, &RecordCursor::rowChanged, this, [this](int row) {
        Q_EMIT dataChanged(index(row, 0), index(row, columnCount() - 1));
    });
    connect(cursor_, &RecordCursor::currentChanged, this, &RecordGrid::syncSelection);
}

void RecordGrid::resolveColumns()
{
    columns_.clear();
    for (const QString& name : names_) {
        const int c = cursor_->columnIndex(name);
        if (c >= 0)
            columns_ << c;
    }
    if (names_.isEmpty()) {
        for (int c = 0; c < cursor_->columnNames().size(); ++c)
            columns_ << c;
    }
}

void RecordGrid::trackSelection(QItemSelectionModel* selection)
{
    if (selection_)
        disconnect(selection_, nullptr, this, nullptr);
    selection_ = selection;
    if (!selection_)
        return;
    connect(selection_, &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (!syncing_ && current.isValid() && current.model() == this)
                    cursor_->setCurrentRow(current.row());
            });
    syncSelection();
}

void RecordGrid::holdSelection(bool hold)
{
    held_ = hold;
    if (!hold)
        syncSelection();
}

void RecordGrid::syncSelection()
{
    if (!selection_ || syncing_ || held_ || selection_->model() != this)
        return;
    syncing_ = true;
    if (cursor_->hasCurrent() && !columns_.isEmpty()) {
        const QModelIndex current = selection_->currentIndex();
        const int column = current.isValid() ? current.column() : 0;
        selection_->setCurrentIndex(index(cursor_->currentRow(), column),
                                    QItemSelectionModel::ClearAndSelect |
                                        QItemSelectionModel::Rows);
    } else {
        selection_->clearCurrentIndex();
        selection_->clearSelection();
    }
    syncing_ = false;
}

int RecordGrid::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : cursor_->size();
}

int RecordGrid::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(columns_.size());
}

QVariant RecordGrid::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.column() >= columns_.size() ||
        (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return cursor_->cell(index.row(), columns_[index.column()]);
}

QVariant RecordGrid::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < columns_.size())
        return cursor_->columnNames().at(columns_[section]);
    return QAbstractTableModel::headerData(section, orientation, role);
}

} // namespace zt
