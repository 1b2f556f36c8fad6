#pragma once
// Small helpers of the viewer's windows: controls placed in twips and the
// non-blocking message.

#include "app/look.h"

#include <QString>
#include <QWidget>

namespace zt::form {

// Creates a control of kind W in parent, named and placed in twips.
template <class W>
W* place(QWidget* parent, const char* name, int left, int top, int width, int height)
{
    return addControl<W>(parent, QLatin1String(name), QRect(left, top, width, height));
}

// The viewer's font: "MS Sans Serif" 8.25 pt unless told otherwise.
inline QFont font(double points = 8.25, bool bold = false,
                  const QString& family = QStringLiteral("MS Sans Serif"))
{
    return designFont(family, points, bold,
                      family.startsWith(u"Times") ? QFont::Serif : QFont::SansSerif);
}

// Shows a message to the player without blocking: the box is window-modal
// over parent and deletes itself when dismissed.
void showMessage(QWidget* parent, const QString& text);

} // namespace zt::form
