#include "ui/form.h"

#include "ui/colorbutton.h"
#include "ui/hiddenbox.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zt {

QFrame* placeFrame(QWidget* parent, const QString& name, const QRect& twips, const QColor& back)
{
    auto* f = place<QFrame>(parent, name, twips);
    f->setFrameShape(QFrame::NoFrame);
    setBackColor(f, back);
    return f;
}

QLabel* placeLabel(QWidget* parent, const QString& name, const QRect& twips, const QString& text,
                   Qt::Alignment align)
{
    auto* l = place<QLabel>(parent, name, twips);
    l->setTextFormat(Qt::PlainText); // a caption, never markup
    l->setText(text);
    l->setAlignment(align | Qt::AlignTop);
    return l;
}

QLineEdit* placeBox(QWidget* parent, const QString& name, const QRect& twips, Qt::Alignment align)
{
    auto* e = place<QLineEdit>(parent, name, twips);
    e->setAlignment(align | Qt::AlignVCenter);
    return e;
}

HiddenBox* placeHidden(QWidget* parent, const QString& name, const QString& text,
                       const QRect& twips)
{
    auto* e = place<HiddenBox>(parent, name, twips);
    e->setText(text);
    return e;
}

QPushButton* placeButton(QWidget* parent, const QString& name, const QRect& twips,
                         const QString& caption)
{
    auto* b = place<QPushButton>(parent, name, twips);
    b->setText(caption);
    return b;
}

ColorButton* placeColorButton(QWidget* parent, const QString& name, const QRect& twips,
                              const QString& caption, const QColor& back)
{
    auto* b = place<ColorButton>(parent, name, twips);
    b->setText(caption);
    b->setBackColor(back);
    return b;
}

QCheckBox* placeCheck(QWidget* parent, const QString& name, const QRect& twips,
                      const QString& caption, bool ticked, const QColor& back)
{
    auto* c = place<QCheckBox>(parent, name, twips);
    c->setText(caption);
    c->setChecked(ticked);
    if (back.isValid())
        setBackColor(c, back);
    return c;
}

QFrame* placeLine(QWidget* parent, const QString& name, int x1, int y, int x2, int width,
                  const QColor& color)
{
    auto* f = place<QFrame>(parent, name);
    const QRect r = twipsRect(x1, y, x2 - x1, 0);
    f->setGeometry(r.x(), r.y() - width / 2, r.width(), width);
    setBackColor(f, color);
    return f;
}

} // namespace zt
