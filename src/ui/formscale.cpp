#include "ui/formscale.h"

#include "ui/focusframe.h"

#include <QFrame>

#include <cmath>

namespace zt {

namespace {

int scaled(int value, double factor)
{
    return int(std::lround(value * factor));
}

} // namespace

void FormScale::capture(QWidget* root)
{
    controls_.clear();
    factor_ = 1;
    offset_ = {};
    take(root, true);
}

void FormScale::take(QWidget* container, bool outermost)
{
    const auto children = container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* w : children) {
        // Other windows (message boxes, lists of combo boxes) keep their size;
        // the focus frame follows the control it marks by itself.
        if (w->isWindow() || qobject_cast<FocusFrame*>(w))
            continue;
        controls_.push_back(
            {w, w->geometry(), w->font(), w->testAttribute(Qt::WA_SetFont), outermost});
        // Plain frames hold controls; a control lays out its own parts.
        if (w->metaObject() == &QFrame::staticMetaObject)
            take(w, false);
    }
}

void FormScale::apply(double factor, QPoint offset)
{
    if (factor == factor_ && offset == offset_)
        return;
    const bool design = factor == 1;
    for (const Control& c : controls_) {
        if (!c.widget)
            continue;
        const QPoint shift = c.outermost ? offset : QPoint();
        if (design) {
            c.widget->setGeometry(c.geometry.translated(shift));
            c.widget->setFont(c.ownFont ? c.font : QFont());
            continue;
        }
        const QRect& g = c.geometry;
        c.widget->setGeometry(scaled(g.x(), factor) + shift.x(), scaled(g.y(), factor) + shift.y(),
                              scaled(g.width(), factor), scaled(g.height(), factor));
        QFont font = c.font;
        if (font.pointSizeF() > 0)
            font.setPointSizeF(font.pointSizeF() * factor);
        else if (font.pixelSize() > 0)
            font.setPixelSize(std::max(1, scaled(font.pixelSize(), factor)));
        c.widget->setFont(font);
    }
    factor_ = factor;
    offset_ = offset;
}

} // namespace zt
