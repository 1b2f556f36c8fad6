#include "ui/focusframe.h"

#include "ui/look.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>

namespace zt {

FocusFrame::FocusFrame(QWidget* window) : QFrame(window)
{
    setObjectName(QStringLiteral("FocusFrame"));
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(3);
    setForeColor(this, QColor(0, 160, 255));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    window->installEventFilter(this);
    for (QWidget* control : window->findChildren<QWidget*>())
        control->installEventFilter(this);
}

bool FocusFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        focusMoved(static_cast<QWidget*>(watched), static_cast<QFocusEvent*>(event)->reason());
    } else if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::ShiftModifier;
        if (mods == Qt::ControlModifier &&
            (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)) {
            // The window moves the focus as for Tab, whatever the control does with it.
            const bool back =
                key->key() == Qt::Key_Backtab || key->modifiers().testFlag(Qt::ShiftModifier);
            QKeyEvent tab(QEvent::KeyPress, back ? Qt::Key_Backtab : Qt::Key_Tab,
                          back ? Qt::ShiftModifier : Qt::NoModifier);
            QCoreApplication::sendEvent(parentWidget(), &tab);
            return true;
        }
    }
    return false;
}

void FocusFrame::focusMoved(QWidget* control, Qt::FocusReason reason)
{
    if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
        reason == Qt::ShortcutFocusReason)
        byKeyboard_ = true;
    else if (reason == Qt::MouseFocusReason)
        byKeyboard_ = false;
    QWidget* window = parentWidget();
    if (control == window || !byKeyboard_) {
        hide();
        return;
    }
    setGeometry(
        QRect(control->mapTo(window, QPoint(0, 0)), control->size()).adjusted(-3, -3, 3, 3));
    raise();
    show();
}

} // namespace zt
