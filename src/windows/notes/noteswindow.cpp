#include "windows/noteswindow.h"

#include "store/recordcursor.h"
#include "store/storecommands.h"
#include "ui/form.h"
#include "ui/hiddenbox.h"
#include "ui/look.h"
#include "ui/navigationbar.h"
#include "ui/recordgrid.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableView>

namespace zt {

NotesWindow::NotesWindow(Links& links) : links_(links)
{
    setObjectName(QStringLiteral("Cerca"));
    setWindowTitle(tr("Cerca"));
    setFont(controlFont());
    setBackColor(this, Qt::black);
    setFixedSize(twipsSize(8010, 5625));

    auto* source = new RecordCursor(notesCommand(), this);
    auto* grid = place<QTableView>(this, QStringLiteral("DataGrid1"), {240, 240, 7575, 4695});
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->verticalHeader()->setDefaultSectionSize(18);
    auto* model = new RecordGrid(source, {QStringLiteral("ID"), QStringLiteral("NOTE")}, this);
    grid->setModel(model);
    model->trackSelection(grid->selectionModel());
    grid->horizontalHeader()->setStretchLastSection(true);
    connect(grid, &QTableView::clicked, this, &NotesWindow::conferma);

    Text7 = placeHidden(this, QStringLiteral("Text7"), {}, {720, 1200, 615, 285});
    const auto showRow = [this, source] {
        Text7->setText(source->hasCurrent() ? source->text(u"ID") : QString());
    };
    connect(source, &RecordCursor::currentChanged, this, showRow);

    auto* confirm =
        placeButton(this, QStringLiteral("Command3"), {360, 5040, 975, 495}, tr("Conferma"));
    connect(confirm, &QPushButton::clicked, this, &NotesWindow::conferma);
    place<NavigationBar>(this, QStringLiteral("Adodc1"), {3480, 5160, 1575, 330})->drive(source);
    auto* leave =
        placeButton(this, QStringLiteral("Command1"), {6720, 5040, 975, 495}, tr("Esci"));
    connect(leave, &QPushButton::clicked, this, &QWidget::hide);

    if (!source->open())
        showMessage(this, source->lastError());
    showRow();

    if (QScreen* s = screen())
        move(s->availableGeometry().center() - rect().center());
}

void NotesWindow::conferma()
{
    // Handing a row over needs a viewer; with none loaded nothing happens.
    ViewerLink* viewer = links_.loadedViewer();
    if (!viewer)
        return;
    const QString id = Text7->text();
    if (!id.isEmpty())
        viewer->goToRow(id);
    hide();
}

} // namespace zt
