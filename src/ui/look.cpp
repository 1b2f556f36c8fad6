#include "ui/look.h"

#include <QAbstractScrollArea>
#include <QFontInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace zt {

QFont designFont(const QString& family, double points, bool bold, QFont::StyleHint hint)
{
    QFont font(family);
    font.setStyleHint(hint);
    font.setPointSizeF(points);
    font.setBold(bold);
    // The windows are drawn for narrow fonts; the wide DejaVu faces that stand in
    // for a missing family are taken in their condensed cut so captions fit.
    if (QFontInfo(font).family().startsWith(QLatin1String("DejaVu")) &&
        !family.startsWith(QLatin1String("DejaVu")))
        font.setStretch(family.contains(QLatin1String("Condensed")) ? QFont::ExtraCondensed
                                                                    : QFont::Condensed);
    return font;
}

QFont msSansSerif(double points, bool bold)
{
    return designFont(QStringLiteral("MS Sans Serif"), points, bold);
}

QFont controlFont()
{
    return msSansSerif();
}

void setBackColor(QWidget* widget, const QColor& color)
{
    QPalette p = widget->palette();
    // Text boxes paint their Base; every other widget its background role.  Only that role
    // is set, so that controls inside a coloured frame keep their own looks.
    if (qobject_cast<QAbstractScrollArea*>(widget) || qobject_cast<QLineEdit*>(widget)) {
        p.setColor(QPalette::Base, color);
    } else {
        p.setColor(widget->backgroundRole(), color);
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(p);
}

void setForeColor(QWidget* widget, const QColor& color)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, color);
    p.setColor(QPalette::Text, color);
    p.setColor(QPalette::ButtonText, color);
    widget->setPalette(p);
}

void showWarning(QWidget* parent, const QString& title, const QString& text, bool windowModal)
{
    auto* box = new QMessageBox(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    // Messages name files and quote the driver: a "<" in them is text.
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    if (windowModal) {
        box->open();
    } else {
        box->setModal(false);
        box->show();
    }
}

} // namespace zt

namespace zt {

void showMessage(QWidget* parent, const QString& text)
{
    showWarning(parent, parent ? parent->windowTitle() : QString(), text, true);
}

void placeOnScreen(QWidget* window, QSize preferred)
{
    const QScreen* s = window->screen();
    if (!s)
        return;
    const QRect area = s->availableGeometry();
    // The window system's frame; before it is known, room for a title bar.
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                   outer.right() - inner.right(), outer.bottom() - inner.bottom());
    if (frame.isNull())
        frame = QMargins(0, window->fontMetrics().height() * 2, 0, 0);
    const QSize room = area.size().shrunkBy(frame);
    window->resize(preferred.boundedTo(room).expandedTo(window->minimumSizeHint()));
    const QSize whole = window->size().grownBy(frame);
    window->move(std::max(area.left(), area.left() + (area.width() - whole.width()) / 2),
                 std::max(area.top(), area.top() + (area.height() - whole.height()) / 2));
}

} // namespace zt
