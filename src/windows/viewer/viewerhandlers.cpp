// The outcome viewer's handlers: each reads the viewer's controls, calls the
// rules of the core and writes the controls back.  Other windows are reached
// only through the links.

#include "windows/viewerwindow.h"

#include "core/replay.h"
#include "core/report.h"
#include "core/session.h"
#include "core/tally.h"
#include "core/textrules.h"
#include "store/recordcursor.h"
#include "store/storecommands.h"
#include "ui/hiddenbox.h"
#include "ui/linesbox.h"
#include "ui/look.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QUrl>

#include <cmath>

namespace zt {

bool ViewerWindow::addToCounter(QLineEdit* counter, double amount)
{
    const auto held = countersPending_.constFind(counter);
    const auto sum =
        addToCounterText(held != countersPending_.cend() ? *held : counter->text(), amount);
    if (!sum)
        return false;
    // While "GO" runs the read-only counters are written when the windows are
    // drawn or read (flushPending), as the detail is.
    if (frames_)
        countersPending_.insert(counter, *sum);
    else if (counter->text() != *sum)
        counter->setText(*sum);
    return true;
}

void ViewerWindow::flushPending()
{
    for (auto it = countersPending_.cbegin(); it != countersPending_.cend(); ++it) {
        if (it.key()->text() != it.value())
            it.key()->setText(it.value());
    }
    countersPending_.clear();
    if (detailPending_.isEmpty())
        return;
    Text19->appendText(detailPending_);
    detailPending_.clear();
}

// --- Reports of the composite strings engine -------------------------------

bool ViewerWindow::reportsEnabled() const
{
    return Check6->isChecked();
}

void ViewerWindow::appendDetail(const QString& text)
{
    // Each insertion lays the whole detail out again.
    detailPending_ += text;
    if (!frames_)
        flushPending();
}

void ViewerWindow::post(const QString& text)
{
    Text19B->setText(text);
}

void ViewerWindow::tallyPosted(const QString& text)
{
    if (text == u"ok")
        return;
    links_.session().tally.post(text);
    Text19B->setText(QStringLiteral("ok"));
    // A "GO" run tells once, when it ends.
    if (!goRunning_)
        links_.dataChanged(DataChange::TallyChanged);
}

void ViewerWindow::followedString(const StringOutcome& outcome)
{
    links_.session().followed.add(outcome);
}

void ViewerWindow::addVerified()
{
    addToCounter(Text16, 1);
}

void ViewerWindow::addCancelledBeforeHit()
{
    addToCounter(Text15, 1);
}

void ViewerWindow::addCancelledAfterHit()
{
    addToCounter(Text3, 1);
}

// --- Replay console ---------------------------------------------------------

// The console as the replay rules see it: the viewer's controls and, through
// the links, the board's bridges and the settings.

bool ViewerWindow::autoReset()
{
    return Check8->isChecked();
}

bool ViewerWindow::checksProposals()
{
    return Check4->isChecked();
}

ReplayRow ViewerWindow::currentRow()
{
    return replayRow(Text1->text(), Text12->text());
}

bool ViewerWindow::atEnd()
{
    return source_->isEof();
}

void ViewerWindow::moveNext()
{
    source_->moveNext();
}

QLineEdit* ViewerWindow::counterBox(PanelCounter counter) const
{
    switch (counter) {
    case PanelCounter::Verified:
        return Text16;
    case PanelCounter::Hits:
        return Text8;
    case PanelCounter::Numbers:
        return Text9;
    case PanelCounter::Rows:
        return Text13;
    case PanelCounter::CancelledBeforeHit:
        return Text15;
    case PanelCounter::CancelledAfterHit:
        return Text3;
    }
    return Text16;
}

bool ViewerWindow::addToCounter(PanelCounter counter, double amount)
{
    return addToCounter(counterBox(counter), amount);
}

QString ViewerWindow::proposal()
{
    return links_.board().proposal();
}

void ViewerWindow::clearProposal()
{
    links_.board().clearProposal();
}

bool ViewerWindow::checksFirstHit()
{
    return links_.settings().checksFirstHit();
}

void ViewerWindow::requestReset()
{
    links_.board().requestReset(); // done, and "ok" back, when this returns
}

void ViewerWindow::sendRowNumber()
{
    links_.board().sendSpin(Text1->text());
}

QString ViewerWindow::runRowsText()
{
    return Text6->text();
}

QString ViewerWindow::counterText(PanelCounter counter)
{
    return counterBox(counter)->text();
}

bool ViewerWindow::reportsStrings()
{
    return reportsEnabled();
}

QString ViewerWindow::maxDelayText()
{
    return links_.settings().maxDelayText();
}

QString ViewerWindow::detailText()
{
    return Text19->toPlainText();
}

void ViewerWindow::genera()
{
    Text10->setText(QString::number(drawRandomNumber()));
}

void ViewerWindow::invia()
{
    links_.board().setRecording(false);
    const QString number = Text10->text();
    zt::controllaProposta(*this, leadingNumber(number));
    if (!number.isEmpty())
        links_.board().sendSpin(number);
}

void ViewerWindow::spin()
{
    replaySpin(*this);
}

void ViewerWindow::posizioneDaNote(const QString& text)
{
    if (text == u"ok")
        return;
    Text21->setText(text);
    trova();
    Text5->setText(QStringLiteral("ok"));
}

void ViewerWindow::goToRow(const QString& id)
{
    Text5->setText(id);
}

// --- Verification panel -----------------------------------------------------

void ViewerWindow::azzera()
{
    detailPending_.clear();
    countersPending_.clear();
    Text13->setText(QStringLiteral("0"));
    Text8->setText(QStringLiteral("0"));
    Text9->setText(QStringLiteral("0"));
    links_.session().tally.clear();
    links_.session().followed.clear();
    Text10->clear();
    Text15->setText(QStringLiteral("0"));
    Text16->setText(QStringLiteral("0"));
    Text19->clear();
    Text3->setText(QStringLiteral("0"));
    links_.board().requestReset();
    links_.dataChanged(DataChange::TallyChanged);
}

void ViewerWindow::salva()
{
    flushPending(); // "SALVA" clicked while "GO" runs
    const ReportInputs in = reportInputs(*this);

    const QString path = QDir::current().absoluteFilePath(QLatin1String(reportFileName));
    QString error;
    int replaced = 0;
    if (!saveReport(path, reportBytes(in, links_.session().tally, &replaced), &error)) {
        showMessage(this, error);
        return;
    }
    QString message;
    if (replaced > 0)
        message = replaced == 1
                      ? tr("Il rapporto %1 è stato scritto; 1 carattere che la codifica "
                           "Windows-1252 non può contenere è stato scritto come \"?\".")
                            .arg(path)
                      : tr("Il rapporto %1 è stato scritto; %2 caratteri che la codifica "
                           "Windows-1252 non può contenere sono stati scritti come \"?\".")
                            .arg(path)
                            .arg(replaced);
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        message = message.isEmpty()
                      ? tr("Il rapporto %1 è stato scritto, ma non è stato possibile aprirlo "
                           "con l'editor di testo.")
                            .arg(path)
                      : message + tr(" Non è stato possibile aprirlo con l'editor di testo.");
    if (!message.isEmpty())
        showMessage(this, message);
}

// --- Window and browsing ----------------------------------------------------

void ViewerWindow::esci()
{
    links_.board().setExchangePolling(true);
    close();
}

void ViewerWindow::gridClicked()
{
    Text21->setText(Text7->text());
}

void ViewerWindow::showRow()
{
    const bool row = source_->hasCurrent();
    const auto show = [&](auto* box, QStringView column) {
        const QString text = row ? source_->text(column) : QString();
        // Writing the text a box holds changes nothing but costs a new layout.
        if (box->text() != text)
            box->setText(text);
    };
    show(Text1, u"Numero");
    show(Text12, u"Memoria");
    show(Text7, u"id");
    show(Text20, u"Note");
}

void ViewerWindow::reportSourceError()
{
    showMessage(this, source_->lastError());
}

void ViewerWindow::filtra(int item)
{
    source_->setCommand(viewerTypeCommand(Combo7->itemText(item)));
    if (!source_->requery())
        reportSourceError();
    links_.dataChanged(DataChange::RowsChanged);
}

void ViewerWindow::trova()
{
    const QString text = Text21->text();
    if (text.isEmpty())
        return;
    source_->moveFirst();
    const double id = leadingNumber(text);
    // Only a whole number can equal an id; anything else finds no row.
    if (id == std::floor(id) && std::fabs(id) < 1e15) {
        source_->findId(static_cast<qint64>(id));
    } else if (source_->moveLast()) {
        source_->moveNext();
    }
}

void ViewerWindow::cancella()
{
    DeletedRow row;
    if (!source_->deleteCurrent(&row)) {
        reportSourceError();
        return;
    }
    if (!row.values.isEmpty()) // a row of a table of another shape has no way back
        deleted_.push_back(row);
    showUndo();
    links_.dataChanged(DataChange::RowsChanged);
}

void ViewerWindow::ripristina()
{
    if (deleted_.empty())
        return;
    if (!source_->restore(deleted_.back())) {
        reportSourceError();
        return;
    }
    deleted_.pop_back();
    showUndo();
    links_.dataChanged(DataChange::RowsChanged);
}

void ViewerWindow::showUndo()
{
    Ripristina->setEnabled(!deleted_.empty());
    Ripristina->setToolTip(
        deleted_.empty()
            ? tr("Rimette la riga cancellata per ultima (Ctrl+Z): nessuna riga cancellata")
            : tr("Rimette la riga %1, cancellata per ultima, con il suo id, i valori, la nota e "
                 "l'ora (Ctrl+Z)")
                  .arg(deleted_.back().id));
}

void ViewerWindow::conferma()
{
    if (!source_->updateCurrent({{QStringLiteral("Note"), Text20->text()}}))
        reportSourceError();
}

} // namespace zt
