#pragma once
// Where the keyboard is in a window: a blue frame drawn around the control
// with the focus, above everything else, once the keyboard has moved the
// focus (Tab, Shift+Tab, a shortcut) and until the mouse moves it.  Ctrl+Tab
// and Ctrl+Shift+Tab move the focus as Tab and Shift+Tab do, also out of a
// control that keeps Tab for itself (a text box being typed in).

#include <QFrame>

namespace zt {

class FocusFrame : public QFrame {
    Q_OBJECT
public:
    // Watches every control that `window` holds now.
    explicit FocusFrame(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void focusMoved(QWidget* control, Qt::FocusReason reason);

    bool byKeyboard_ = false;
};

} // namespace zt
