#include "ui/colorbutton.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <qdrawutil.h>

namespace zt {

ColorButton::ColorButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}

void ColorButton::setBackColor(const QColor& color)
{
    if (color == back_)
        return;
    back_ = color;
    update();
}

void ColorButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect r = rect();
    const bool sunken = isDown() || isChecked();
    p.fillRect(r, isEnabled() ? back_ : back_.lighter(120));
    QPalette shade = palette();
    shade.setColor(QPalette::Light, back_.lighter(160));
    shade.setColor(QPalette::Midlight, back_.lighter(125));
    shade.setColor(QPalette::Dark, back_.darker(200));
    shade.setColor(QPalette::Mid, back_.darker(150));
    qDrawWinButton(&p, r, shade, sunken, nullptr);
    p.setPen(isEnabled() ? QColor(Qt::black) : QColor(Qt::darkGray));
    p.setFont(font());
    const QRect textRect = r.adjusted(2, 2, -2, -2).translated(sunken ? 1 : 0, sunken ? 1 : 0);
    p.drawText(textRect, Qt::AlignCenter | Qt::TextWordWrap, text());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = r.adjusted(4, 4, -4, -4);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
    }
}

} // namespace zt
