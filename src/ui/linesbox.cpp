#include "ui/linesbox.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QStyleHints>
#include <QTextCursor>
#include <QTextLayout>
#include <QTimer>

#include <QtMath>

#include <algorithm>
#include <limits>

namespace zt {

namespace {

// The margin around the text, as a text box leaves it.
constexpr int margin = 4;

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r';
}

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c.isMark() || c == u'_';
}

// A key that changes the text of a text box.
bool isEditingKey(const QKeyEvent& key)
{
    for (QKeySequence::StandardKey k :
         {QKeySequence::Paste, QKeySequence::Cut, QKeySequence::Undo, QKeySequence::Redo,
          QKeySequence::Delete, QKeySequence::DeleteStartOfWord, QKeySequence::DeleteEndOfWord,
          QKeySequence::InsertParagraphSeparator}) {
        if (key.matches(k))
            return true;
    }
    if (key.key() == Qt::Key_Backspace)
        return true;
    const QString text = key.text();
    return !text.isEmpty() && text.front().isPrint() &&
           !(key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

// The context menu's entries, in the words of Qt's own text boxes (and so in
// the language of its translations).
QString standardEntry(const char* text, QKeySequence::StandardKey key)
{
    return QCoreApplication::translate("QWidgetTextControl", text) + u'\t' +
           QKeySequence(key).toString(QKeySequence::NativeText);
}

} // namespace

LinesBox::LinesBox(QWidget* parent) : QAbstractScrollArea(parent)
{
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    viewport()->setCursor(Qt::IBeamCursor);
    setFocusPolicy(Qt::StrongFocus);
    verticalScrollBar()->setSingleStep(1);
}

void LinesBox::setText(const QString& text)
{
    if (text == text_)
        return;
    if (editor_ && editor_->toPlainText() != text) {
        writing_ = true;
        editor_->setPlainText(text);
        writing_ = false;
    }
    text_ = text;
    anchor_ = cursor_ = 0; // a new text, a new selection
    relayOut();
    verticalScrollBar()->setValue(0);
}

void LinesBox::appendText(const QString& more)
{
    if (more.isEmpty())
        return;
    if (editor_) {
        // What the player selected in the editor stays selected.
        QTextCursor selection = editor_->textCursor();
        const int anchor = selection.anchor(), position = selection.position();
        QTextCursor end(editor_->document());
        end.movePosition(QTextCursor::End);
        writing_ = true;
        end.insertText(more);
        writing_ = false;
        if (selection.anchor() != anchor || selection.position() != position) {
            selection.setPosition(anchor);
            selection.setPosition(position, QTextCursor::KeepAnchor);
            editor_->setTextCursor(selection);
        }
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

QString LinesBox::selectedText() const
{
    const qsizetype from = std::min(anchor_, cursor_);
    QString selected = text_.sliced(from, std::max(anchor_, cursor_) - from);
    selected.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return selected;
}

void LinesBox::select(qsizetype from, qsizetype to)
{
    anchor_ = std::clamp<qsizetype>(from, 0, text_.size());
    moveCursor(std::clamp<qsizetype>(to, 0, text_.size()), true);
}

void LinesBox::selectAll()
{
    select(0, text_.size());
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
    // The player goes on where he was.
    QTextCursor selection(editor->document());
    selection.setPosition(int(toEditor(anchor_)));
    selection.setPosition(int(toEditor(cursor_)), QTextCursor::KeepAnchor);
    editor->setTextCursor(selection);
    editor->installEventFilter(this);
    connect(editor, &QPlainTextEdit::textChanged, this, [this, editor] {
        if (writing_)
            return;
        text_ = editor->toPlainText();
        relayOut();
        Q_EMIT textEdited();
    });
    editor_ = editor;
    editor->show();
    editor->verticalScrollBar()->setValue(verticalScrollBar()->value());
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
    const QTextCursor selection = editor->textCursor();
    const int firstLine = editor->verticalScrollBar()->value();
    editor->removeEventFilter(this);
    editor->hide();
    editor->deleteLater();
    if (focused)
        setFocus();
    relayOut();
    anchor_ = fromEditor(selection.anchor());
    cursor_ = fromEditor(selection.position());
    updateScrollRange();
    verticalScrollBar()->setValue(firstLine);
}

qsizetype LinesBox::toEditor(qsizetype pos) const
{
    // The editor holds each CR LF as one line break.
    qsizetype pairs = 0;
    for (qsizetype i = 1; i < pos; ++i)
        pairs += text_[i] == u'\n' && text_[i - 1] == u'\r';
    return pos - pairs;
}

qsizetype LinesBox::fromEditor(qsizetype pos) const
{
    qsizetype i = 0;
    for (qsizetype seen = 0; seen < pos && i < text_.size(); ++seen)
        i += text_[i] == u'\r' && i + 1 < text_.size() && text_[i + 1] == u'\n' ? 2 : 1;
    return i;
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
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        caretShown_ = true;
    if (editor_)
        editor_->setFocus();
    viewport()->update(); // the caret, and the selection in its active colours
}

void LinesBox::focusOutEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusOutEvent(event);
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        caretShown_ = false;
    viewport()->update();
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

int LinesBox::linesShown() const
{
    // Whole lines below the top margin; the bottom one may touch the edge.
    return qMax(1, (viewport()->height() - margin) / lineHeight());
}

void LinesBox::updateScrollRange()
{
    const int shown = linesShown();
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

// --- Positions --------------------------------------------------------------

qsizetype LinesBox::lineOf(qsizetype pos) const
{
    layOut();
    const auto after = std::upper_bound(starts_.cbegin(), starts_.cend(), pos);
    return std::max<qsizetype>(0, after - starts_.cbegin() - 1);
}

qsizetype LinesBox::lineStart(qsizetype line) const
{
    return starts_[size_t(line)];
}

qsizetype LinesBox::lineEnd(qsizetype line) const
{
    const qsizetype from = lineStart(line);
    qsizetype to = line + 1 < qsizetype(starts_.size()) ? starts_[size_t(line + 1)] : text_.size();
    while (to > from && (text_[to - 1] == u'\n' || text_[to - 1] == u'\r'))
        --to;
    return to;
}

int LinesBox::advance(qsizetype from, qsizetype to) const
{
    return to > from ? fontMetrics().horizontalAdvance(text_.sliced(from, to - from)) : 0;
}

qsizetype LinesBox::nextPosition(qsizetype pos) const
{
    const qsizetype n = text_.size();
    if (pos >= n)
        return n;
    const bool pair =
        pos + 1 < n && ((text_[pos] == u'\r' && text_[pos + 1] == u'\n') ||
                        (text_[pos].isHighSurrogate() && text_[pos + 1].isLowSurrogate()));
    return pos + (pair ? 2 : 1);
}

qsizetype LinesBox::previousPosition(qsizetype pos) const
{
    if (pos <= 0)
        return 0;
    const bool pair =
        pos >= 2 && ((text_[pos - 2] == u'\r' && text_[pos - 1] == u'\n') ||
                     (text_[pos - 2].isHighSurrogate() && text_[pos - 1].isLowSurrogate()));
    return pos - (pair ? 2 : 1);
}

qsizetype LinesBox::wordEnd(qsizetype pos) const
{
    // From inside a word or before it: past the word and the blanks after it.
    const qsizetype n = text_.size();
    while (pos < n && isWordChar(text_[pos]))
        pos = nextPosition(pos);
    while (pos < n && !isWordChar(text_[pos]))
        pos = nextPosition(pos);
    return pos;
}

qsizetype LinesBox::wordStart(qsizetype pos) const
{
    while (pos > 0 && !isWordChar(text_[pos - 1]))
        pos = previousPosition(pos);
    while (pos > 0 && isWordChar(text_[pos - 1]))
        pos = previousPosition(pos);
    return pos;
}

qsizetype LinesBox::positionInLine(qsizetype line, int x) const
{
    const qsizetype from = lineStart(line);
    qsizetype to = lineEnd(line);
    // A wrapped line ends before the blank it wrapped at, so that its end
    // is not the start of the next line.
    if (line + 1 < qsizetype(starts_.size()) && starts_[size_t(line + 1)] == to && to > from)
        to = previousPosition(to);
    int left = 0;
    for (qsizetype pos = from; pos < to;) {
        const qsizetype next = nextPosition(pos);
        const int right = advance(from, next);
        if (x < margin + (left + right) / 2)
            return pos;
        left = right;
        pos = next;
    }
    return to;
}

qsizetype LinesBox::positionAt(const QPoint& point) const
{
    const qsizetype lines = lineCount(); // an empty text is one empty line
    int row = qFloor(double(point.y() - margin) / lineHeight());
    if (point.y() < viewport()->height()) // below the last whole line: on it
        row = std::min(row, linesShown() - 1);
    const qsizetype line = std::clamp<qsizetype>(verticalScrollBar()->value() + row, 0, lines - 1);
    return positionInLine(line, point.x());
}

void LinesBox::moveCursor(qsizetype pos, bool keepAnchor)
{
    cursor_ = pos;
    if (!keepAnchor)
        anchor_ = pos;
    caretShown_ = true;
    updateScrollRange();
    const int line = int(lineOf(pos));
    const int first = verticalScrollBar()->value();
    if (line < first)
        verticalScrollBar()->setValue(line);
    else if (line >= first + linesShown())
        verticalScrollBar()->setValue(line - linesShown() + 1);
    viewport()->update();
}

LinesBox::Move LinesBox::moveOf(const QKeyEvent& key, bool* extend)
{
    using K = QKeySequence;
    struct KeyMove {
        K::StandardKey move, select;
        Move what;
    };
    static constexpr KeyMove moves[] = {
        {K::MoveToNextChar, K::SelectNextChar, Move::NextChar},
        {K::MoveToPreviousChar, K::SelectPreviousChar, Move::PreviousChar},
        {K::MoveToNextWord, K::SelectNextWord, Move::NextWord},
        {K::MoveToPreviousWord, K::SelectPreviousWord, Move::PreviousWord},
        {K::MoveToStartOfLine, K::SelectStartOfLine, Move::LineStart},
        {K::MoveToEndOfLine, K::SelectEndOfLine, Move::LineEnd},
        {K::MoveToStartOfDocument, K::SelectStartOfDocument, Move::TextStart},
        {K::MoveToEndOfDocument, K::SelectEndOfDocument, Move::TextEnd},
        {K::MoveToNextLine, K::SelectNextLine, Move::NextLine},
        {K::MoveToPreviousLine, K::SelectPreviousLine, Move::PreviousLine},
        {K::MoveToNextPage, K::SelectNextPage, Move::NextPage},
        {K::MoveToPreviousPage, K::SelectPreviousPage, Move::PreviousPage},
    };
    for (const KeyMove& m : moves) {
        *extend = key.matches(m.select);
        if (*extend || key.matches(m.move))
            return m.what;
    }
    return Move::None;
}

qsizetype LinesBox::target(Move move, bool extend)
{
    const qsizetype lines = lineCount();
    const qsizetype line = lineOf(cursor_);
    const qsizetype from = std::min(anchor_, cursor_);
    const qsizetype to = std::max(anchor_, cursor_);
    // Up, Down and the pages aim at the same place on every line they pass.
    const bool vertical = move == Move::NextLine || move == Move::PreviousLine ||
                          move == Move::NextPage || move == Move::PreviousPage;
    if (!vertical)
        wantedX_ = -1;
    else if (wantedX_ < 0)
        wantedX_ = margin + advance(lineStart(line), std::min(cursor_, lineEnd(line)));
    const auto onLine = [&](qsizetype other) {
        return positionInLine(std::clamp<qsizetype>(other, 0, lines - 1), wantedX_);
    };
    const int page = linesShown();
    QScrollBar* bar = verticalScrollBar();
    switch (move) {
    case Move::None:
        break;
    case Move::NextChar: // a selection is left at its end
        return !extend && from != to ? to : nextPosition(cursor_);
    case Move::PreviousChar:
        return !extend && from != to ? from : previousPosition(cursor_);
    case Move::NextWord:
        return wordEnd(cursor_);
    case Move::PreviousWord:
        return wordStart(cursor_);
    case Move::LineStart:
        return lineStart(line);
    case Move::LineEnd:
        return positionInLine(line, std::numeric_limits<int>::max());
    case Move::TextStart:
        return 0;
    case Move::TextEnd:
        return text_.size();
    case Move::NextLine:
        return line + 1 < lines ? onLine(line + 1) : text_.size();
    case Move::PreviousLine:
        return line > 0 ? onLine(line - 1) : 0;
    case Move::NextPage:
        bar->setValue(bar->value() + page);
        return line + 1 < lines ? onLine(line + page) : text_.size();
    case Move::PreviousPage:
        bar->setValue(bar->value() - page);
        return line > 0 ? onLine(line - page) : 0;
    }
    return cursor_;
}

// --- Drawing ------------------------------------------------------------------

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
    const qsizetype selFrom = std::min(anchor_, cursor_);
    const qsizetype selTo = std::max(anchor_, cursor_);
    const qsizetype caretLine = caretShown_ && hasFocus() && !editor_ ? lineOf(cursor_) : -1;
    const QPalette::ColorGroup group = hasFocus() ? QPalette::Active : QPalette::Inactive;
    // Whole lines only: the last one in view is never shown cut.
    const qsizetype last = std::min(lines, first + linesShown());
    int y = margin;
    for (qsizetype k = first; k < last && y < area.bottom(); ++k, y += height) {
        if (y + height <= area.top())
            continue;
        const qsizetype from = starts_[size_t(k)];
        const qsizetype to = lineEnd(k);
        const QString shown = text_.sliced(from, to - from);
        p.drawText(margin, y + ascent, shown);
        // The selected part again, in the selection's colours; a selected
        // line break shows as a blank's width.
        const qsizetype next = k + 1 < lines ? starts_[size_t(k + 1)] : text_.size();
        const bool breakSelected = next > to && selFrom <= to && selTo > to;
        if ((selFrom < to && selTo > from) || breakSelected) {
            const int left = margin + advance(from, std::max(selFrom, from));
            const int right = margin + advance(from, std::min(selTo, to)) +
                              (breakSelected ? fontMetrics().horizontalAdvance(u' ') : 0);
            const QRect band(left, y, right - left, height);
            p.fillRect(band, palette().brush(group, QPalette::Highlight));
            p.save();
            p.setClipRect(band);
            p.setPen(palette().color(group, QPalette::HighlightedText));
            p.drawText(margin, y + ascent, shown);
            p.restore();
        }
        if (k == caretLine)
            p.fillRect(QRect(margin + advance(from, std::min(cursor_, to)), y, 1, height),
                       palette().color(QPalette::Text));
    }
}

// --- The player's keys and mouse -------------------------------------------

void LinesBox::keyPressEvent(QKeyEvent* event)
{
    bool extend = false;
    if (event->matches(QKeySequence::Copy)) {
        copySelection(QClipboard::Clipboard);
    } else if (event->matches(QKeySequence::SelectAll)) {
        selectAll();
    } else if (const Move move = moveOf(*event, &extend); move != Move::None) {
        moveCursor(target(move, extend), extend);
    } else if (typingOnDemand_ && isEditingKey(*event)) {
        openEditor();
        editor_->setFocus();
        QCoreApplication::sendEvent(editor_, event);
    } else {
        QAbstractScrollArea::keyPressEvent(event);
    }
}

void LinesBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    wantedX_ = -1;
    const qsizetype pos = positionAt(event->position().toPoint());
    const bool triple =
        event->timestamp() - doubleClickTime_ < quint64(QApplication::doubleClickInterval()) &&
        (event->position().toPoint() - doubleClickPoint_).manhattanLength() <
            QApplication::startDragDistance();
    doubleClickTime_ = 0;
    if (triple) { // the whole line, its line break included
        const qsizetype start = pos > 0 ? text_.lastIndexOf(u'\n', pos - 1) : -1;
        const qsizetype end = text_.indexOf(u'\n', pos);
        select(start + 1, end < 0 ? text_.size() : end + 1);
        return;
    }
    dragging_ = true;
    moveCursor(pos, event->modifiers().testFlag(Qt::ShiftModifier));
}

void LinesBox::mouseMoveEvent(QMouseEvent* event)
{
    if (!dragging_) {
        QAbstractScrollArea::mouseMoveEvent(event);
        return;
    }
    // Dragged past the top or the bottom, the text comes along a line at a time.
    QPoint at = event->position().toPoint();
    if (at.y() < 0)
        at.setY(margin - lineHeight());
    else if (at.y() >= viewport()->height()) // the line under the last whole one
        at.setY(std::max(viewport()->height(), margin + linesShown() * lineHeight()));
    moveCursor(positionAt(at), true);
}

void LinesBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (dragging_ && event->button() == Qt::LeftButton) {
        dragging_ = false;
        copySelection(QClipboard::Selection);
        return;
    }
    QAbstractScrollArea::mouseReleaseEvent(event);
}

void LinesBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mouseDoubleClickEvent(event);
        return;
    }
    doubleClickTime_ = event->timestamp();
    doubleClickPoint_ = event->position().toPoint();
    const qsizetype pos = positionAt(doubleClickPoint_);
    const qsizetype n = text_.size();
    qsizetype from = pos, to = pos;
    while (from > 0 && isWordChar(text_[from - 1]))
        from = previousPosition(from);
    while (to < n && isWordChar(text_[to]))
        to = nextPosition(to);
    select(from, to);
    copySelection(QClipboard::Selection);
}

void LinesBox::copySelection(QClipboard::Mode mode) const
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (anchor_ != cursor_ && (mode == QClipboard::Clipboard || clipboard->supportsSelection()))
        clipboard->setText(selectedText(), mode);
}

QMenu* LinesBox::createStandardContextMenu()
{
    auto* menu = new QMenu(this);
    QAction* copy = menu->addAction(standardEntry("&Copy", QKeySequence::Copy), this,
                                    [this] { copySelection(QClipboard::Clipboard); });
    copy->setEnabled(anchor_ != cursor_);
    menu->addSeparator();
    QAction* all = menu->addAction(standardEntry("Select All", QKeySequence::SelectAll), this,
                                   &LinesBox::selectAll);
    all->setEnabled(!text_.isEmpty());
    return menu;
}

void LinesBox::contextMenuEvent(QContextMenuEvent* event)
{
    if (typingOnDemand_) { // the editor's own menu, with what it edits
        openEditor();
        editor_->setFocus();
        QContextMenuEvent again(event->reason(), event->pos(), event->globalPos(),
                                event->modifiers());
        QCoreApplication::sendEvent(editor_->viewport(), &again);
        return;
    }
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

} // namespace zt
