#include "ui/linesbox.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextLayout>

#include <QtMath>

namespace zt {

namespace {

// The margin around the text, as a text box leaves it.
constexpr int margin = 4;

// Calls f(line) for each line of text (without its CR LF or LF).
template <class F> void forEachLine(const QString& text, F&& f)
{
    for (qsizetype from = 0; from < text.size();) {
        qsizetype end = text.indexOf(u'\n', from);
        if (end < 0)
            end = text.size();
        qsizetype len = end - from;
        if (len > 0 && text[from + len - 1] == u'\r')
            --len;
        if (!f(QStringView(text).sliced(from, len)))
            return;
        from = end + 1;
    }
}

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
    if (editor_) {
        if (editor_->toPlainText() != text)
            editor_->setPlainText(text); // its change comes back through textChanged
        text_ = text;
        return;
    }
    text_ = text;
    lines_ = -1; // counted again when drawn
    verticalScrollBar()->setValue(0);
    viewport()->update();
}

QString LinesBox::toPlainText() const
{
    QString plain = text_;
    plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return plain;
}

void LinesBox::setWordWrap(bool wrap)
{
    wrap_ = wrap;
    lines_ = -1;
    if (editor_)
        editor_->setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    updateScrollRange();
    viewport()->update();
}

void LinesBox::setReadOnly(bool readOnly)
{
    if (readOnly == isReadOnly())
        return;
    if (readOnly) {
        QPlainTextEdit* editor = editor_;
        editor_ = nullptr;
        const bool focused = editor->hasFocus();
        delete editor;
        if (focused)
            setFocus();
        lines_ = -1;
        updateScrollRange();
        viewport()->update();
        return;
    }
    auto* editor = new QPlainTextEdit(this);
    editor->setObjectName(objectName() + QStringLiteral("_editor"));
    editor->setAccessibleName(accessibleName());
    editor->setFrameShape(frameShape());
    editor->setFont(font());
    editor->setPalette(palette());
    editor->setVerticalScrollBarPolicy(verticalScrollBarPolicy());
    editor->setLineWrapMode(wrap_ ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    editor->setPlainText(text_);
    editor->setGeometry(rect());
    connect(editor, &QPlainTextEdit::textChanged, this, [this, editor] {
        text_ = editor->toPlainText();
        Q_EMIT textEdited();
    });
    editor_ = editor;
    editor->show();
    if (hasFocus())
        editor->setFocus();
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

int LinesBox::lineCount() const
{
    if (lines_ >= 0)
        return lines_;
    const int width = viewport()->width() - 2 * margin;
    int lines = 0;
    forEachLine(text_, [&](QStringView line) {
        if (wrap_ && fontMetrics().horizontalAdvance(line.toString()) > width) {
            QTextLayout layout(line.toString(), font());
            QTextOption option;
            option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
            layout.setTextOption(option);
            layout.beginLayout();
            for (QTextLine l = layout.createLine(); l.isValid(); l = layout.createLine()) {
                l.setLineWidth(width);
                ++lines;
            }
            layout.endLayout();
        } else {
            ++lines;
        }
        return true;
    });
    lines_ = lines;
    return lines_;
}

void LinesBox::updateScrollRange()
{
    const int shown = qMax(1, (viewport()->height() - 2 * margin) / lineHeight());
    verticalScrollBar()->setPageStep(shown);
    verticalScrollBar()->setRange(0, qMax(0, lineCount() - shown));
}

void LinesBox::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    if (editor_)
        editor_->setGeometry(rect());
    lines_ = -1;
    updateScrollRange();
}

void LinesBox::changeEvent(QEvent* event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        lineHeight_ = 0;
        lines_ = -1;
        if (editor_)
            editor_->setFont(font());
        updateScrollRange();
    } else if (event->type() == QEvent::PaletteChange && editor_) {
        editor_->setPalette(palette());
    }
}

void LinesBox::paintEvent(QPaintEvent* event)
{
    if (lines_ < 0)
        updateScrollRange(); // the text changed since it was last drawn
    QPainter p(viewport());
    p.setFont(font());
    p.setPen(palette().color(QPalette::Text));
    const int height = lineHeight();
    const int width = viewport()->width() - 2 * margin;
    const QRect area = event->rect();
    int y = margin - verticalScrollBar()->value() * height;
    forEachLine(text_, [&](QStringView line) {
        if (y >= area.bottom())
            return false;
        const QString shown = line.toString();
        if (wrap_ && fontMetrics().horizontalAdvance(shown) > width) {
            QTextLayout layout(shown, font());
            QTextOption option;
            option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
            layout.setTextOption(option);
            layout.beginLayout();
            for (QTextLine l = layout.createLine(); l.isValid(); l = layout.createLine()) {
                l.setLineWidth(width);
                l.setPosition(QPointF(0, 0));
                if (y + height > area.top())
                    l.draw(&p, QPointF(margin, y));
                y += height;
            }
            layout.endLayout();
        } else {
            if (y + height > area.top())
                p.drawText(margin, y + fontMetrics().ascent(), shown);
            y += height;
        }
        return true;
    });
}

void LinesBox::copyAll() const
{
    QGuiApplication::clipboard()->setText(toPlainText());
}

void LinesBox::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy)) {
        copyAll();
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void LinesBox::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    menu.addAction(QStringLiteral("Copia"), this, [this] { copyAll(); });
    menu.exec(event->globalPos());
}

} // namespace zt
