#pragma once
// A multi-line text box that draws its text itself.  Writing it costs storing
// the text; the text is laid out only when it is drawn, and only the lines in
// view are drawn.  Text added at the end (appendText) lays out only what was
// added, so a box that grows all evening (the attempt detail) stays cheap.
// For boxes that are written at every spin, where a text document would lay
// the whole text out again at each write.
//
// Reading: the player selects part of the text as in any read-only text box
// (dragging, Shift with the arrows, Home, End, Page Up/Down, Ctrl+Home/End,
// a double click for a word, a triple click for a line, Ctrl+A), copies the
// selection (Ctrl+C, or the usual context menu) and moves the view with the
// same keys.  Text added at the end keeps the selection; a different text
// given whole drops it.
//
// Typing: a box made editable (setReadOnly(false)) has a text editor lying
// over it for as long as it stays editable; a box that takes typing on demand
// (setTypingOnDemand(true)) gets the editor at the first key that changes the
// text (or from its context menu), until the keyboard leaves it.  What is
// typed there is the box's text; the selection and the view pass between the
// box and its editor.

#include <QAbstractScrollArea>
#include <QClipboard>
#include <QHash>
#include <QPlainTextEdit>
#include <QPointer>
#include <QString>

#include <vector>

class QMenu;

namespace zt {

class LinesBox : public QAbstractScrollArea {
    Q_OBJECT
    Q_PROPERTY(QString plainText READ toPlainText WRITE setText)
public:
    explicit LinesBox(QWidget* parent = nullptr);

    // The text, lines ended by CR LF or LF; the view goes back to the first
    // line, as when a text box is given a new text.  The same text again
    // changes nothing.
    void setText(const QString& text);
    // Adds text at the end; the view and the selection stay where they are.
    void appendText(const QString& more);
    void clear() { setText(QString()); }
    // The text as last written or typed.
    const QString& text() const { return text_; }
    // The text as a text box gives it: lines separated by LF.
    QString toPlainText() const;

    // The selected text, lines separated by LF (empty: nothing selected).
    QString selectedText() const;
    // Selects text_[from, to); the keyboard's end of it is `to`.
    void select(qsizetype from, qsizetype to);
    void selectAll();

    // Long lines wrap at the blanks between words (a word wider than the box
    // anywhere); off, they run past the edge.
    void setWordWrap(bool wrap);
    // Editable: the player types into it.
    void setReadOnly(bool readOnly);
    bool isReadOnly() const { return readOnly_; }
    void setTypingOnDemand(bool onDemand) { typingOnDemand_ = onDemand; }
    // The editor while the player can type (what has the keyboard then).
    QPlainTextEdit* editor() const { return editor_; }

    // Lines the text takes at the box's width, wrapped or not.
    int lineCount() const;

    // The menu of a read-only text box ("Copia", "Seleziona tutto"), as its
    // context menu shows it.
    QMenu* createStandardContextMenu();

Q_SIGNALS:
    // The player changed the text.
    void textEdited();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int lineHeight() const;
    int wrapWidth() const;
    // Lays out the text from the start of its last line on (all of it when
    // nothing is laid out yet).
    void layOut() const;
    int wordWidth(QStringView word) const;
    // The text laid out again from its start.
    void relayOut();
    // Whole lines in view.
    int linesShown() const;
    void updateScrollRange();
    void openEditor();
    void closeEditor();

    // Positions in text_: between characters, never inside a CR LF or a
    // surrogate pair.
    qsizetype lineOf(qsizetype pos) const;
    qsizetype lineStart(qsizetype line) const;
    // Where the characters shown on a line end (before its line break).
    qsizetype lineEnd(qsizetype line) const;
    int advance(qsizetype from, qsizetype to) const;
    qsizetype positionAt(const QPoint& point) const;
    qsizetype positionInLine(qsizetype line, int x) const;
    qsizetype nextPosition(qsizetype pos) const;
    qsizetype previousPosition(qsizetype pos) const;
    qsizetype wordEnd(qsizetype pos) const;
    qsizetype wordStart(qsizetype pos) const;
    // Moves the keyboard's end of the selection (and its other end too,
    // unless keepAnchor), bringing it into view.
    void moveCursor(qsizetype pos, bool keepAnchor);
    // What the moving keys of a text box do.
    enum class Move {
        None,
        NextChar,
        PreviousChar,
        NextWord,
        PreviousWord,
        LineStart,
        LineEnd,
        TextStart,
        TextEnd,
        NextLine,
        PreviousLine,
        NextPage,
        PreviousPage
    };
    static Move moveOf(const QKeyEvent& key, bool* extend);
    // Where a move takes the keyboard's end of the selection (a page moves
    // the view too).
    qsizetype target(Move move, bool extend);
    void copySelection(QClipboard::Mode mode) const;
    // The selection in the editor's positions and back.
    qsizetype toEditor(qsizetype pos) const;
    qsizetype fromEditor(qsizetype pos) const;

    QString text_;
    bool wrap_ = false;
    bool readOnly_ = true;
    bool typingOnDemand_ = false;
    mutable int lineHeight_ = 0;
    // Where each drawn line starts in text_; text_ is laid out up to laidOut_.
    mutable std::vector<qsizetype> starts_;
    mutable qsizetype laidOut_ = 0;
    mutable int laidOutWidth_ = -1;
    mutable QHash<QString, int> wordWidths_;
    QPointer<QPlainTextEdit> editor_;
    bool writing_ = false; // the editor given text by the program, not typed

    // The selection: text_[min, max) of the two ends; cursor_ is the end the
    // keyboard and the mouse move.
    qsizetype anchor_ = 0;
    qsizetype cursor_ = 0;
    int wantedX_ = -1; // where Up and Down aim, kept while they repeat
    bool dragging_ = false;
    // The caret shows once the player reads the box with the mouse or the
    // keys, not where the focus merely lands when a window opens.
    bool caretShown_ = false;
    // The last double click, for a triple click.
    quint64 doubleClickTime_ = 0;
    QPoint doubleClickPoint_;
};

} // namespace zt
