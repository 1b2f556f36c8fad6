#pragma once
// The one way the windows build their controls: each control is named (its
// objectName is the name the windows are designed with) and placed at a
// rectangle given in twips, relative to its container.  The typed builders
// below give the usual controls their caption and look in the same call.

#include "ui/look.h"

#include <QRect>
#include <QString>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zt {

class ColorButton;
class HiddenBox;

// A new control of kind W named `name` inside parent, at a rectangle given in
// twips (left, top, width, height; none: left where Qt puts it, for hidden
// controls).
template <class W> W* place(QWidget* parent, const QString& name, const QRect& twips = {})
{
    auto* w = new W;
    w->setParent(parent);
    w->setObjectName(name);
    if (!twips.isNull())
        w->setGeometry(twipsRect(twips));
    return w;
}

// A borderless frame filled with its back colour.
QFrame* placeFrame(QWidget* parent, const QString& name, const QRect& twips, const QColor& back);

// A label drawn over its container, its text at the top as designed.
QLabel* placeLabel(QWidget* parent, const QString& name, const QRect& twips, const QString& text,
                   Qt::Alignment align = Qt::AlignLeft);

// A text box, its text vertically centred.
QLineEdit* placeBox(QWidget* parent, const QString& name, const QRect& twips,
                    Qt::Alignment align = Qt::AlignLeft);

// A hidden text box holding `text`: a value carried between handlers.
HiddenBox* placeHidden(QWidget* parent, const QString& name, const QString& text = {},
                       const QRect& twips = {});

QPushButton* placeButton(QWidget* parent, const QString& name, const QRect& twips,
                         const QString& caption);

// A button drawn in its back colour.
ColorButton* placeColorButton(QWidget* parent, const QString& name, const QRect& twips,
                              const QString& caption, const QColor& back);

// A check box; an invalid back colour leaves its container's.
QCheckBox* placeCheck(QWidget* parent, const QString& name, const QRect& twips,
                      const QString& caption, bool ticked, const QColor& back = {});

// A horizontal line drawn from x1 to x2 at height y (twips), `width` pixels thick.
QFrame* placeLine(QWidget* parent, const QString& name, int x1, int y, int x2, int width,
                  const QColor& color = Qt::black);

} // namespace zt
