#pragma once
// A multi-line text box that draws its text itself.  Writing it costs storing
// the text; the text is laid out only when it is drawn, and only the lines in
// view are drawn.  Text added at the end (appendText) lays out only what was
// added, so a box that grows all evening (the attempt detail) stays cheap.
// For boxes that are written at every spin, where a text document would lay
// the whole text out again at each write.
//
// Typing: a box made editable (setReadOnly(false)) has a text editor lying
// over it for as long as it stays editable; a box that takes typing on demand
// (setTypingOnDemand(true)) gets the editor when the player clicks into it or
// moves the keyboard to it, until the keyboard leaves it.  What is typed
// there is the box's text.

#include <QAbstractScrollArea>
#include <QHash>
#include <QPlainTextEdit>
#include <QPointer>
#include <QString>

#include <vector>

namespace zt {

class LinesBox : public QAbstractScrollArea {
    Q_OBJECT
    Q_PROPERTY(QString plainText READ toPlainText WRITE setText)
public:
    explicit LinesBox(QWidget* parent = nullptr);

    // The text, lines ended by CR LF or LF; the view goes back to the first
    // line, as when a text box is given a new text.
    void setText(const QString& text);
    // Adds text at the end; the view stays where it is.
    void appendText(const QString& more);
    void clear() { setText(QString()); }
    // The text as last written or typed.
    const QString& text() const { return text_; }
    // The text as a text box gives it: lines separated by LF.
    QString toPlainText() const;

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

Q_SIGNALS:
    // The player changed the text.
    void textEdited();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
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
    void updateScrollRange();
    void openEditor();
    void closeEditor();
    void copyAll() const;

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
};

} // namespace zt
