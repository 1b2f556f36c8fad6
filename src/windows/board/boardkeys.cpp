// Playing the main board from the keyboard: the typed number, the undo key,
// the accessible names and the list of keys in the board's tooltip.

#include "windows/boardwindow.h"

#include "core/keypadlayout.h"
#include "core/textrules.h"
#include "ui/colorbutton.h"
#include "ui/focusframe.h"
#include "ui/form.h"
#include "ui/linesbox.h"
#include "ui/look.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTimer>

namespace zt {

namespace {

// How long a refused number stays on the board, unless another key comes first.
constexpr int refusalMs = 1500;

enum class BoardKey { None, Digit, Enter, Escape, Backspace, Undo };

BoardKey boardKey(const QKeyEvent& key)
{
    const int k = key.key();
    const Qt::KeyboardModifiers mods = key.modifiers() & ~Qt::KeypadModifier;
    // Shift is part of a digit on some keyboard layouts.
    const bool plain = (mods & ~Qt::ShiftModifier) == Qt::NoModifier;
    if (plain && k >= Qt::Key_0 && k <= Qt::Key_9)
        return BoardKey::Digit;
    if (plain && (k == Qt::Key_Return || k == Qt::Key_Enter))
        return BoardKey::Enter;
    if (mods == Qt::NoModifier && k == Qt::Key_Escape)
        return BoardKey::Escape;
    if (mods == Qt::NoModifier && k == Qt::Key_Backspace)
        return BoardKey::Backspace;
    if (mods == Qt::ControlModifier && k == Qt::Key_Z)
        return BoardKey::Undo;
    return BoardKey::None;
}

void setLabelColors(QLabel* label, const QColor& text, const QColor& back)
{
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Window, back);
    label->setPalette(p);
}

} // namespace

void BoardWindow::buildTypedNumber()
{
    // In the free band of the title row, between the title and "Ultimo:".
    Digitato =
        placeLabel(Frame22, QStringLiteral("Digitato"), {4560, 45, 2460, 390}, {}, Qt::AlignCenter);
    Digitato->setFont(msSansSerif(12, true));
    Digitato->setAutoFillBackground(true);
    Digitato->hide();
    DigitatoTimer = new QTimer(this);
    DigitatoTimer->setObjectName(QStringLiteral("DigitatoTimer"));
    DigitatoTimer->setSingleShot(true);
    DigitatoTimer->setInterval(refusalMs);
    connect(DigitatoTimer, &QTimer::timeout, Digitato, &QWidget::hide);
    setToolTip(tr("Tasti del tavolo:\n"
                  "0-9: digita il numero uscito (una o due cifre, da 0 a 36)\n"
                  "Invio (anche quello del tastierino): inserisce il numero digitato,\n"
                  "    come un clic sul suo tasto\n"
                  "Esc: cancella il numero digitato; Backspace: toglie l'ultima cifra\n"
                  "Ctrl+Z: toglie l'ultima uscita dalla storia, come \"C. ULTIMO\",\n"
                  "    e cancella la riga che questa sessione ha registrato per lei\n"
                  "Ctrl+U: apre Visualizza Uscite; Ctrl+T: apre le Statistiche\n"
                  "Ctrl+P: apre le Puntate (quanto costa seguire le proposte)\n"
                  "Tab: passa al comando seguente; Spazio: preme il comando scelto\n"
                  "Con il Lock spuntato, nel riquadro della proposta i tasti scrivono testo.") +
               u'\n' +
               tr("Ctrl++ e Ctrl+-: il tavolo più grande o più piccolo; Ctrl+0: la sua misura "
                  "di partenza"));
}

