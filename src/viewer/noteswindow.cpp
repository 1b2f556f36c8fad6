#include "viewer/noteswindow.h"

#include "app/controls.h"
#include "store/recordsource.h"
#include "store/storecommands.h"
#include "viewer/formparts.h"
#include "viewer/navigationbar.h"
#include "viewer/viewerwindow.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableView>

namespace zt {

using form::place;

NotesWindow::NotesWindow()
{
    setObjectName(QStringLiteral("Cerca"));
    setWindowTitle(QStringLiteral("Cerca"));
    setFont(form::font());
    setBackColor(this, Qt::black);
    setFixedSize(8010 / 15, 5625 / 15);

    auto* grid = place<QTableView>(this, "DataGrid1", 240, 240, 7575, 4695);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->verticalHeader()->setDefaultSectionSize(18);
    auto* source = new RecordSource(notesCommand(), this);
    grid->setModel(source);
    source->setGridColumns({QStringLiteral("ID"), QStringLiteral("NOTE")});
    source->trackSelection(grid->selectionModel());
    grid->horizontalHeader()->setStretchLastSection(true);
    connect(grid, &QTableView::clicked, this, &NotesWindow::conferma);

    auto* id = place<QLineEdit>(this, "Text7", 720, 1200, 615, 285);
    id->hide();
    const auto showRow = [source, id] {
        id->setText(source->hasCurrent() ? source->text(u"ID") : QString());
    };
    connect(source, &RecordSource::currentChanged, this, showRow);

    auto* confirm = place<QPushButton>(this, "Command3", 360, 5040, 975, 495);
    confirm->setText(QStringLiteral("Conferma"));
    connect(confirm, &QPushButton::clicked, this, &NotesWindow::conferma);
    place<NavigationBar>(this, "Adodc1", 3480, 5160, 1575, 330)->drive(source);
    auto* leave = place<QPushButton>(this, "Command1", 6720, 5040, 975, 495);
    leave->setText(QStringLiteral("Esci"));
    connect(leave, &QPushButton::clicked, this, &QWidget::hide);

    if (!source->open())
        form::showMessage(this, source->lastError());
    showRow();

    if (QScreen* s = screen())
        move(s->availableGeometry().center() - rect().center());
}

void NotesWindow::conferma()
{
    // Handing a row over needs a viewer; with none loaded nothing happens.
    ViewerWindow* viewer = loaded<ViewerWindow>();
    if (!viewer)
        return;
    const QString id = control<QLineEdit>(this, QStringLiteral("Text7"))->text();
    if (!id.isEmpty())
        control<QLineEdit>(viewer, QStringLiteral("Text5"))->setText(id);
    hide();
}

} // namespace zt
