// Handlers of the main board that act on the game: the keypad click, the
// corrections of the history, the bridges, the keypad inversion and the
// exchange-file poll.  Each reads the board's controls, calls the game logic and
// writes the controls back; the board's controls are the BoardIO of that logic.

#include "windows/boardwindow.h"

#include "core/exchangefile.h"
#include "core/session.h"
#include "core/keypadlayout.h"
#include "core/textrules.h"
#include "ui/colorbutton.h"
#include "ui/hiddenbox.h"
#include "ui/linesbox.h"
#include "ui/look.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTimer>

namespace zt {

namespace {

const QString ok = QStringLiteral("ok");

} // namespace

// --- Handlers ----------------------------------------------------------------

void BoardWindow::enterSpin(int index)
{
    recordedNow = {};
    zt::enterSpin(*this, StoriaUscite, Command9[index]->text());
    spinEntered();
}

void BoardWindow::spinBridgeChanged(const QString& text)
{
    recordedNow = {};
    if (enterBridgeSpin(*this, StoriaUscite, text)) {
        spinEntered();
        CM_pulsante->setText(ok);
    }
}

void BoardWindow::spinEntered()
{
    journal.entered(recordedNow, StoriaUscite.count());
    recordedNow = {};
    Q_ASSERT(journal.size() == StoriaUscite.count());
}

void BoardWindow::resetBridgeChanged(const QString& text)
{
    if (text == ok)
        return;
    resetBoard(*this, StoriaUscite);
    journal.keepNewest(0);
    CM_Azzera->setText(ok);
}

void BoardWindow::cancelNewest()
{
    if (!StoriaUscite.isEmpty())
        journal.dropNewest();
    dropNewestSpin(*this, StoriaUscite);
}

void BoardWindow::cancelOldest()
{
    if (!StoriaUscite.isEmpty())
        journal.dropOldest();
    dropOldestSpin(*this, StoriaUscite);
}

FollowedSpin BoardWindow::nextSpin()
{
    const QString text = noteText(0);
    if (text.isEmpty() || !links_.settings().checksFirstHit())
        return {0, 0, false};
    const QString first = firstDelayText(0);
    const QString second = secondDelayText(0);
    return followedSpin({text, noteRed(0), first, second}, -1);
}

BoardLink::Modes BoardWindow::modes()
{
    return {quorixMode(), zentrimaMode(), filterText()};
}

StakeListener* BoardWindow::stakes()
{
    return &links_.session().play;
}

void BoardWindow::cancelAll()
{
    requestReset();
}

void BoardWindow::clearStringRow(int row)
{
    zt::clearStringRow(*this, row);
}

void BoardWindow::repaintHighlight()
{
    EvidenziaTastiera(*this);
}

void BoardWindow::invertKeypad()
{
    const QString first = Command9[1]->text();
    keypad::Layout layout;
    if (first == u"3")
        layout = keypad::Layout::Inverted;
    else if (first == u"34")
        layout = keypad::Layout::Design;
    else
        return;
    for (int i = 1; i <= keypad::numberButtons; ++i) {
        Command9[i]->setText(keypad::captionAt(layout, i));
        Command9[i]->setBackColor(QColor(keypad::colorAt(layout, i)));
    }
    for (int i = 1; i <= keypad::numberButtons; ++i)
        ColoriTastiera[i] = Command9[i]->backColor().rgb();
    nameKeypad();
    EvidenziaTastiera(*this);
}

void BoardWindow::pollExchangeFile()
{
    const std::optional<ExchangeSpin> spin = readExchangeFile(CM_tempo->text());
    if (!spin)
        return;
    CM_pulsante->setText(spin->numberText);
    CM_tempo->setText(spin->stamp);
}

// --- Recording ---------------------------------------------------------------

void BoardWindow::recordSpin(const SpinRecord& record)
{
    // The bound fields show the new row's values, stored or not.
    DB2_nu->setText(record.number);
    DB2_gi->setText(record.type);
    DB2_me->setText(record.memory);
    switch (Adodc2.record(DB2_nu->text(), DB2_gi->text(), DB2_me->text(),
                          QDateTime::currentDateTime())) {
    case SpinRecorder::Outcome::Recorded:
        recordedNow = {Adodc2.lastId(), 0, DB2_nu->text(), DB2_me->text()};
        shownRecordingFailure.clear();
        links_.dataChanged(DataChange::SpinRecorded);
        break;
    case SpinRecorder::Outcome::Waiting:
        recordedNow = {0, Adodc2.lastKey(), DB2_nu->text(), DB2_me->text()};
        break;
    case SpinRecorder::Outcome::Failed:
        reportRecordingFailure(Adodc2.lastError());
        break;
    }
    spinsWritten(); // spins that waited before this one
    showRecordingState();
}

void BoardWindow::recordWaitingSpins()
{
    if (Adodc2.writeWaiting(SpinRecorder::kRetryWait))
        shownRecordingFailure.clear(); // the file works again
    else if (!Adodc2.heldOnly())
        reportRecordingFailure(
            Adodc2.waitProblem() +
            tr(": le uscite in attesa non sono state registrate. Il programma riprova da solo."));
    spinsWritten();
    showRecordingState();
}

void BoardWindow::spinsWritten()
{
    for (const WrittenSpin& spin : Adodc2.written())
        journal.written(spin.key, spin.row);
    if (!Adodc2.written().empty())
        links_.dataChanged(DataChange::SpinRecorded);
    if (const QString notice = Adodc2.takeQueueNotice(); !notice.isEmpty())
        reportRecordingFailure(notice + u'.');
}

void BoardWindow::recordSpinsLeftWaiting()
{
    const bool read = Adodc2.loadWaiting();
    // Taken before the spins are written: a write that goes well clears it.
    const QString problem = Adodc2.queueProblem() + u'.';
    if (!Adodc2.waiting().empty())
        Adodc2.writeWaiting(SpinRecorder::kSpinWait);
    if (!read) { // said once the board shows
        QTimer::singleShot(0, this, [this, problem] {
            showWarning(this, QStringLiteral("Registra Uscite"), problem);
        });
    }
    showRecordingState();
}

void BoardWindow::reportRecordingFailure(const QString& message)
{
    if (message == shownRecordingFailure)
        return;
    shownRecordingFailure = message;
    showWarning(this, tr("Registra Uscite"), message);
}

void BoardWindow::showRecordingState()
{
    const int waiting = int(Adodc2.waiting().size());
    QStringList reasons;
    if (waiting > 0) {
        Attesa->setText(waiting == 1 ? tr("1 uscita in attesa\ndi registrazione")
                                     : tr("%1 uscite in attesa\ndi registrazione").arg(waiting));
        const QString kept =
            Adodc2.waitingSaved()
                ? tr("Il programma riprova da solo; intanto le uscite sono conservate nel file "
                     "%1.")
                      .arg(SpinQueue::pathFor(QString::fromLatin1(kStoreFileName)))
                : tr("Il programma riprova da solo; intanto le uscite sono solo in memoria e "
                     "andrebbero perse chiudendo il programma (%1).")
                      .arg(Adodc2.queueProblem());
        reasons << QString(Attesa->text()).replace(u'\n', u' ') + u'.'
                << Adodc2.waitProblem() + u'.' << kept;
    }
    Attesa->setToolTip(reasons.join(u'\n'));
    Attesa->setVisible(waiting > 0);
    Spenta->setVisible(offByReplay && waiting == 0);
    if (waiting > 0)
        AttesaTimer->start();
    else
        AttesaTimer->stop();
    if (!shownRecordingFailure.isEmpty())
        reasons << shownRecordingFailure;
    markRecordingSwitch(reasons.join(u'\n'));
}

void BoardWindow::markRecordingSwitch(const QString& failure)
{
    const bool failing = !failure.isEmpty();
    QString tip = tr("Registra Uscite");
    if (failing)
        tip += u'\n' + failure;
    else if (offByReplay)
        tip += u'\n' + Spenta->toolTip();
    Check8->setToolTip(tip);
    // Failing: the box is light red inside a red frame; switched off by the
    // replay, it is framed in yellow.
    QPalette p = Check8->palette();
    p.setColor(QPalette::Base,
               failing ? QColor(255, 150, 150) : Frame2->palette().color(QPalette::Base));
    Check8->setPalette(p);
    setBackColor(Check8Frame, failing ? QColor(255, 0, 0) : QColor(255, 255, 0));
    Check8Frame->setVisible(failing || offByReplay);
}

// --- The controls as the game logic sees them --------------------------------

StringsSettings BoardWindow::settings()
{
    return links_.settings().settings();
}

bool BoardWindow::recording()
{
    return Check8->isChecked();
}

QString BoardWindow::gameTypeText()
{
    return Combo7->currentText();
}

bool BoardWindow::locked()
{
    return Check1->isChecked();
}

bool BoardWindow::quorixMode()
{
    return Check2->isChecked();
}

bool BoardWindow::zentrimaMode()
{
    return Check3->isChecked();
}

QString BoardWindow::filterText()
{
    return Combo1->currentData().toString();
}

void BoardWindow::setLastNumber(const QString& numberText)
{
    Label6->setText(lastNumberCaption(numberText));
}

void BoardWindow::showHistory(const History& history)
{
    Text1->setText(history.text());
}

QString BoardWindow::noteText(int)
{
    return note_0->text();
}

void BoardWindow::setNoteText(int, const QString& text)
{
    // Writing the text the box holds would only move the player's cursor.
    if (note_0->text() != text)
        note_0->setText(text);
}

bool BoardWindow::noteRed(int)
{
    return noteColor() != QColor(Qt::black);
}

void BoardWindow::setNoteRed(int, bool red)
{
    const QColor color = red ? QColor(255, 0, 0) : QColor(Qt::black);
    if (noteColor() != color)
        setNoteColor(color);
}

QString BoardWindow::firstDelayText(int)
{
    return Label38_0->text();
}

QString BoardWindow::secondDelayText(int)
{
    return Label44_0->text();
}

void BoardWindow::setFirstDelayText(int, const QString& text)
{
    Label38_0->setText(text);
}

void BoardWindow::setSecondDelayText(int, const QString& text)
{
    Label44_0->setText(text);
}

void BoardWindow::setCountText(int, const QString& text)
{
    Label26_0->setText(text);
}

QString BoardWindow::keypadCaption(int index)
{
    return Command9[index]->text();
}

void BoardWindow::restoreKeypad(int first)
{
    for (int i = first; i <= keypad::numberButtons; ++i)
        Command9[i]->setBackColor(QColor(ColoriTastiera[i]));
}

void BoardWindow::highlightKeypad(NumberSet numbers)
{
    // Each button gets its final colour at once: saved, or yellow when its
    // caption is one of the numbers (never the zero button).
    Command9[0]->setBackColor(QColor(ColoriTastiera[0]));
    for (int i = 1; i <= keypad::numberButtons; ++i) {
        const bool lit = numbers.containsValue(leadingNumber(Command9[i]->text()));
        Command9[i]->setBackColor(QColor(lit ? keypad::highlight : ColoriTastiera[i]));
    }
}

StringsReportTarget* BoardWindow::reports()
{
    ViewerLink* viewer = links_.loadedViewer();
    return viewer ? &viewer->reportTarget() : nullptr;
}

// --- What the other windows ask of the board ---------------------------------

void BoardWindow::requestReset()
{
    CM_Azzera->setText(QStringLiteral("1"));
}

void BoardWindow::sendSpin(const QString& number)
{
    CM_pulsante->setText(number);
}

void BoardWindow::setRecording(bool on)
{
    if (!on && Check8->isChecked())
        offByReplay = true;
    Check8->setChecked(on);
    showRecordingState();
}

QString BoardWindow::proposal()
{
    return note_0->text();
}

void BoardWindow::clearProposal()
{
    note_0->clear();
}

void BoardWindow::setExchangePolling(bool on)
{
    if (on)
        Timer2->start();
    else
        Timer2->stop();
}

} // namespace zt