void BoardWindow::prepareKeyboard()
{
    nameKeypad();
    Combo1->setAccessibleName(tr("Numero"));
    Combo7->setAccessibleName(tr("Tipo gioco"));
    Text1->setAccessibleName(tr("Storia"));
    note_0->setAccessibleName(tr("Proposta"));
    // Every control watched for the board's keys; buttons named by their
    // caption, or by their tooltip when they have none.
    QList<QObject*> todo{this};
    while (!todo.isEmpty()) {
        QObject* o = todo.takeLast();
        todo += o->children();
        auto* w = qobject_cast<QWidget*>(o);
        if (!w)
            continue;
        w->installEventFilter(this);
        auto* button = qobject_cast<QAbstractButton*>(w);
        if (button && button->accessibleName().isEmpty())
            button->setAccessibleName(button->text().isEmpty() ? button->toolTip()
                                                               : button->text());
    }
    new FocusFrame(this);
}

void BoardWindow::nameKeypad()
{
    for (ColorButton* key : Command9)
        key->setAccessibleName(keypad::numberName(int(leadingNumber(key->text()))));
}

bool BoardWindow::eventFilter(QObject* watched, QEvent* event)
{
    // The keys are listed over the upper half of the board, never over the
    // keypad, where the mouse rests between clicks.
    if (event->type() == QEvent::ToolTip)
        return watched == Frame2;
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const BoardKey what = boardKey(*key);
    if (what == BoardKey::None)
        return false;
    // A proposal being written by the player takes its keys as text.
    if (note_0->editor() && focusWidget() == note_0->editor())
        return false;
    if (key->isAutoRepeat()) // a key held down types, or undoes, once
        return true;
    switch (what) {
    case BoardKey::Digit:
        typedKey(typed.digit(key->key() - Qt::Key_0));
        break;
    case BoardKey::Enter:
        typedKey(typed.enter());
        break;
    case BoardKey::Escape: // also takes a refusal off the board
        typedKey(typed.escape());
        DigitatoTimer->stop();
        Digitato->hide();
        break;
    case BoardKey::Backspace:
        typedKey(typed.backspace());
        break;
    case BoardKey::Undo:
        undoLastSpin();
        break;
    case BoardKey::None:
        break;
    }
    return true;
}

void BoardWindow::typedKey(const TypedNumber::Step& step)
{
    using Step = TypedNumber::Step;
    if (step.kind == Step::Ignored)
        return;
    DigitatoTimer->stop();
    if (step.kind == Step::Refused) {
        Digitato->setText(tr("%1 errato").arg(step.refused));
        setLabelColors(Digitato, QColor(255, 0, 0), QColor(255, 255, 255));
        Digitato->show();
        DigitatoTimer->start();
        return;
    }
    setLabelColors(Digitato, Qt::black, QColor(255, 255, 128));
    Digitato->setText(tr("Digitato: %1").arg(typed.text()));
    Digitato->setVisible(!typed.text().isEmpty());
    // The same click as the mouse's on the button that shows the number, so
    // an inverted keypad is honoured.
    if (step.kind == Step::Entered)
        Command9[bridgeButton(*this, QString::number(step.number))]->click();
}

void BoardWindow::undoLastSpin()
{
    if (StoriaUscite.isEmpty())
        return;
    Q_ASSERT(journal.size() == StoriaUscite.count());
    const JournalEntry entry = journal.isEmpty() ? JournalEntry{} : journal.newest();
    // A spin still waiting to be recorded leaves the queue; a recorded one
    // takes its row with it.
    bool kept = false;
    if (entry.waiting != 0)
        kept = !Adodc2.dropWaiting(entry.waiting);
    else if (entry.row != 0)
        kept = Adodc2.remove(entry.row, entry.number, entry.memory) == SpinRecorder::Removal::Failed;
    if (kept) {
        showWarning(
            this, tr("Annulla l'ultima uscita"),
            Adodc2.lastError() + tr(" L'uscita %1 resta nella storia.").arg(StoriaUscite.newest()));
        return;
    }
    cancelNewest(); // exactly "C. ULTIMO"
    showRecordingState();
}

} // namespace zt
