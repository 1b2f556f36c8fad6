#include "viewer/formparts.h"

#include <QAbstractScrollArea>
#include <QLineEdit>
#include <QMessageBox>

namespace zt::form {

QFont font(double points, bool bold, const QString& family)
{
    QFont f(family);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

void setBack(QWidget* w, const QColor& color)
{
    QPalette p = w->palette();
    p.setColor(w->backgroundRole(), color);
    w->setPalette(p);
    // Text boxes paint their field themselves; the rest fill their background.
    if (!qobject_cast<QLineEdit*>(w) && !qobject_cast<QAbstractScrollArea*>(w))
        w->setAutoFillBackground(true);
}

void setFore(QWidget* w, const QColor& color)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, color);
    p.setColor(QPalette::Text, color);
    p.setColor(QPalette::ButtonText, color);
    w->setPalette(p);
}

void showMessage(QWidget* parent, const QString& text)
{
    auto* box = new QMessageBox(QMessageBox::Warning, parent ? parent->windowTitle() : QString(),
                                text, QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

} // namespace zt::form
