#pragma once
// Helpers for laying out windows designed in twips with fixed colours and fonts.

#include <QColor>
#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>

namespace zt {

inline constexpr int twipsPerPixel = 15;

// A rectangle given in twips, in pixels.
constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(left / twipsPerPixel, top / twipsPerPixel, width / twipsPerPixel,
                 height / twipsPerPixel);
}

constexpr QRect twipsRect(const QRect& twips)
{
    return twipsRect(twips.x(), twips.y(), twips.width(), twips.height());
}

// The name of element `index` of a control array: "<array>_<index>"
// (Command9_5, note_0).
inline QString arrayName(const char* array, int index)
{
    return QLatin1String(array) + QLatin1Char('_') + QString::number(index);
}

// A size given in twips, in pixels.
constexpr QSize twipsSize(int width, int height)
{
    return QSize(width / twipsPerPixel, height / twipsPerPixel);
}

// A font asked for by family; the hint picks a like font when the family is missing.
QFont designFont(const QString& family, double points, bool bold = false,
                 QFont::StyleHint hint = QFont::SansSerif);

// "MS Sans Serif", the face the windows are designed in, at a size in points.
QFont msSansSerif(double points = 8.25, bool bold = false);

// The default font of controls without a font of their own.
QFont controlFont();

// Paints the widget's background in the colour: the text area of a text box,
// otherwise the whole widget (background filling is turned on).
void setBackColor(QWidget* widget, const QColor& color);

// The colour of the widget's text, for labels, check boxes and text boxes alike.
void setForeColor(QWidget* widget, const QColor& color);

// Gives a top-level window the `preferred` size, or less where the screen's
// free area is smaller (never less than its layout's least size), and puts
// it in the middle of that area, its title bar inside it.  Called when the
// window is first shown.
void placeOnScreen(QWidget* window, QSize preferred);

// Shows a warning to the player without waiting for it: the box deletes
// itself when dismissed.  A window-modal box blocks only `parent`'s window.
void showWarning(QWidget* parent, const QString& title, const QString& text,
                 bool windowModal = false);

// A message of a window to the player, without blocking the program: the box
// is window-modal over `parent`, titled like it, and deletes itself when
// dismissed.
void showMessage(QWidget* parent, const QString& text);

} // namespace zt
