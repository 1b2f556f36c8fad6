#pragma once
// Small helpers to lay out the viewer's windows: controls placed in twips,
// fonts, colours and the non-blocking message.

#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>

namespace zt::form {

// Creates a control of kind W in parent, named and placed in twips.
template <class W>
W* place(QWidget* parent, const char* name, int left, int top, int width, int height)
{
    auto* w = new W(parent);
    w->setObjectName(QLatin1String(name));
    w->setGeometry(left / 15, top / 15, width / 15, height / 15);
    return w;
}

// The windows' font: "MS Sans Serif" 8.25 pt unless told otherwise.
QFont font(double points = 8.25, bool bold = false,
           const QString& family = QStringLiteral("MS Sans Serif"));

// Back colour (of a window, panel or check box, or the field of a text box)
// and text colour of a control.
void setBack(QWidget* w, const QColor& color);
void setFore(QWidget* w, const QColor& color);

// Shows a message to the player without blocking: the box is window-modal
// over parent and deletes itself when dismissed.
void showMessage(QWidget* parent, const QString& text);

} // namespace zt::form
