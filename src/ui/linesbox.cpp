#include "ui/linesbox.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextLayout>
#include <QTimer>

#include <QtMath>

#include <limits>

namespace zt {

namespace {

// The margin around the text, as a text box leaves it.
constexpr int margin = 4;

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r';
}

} // namespace

LinesBox::LinesBox(QWidget* parent) : QAbstractScrollArea(parent)
{
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    verticalScrollBar()->setSingleStep(1);
}

void LinesBox::setText(const QString& text)
{
    if (editor_ && editor_->toPlainText() != text)
        editor_->setPlainText(text); // its change comes back through textChanged
    text_ = text;
    relayOut();
    verticalScrollBar()->setValue(0);
}

void LinesBox::appendText(const QString& more)
{
    if (more.isEmpty())
        return;
    if (editor_) {
        QTextCursor end(editor_->document());
        end.movePosition(QTextCursor::End);
        end.insertText(more);
    }
    text_ += more;
    // Only the last line is laid out again, with what follows it.
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
    if (editor_)
        editor_->setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    relayOut();
}

void LinesBox::setReadOnly(bool readOnly)
{
    readOnly_ = readOnly;
    if (readOnly)
        closeEditor();
    else
        openEditor();
}

void LinesBox::openEditor()
{
    if (editor_)
        return;
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
    editor->installEventFilter(this);
    connect(editor, &QPlainTextEdit::textChanged, this, [this, editor] {
        text_ = editor->toPlainText();
        relayOut();
        Q_EMIT textEdited();
    });
    editor_ = editor;
    editor->show();
    if (hasFocus())
        editor->setFocus();
}

void LinesBox::closeEditor()
{
    QPlainTextEdit* editor = editor_;
    if (!editor)
        return;
    editor_ = nullptr;
    const bool focused = editor->hasFocus();
    editor->removeEventFilter(this);
    editor->hide();
    editor->deleteLater();
    if (focused)
        setFocus();
    relayOut();
}

bool LinesBox::eventFilter(QObject* watched, QEvent* event)
{
    // Typing on demand ends when the keyboard leaves the editor.
    if (watched == editor_ && event->type() == QEvent::FocusOut && readOnly_)
        QTimer::singleShot(0, this, [this] {
            if (readOnly_ && editor_ && !editor_->hasFocus())
                closeEditor();
        });
    return QAbstractScrollArea::eventFilter(watched, event);
}

void LinesBox::focusInEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusInEvent(event);
    if (editor_) {
        editor_->setFocus();
    } else if (typingOnDemand_) {
        openEditor();
        editor_->setFocus();
    }
}

void LinesBox::mousePressEvent(QMouseEvent* event)
{
    if (typingOnDemand_ && !editor_) {
        openEditor();
        editor_->setFocus();
        return;
    }
    QAbstractScrollArea::mousePressEvent(event);
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

int LinesBox::wrapWidth() const
{
    return wrap_ ? qMax(1, viewport()->width() - margin) : std::numeric_limits<int>::max();
}

int LinesBox::wordWidth(QStringView word) const
{
    if (word.size() > 16)
        return fontMetrics().horizontalAdvance(word.toString());
    const QString key = word.toString();
    auto found = wordWidths_.constFind(key);
    if (found == wordWidths_.cend())
        found = wordWidths_.insert(key, fontMetrics().horizontalAdvance(key));
    return *found;
}

void LinesBox::relayOut()
{
    starts_.clear();
    laidOut_ = 0;
    viewport()->update();
}

void LinesBox::layOut() const
{
    const int width = wrapWidth();
    if (width != laidOutWidth_) {
        starts_.clear();
        laidOut_ = 0;
        laidOutWidth_ = width;
    }
    const qsizetype n = text_.size();
    if (!starts_.empty() && laidOut_ == n)
        return;
    // The last line may grow with what was added: it is laid out again.
    qsizetype i = 0;
    if (!starts_.empty()) {
        i = starts_.back();
        starts_.pop_back();
    }
    starts_.push_back(i);
    int used = 0; // width of the line so far, its blanks included
    while (i < n) {
        if (text_[i] == u'\n') {
            ++i;
            if (i < n)
                starts_.push_back(i);
            used = 0;
            continue;
        }
        qsizetype end = i; // the word
        while (end < n && !isBlank(text_[end]) && text_[end] != u'\n')
            ++end;
        qsizetype next = end; // and the blanks after it
        while (next < n && isBlank(text_[next]))
            ++next;
        const int word = end > i ? wordWidth(QStringView(text_).sliced(i, end - i)) : 0;
        if (used > 0 && used + word > width) { // the word starts the next line
            starts_.push_back(i);
            used = 0;
        }
        if (used == 0 && word > width) { // wider than the box: cut anywhere
            for (qsizetype c = i; c < end; ++c) {
                const int w = fontMetrics().horizontalAdvance(text_[c]);
                if (used > 0 && used + w > width) {
                    starts_.push_back(c);
                    used = 0;
                }
                used += w;
            }
        } else {
            used += word;
        }
        if (next > end)
            used += wordWidth(QStringView(text_).sliced(end, next - end));
        i = next;
    }
    laidOut_ = n;
}

int LinesBox::lineCount() const
{
    layOut();
    return int(starts_.size());
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
    updateScrollRange();
}

void LinesBox::changeEvent(QEvent* event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        lineHeight_ = 0;
        wordWidths_.clear();
        if (editor_)
            editor_->setFont(font());
        relayOut();
        updateScrollRange();
    } else if (event->type() == QEvent::PaletteChange && editor_) {
        editor_->setPalette(palette());
    }
}

void LinesBox::paintEvent(QPaintEvent* event)
{
    updateScrollRange(); // lays out what changed since the last drawing
    QPainter p(viewport());
    p.setFont(font());
    p.setPen(palette().color(QPalette::Text));
    const int height = lineHeight();
    const int ascent = fontMetrics().ascent();
    const QRect area = event->rect();
    const qsizetype lines = qsizetype(starts_.size());
    const qsizetype first = verticalScrollBar()->value();
    int y = margin;
    for (qsizetype k = first; k < lines && y < area.bottom(); ++k, y += height) {
        if (y + height <= area.top())
            continue;
        const qsizetype from = starts_[size_t(k)];
        qsizetype to = k + 1 < lines ? starts_[size_t(k + 1)] : text_.size();
        while (to > from && (text_[to - 1] == u'\n' || text_[to - 1] == u'\r'))
            --to;
        p.drawText(margin, y + ascent, QStringView(text_).sliced(from, to - from).toString());
    }
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
