// The outcome viewer's spins in and out as CSV: Ctrl+E writes the rows of the
// list's command (its type filter) to a file, Ctrl+I adds the spins of a file
// and lists them.  The files are chosen in file dialogs that do not block the
// program; each transfer ends with a message of the rows written or the fault.

#include "windows/viewerwindow.h"

#include "core/savefile.h"
#include "core/spincsv.h"
#include "store/recordcursor.h"
#include "store/spintransfer.h"
#include "store/storecommands.h"
#include "ui/look.h"

#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QShortcut>

namespace zt {

namespace {

// The busy cursor while a transfer runs.  It runs to its end without letting
// events in: the other connections to dati.mdb (the board's recording, this
// list's reading) would wait for it meanwhile.
class BusyCursor {
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

// A transfer done: the rows written, without a warning's sign.
void showDone(QWidget* parent, const QString& text)
{
    auto* box = new QMessageBox(QMessageBox::Information, parent->windowTitle(), text,
                                QMessageBox::Ok, parent);
    box->setTextFormat(Qt::PlainText); // it names a file
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

QString countText(qint64 rows, const char* one, const char* many)
{
    return ViewerWindow::tr(rows == 1 ? one : many).arg(rows);
}

} // namespace

void ViewerWindow::buildCsvShortcuts()
{
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_E), this), &QShortcut::activated, this,
            &ViewerWindow::esportaCsv);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_I), this), &QShortcut::activated, this,
            &ViewerWindow::importaCsv);
}

QFileDialog* ViewerWindow::csvDialog(const QString& title, bool save)
{
    auto* dialog = new QFileDialog(this, title, QDir::currentPath(),
                                   save ? tr("File CSV (*.csv);;Tutti i file (*)")
                                        : tr("CSV o elenco di numeri (*.csv *.txt);;"
                                             "Tutti i file (*)"));
    dialog->setObjectName(QStringLiteral("csvDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    if (save) {
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        dialog->setDefaultSuffix(QStringLiteral("csv"));
        dialog->selectFile(tr("uscite.csv"));
    } else {
        dialog->setFileMode(QFileDialog::ExistingFile);
    }
    return dialog;
}

void ViewerWindow::esportaCsv()
{
    QFileDialog* dialog = csvDialog(tr("Esporta le uscite"), true);
    connect(dialog, &QFileDialog::fileSelected, this, &ViewerWindow::esportaCsvIn);
    dialog->open();
}

void ViewerWindow::importaCsv()
{
    QFileDialog* dialog = csvDialog(tr("Importa le uscite"), false);
    connect(dialog, &QFileDialog::fileSelected, this, &ViewerWindow::importaCsvDa);
    dialog->open();
}

void ViewerWindow::esportaCsvIn(const QString& path)
{
    SpinTransfer transfer;
    if (transfer.isDatabase(path)) {
        showMessage(this, tr("Il file %1 è il database delle uscite: il CSV non è "
                             "stato scritto.")
                              .arg(QDir::toNativeSeparators(path)));
        return;
    }
    BusyCursor busy;
    QByteArray csv;
    const bool exported = transfer.exportRows(source_->command(), &csv);
    QString error;
    if (!exported)
        showMessage(this, transfer.error());
    else if (!saveFileWhole(path, csv, &error))
        showMessage(this, error);
    else
        showDone(this, countText(transfer.rows(), QT_TR_NOOP("%1 uscita esportata in %2."),
                                 QT_TR_NOOP("%1 uscite esportate in %2."))
                           .arg(QDir::toNativeSeparators(path)));
}

void ViewerWindow::importaCsvDa(const QString& path)
{
    const QString name = QDir::toNativeSeparators(path);
    // "GO" replays the list: new rows would make it start over.
    if (goRunning_) {
        showMessage(this,
                    tr("GO è in corso: il file %1 non è stato importato.").arg(name));
        return;
    }
    BusyCursor busy;
    QByteArray bytes;
    QString error;
    if (!readWhole(path, kLargestInput, &bytes, &error)) {
        showMessage(this, error);
        return;
    }
    // A plain list of numbers gets the type the list shows.
    const QString command = source_->command();
    const int tipo = command == viewerTypeCommand(u"Live")   ? 1
                     : command == viewerTypeCommand(u"Spin") ? 2
                                                             : 0;
    SpinCsvReader reader(bytes, tipo);
    if (!reader.check()) {
        showMessage(this, tr("File %1, %2: nessuna uscita è stata importata.")
                              .arg(name, reader.error()));
        return;
    }
    SpinTransfer transfer;
    if (!transfer.importRows(reader)) {
        showMessage(this, transfer.error());
        return;
    }
    links_.dataChanged(DataChange::SpinRecorded);
    const QString message =
        countText(transfer.rows(), QT_TR_NOOP("%1 uscita importata da %2."),
                  QT_TR_NOOP("%1 uscite importate da %2."))
            .arg(name);
    if (!source_->requery())
        showMessage(this, message + u' ' + source_->lastError());
    else
        showDone(this, message);
}

} // namespace zt
