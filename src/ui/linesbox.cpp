#include "ui/linesbox.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QTextLayout>

#include <QtMath>

namespace zt {

namespace {

// The margin around the text, as a text box leaves it.
constexpr int margin = 4;

} // namespace

LinesBox::LinesBox(QWidget* parent) : QAbstractScrollArea(parent)
{
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    setFocusPolicy(Qt::ClickFocus);
    verticalScrollBar()->setSingleStep(1);
}

void LinesBox::setText(const QString& text)
{
    text_ = text;
    int lines = int(text_.count(u'\n'));
    if (!text_.isEmpty() && !text_.endsWith(u'\n'))
        ++lines;
    if (lines != lines_) {
        lines_ = lines;
        updateScrollRange();
    }
    verticalScrollBar()->setValue(0);
    viewport()->update();
}

QString LinesBox::toPlainText() const
{
    QString plain = text_;
    plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return plain;
}

int LinesBox::lineHeight() const
{
    if (lineHeight_ <= 0) {
        // The height a text box gives a line of this font.
        QTextLayout layout(QStringLiteral("0"), font());
        layout.beginLayout();
        const QTextLine line = layout.createLine();
        layout.endLayout();
        lineHeight_ = qMax(1, qCeil(line.height()));
    }
    return lineHeight_;
}

void LinesBox::updateScrollRange()
{
    const int shown = qMax(1, (viewport()->height() - 2 * margin) / lineHeight());
    verticalScrollBar()->setPageStep(shown);
    verticalScrollBar()->setRange(0, qMax(0, lines_ - shown));
}

void LinesBox::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRange();
}

void LinesBox::changeEvent(QEvent* event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        lineHeight_ = 0;
        updateScrollRange();
    }
}

void LinesBox::paintEvent(QPaintEvent* event)
{
    QPainter p(viewport());
    p.setFont(font());
    p.setPen(palette().color(QPalette::Text));
    const int height = lineHeight();
    const int ascent = fontMetrics().ascent();
    const QRect area = event->rect();
    int line = 0;
    int y = margin - verticalScrollBar()->value() * height;
    for (qsizetype from = 0; from < text_.size() && y < area.bottom(); ++line) {
        qsizetype end = text_.indexOf(u'\n', from);
        if (end < 0)
            end = text_.size();
        if (y + height > area.top()) {
            qsizetype len = end - from;
            if (len > 0 && text_[from + len - 1] == u'\r')
                --len;
            p.drawText(margin, y + ascent, QStringView(text_).sliced(from, len).toString());
        }
        y += height;
        from = end + 1;
    }
}

void LinesBox::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy)) {
        QGuiApplication::clipboard()->setText(toPlainText());
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void LinesBox::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    menu.addAction(QStringLiteral("Copia"), this,
                   [this] { QGuiApplication::clipboard()->setText(toPlainText()); });
    menu.exec(event->globalPos());
}

} // namespace zt
