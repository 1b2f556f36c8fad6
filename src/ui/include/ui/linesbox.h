#pragma once
// A multi-line text box that draws its text itself.  Writing it costs storing
// the text; the text is laid out only when it is drawn, and only the lines in
// view.  For boxes that are rewritten at every spin (the history box, the
// proposal), where a text document would lay the whole text out again at
// each write.
//
// It is read-only unless made editable: then a text editor lies over it for
// as long as it stays editable, and what is typed there is the box's text.

#include <QAbstractScrollArea>
#include <QPointer>
#include <QString>

#include <QPlainTextEdit>

namespace zt {

class LinesBox : public QAbstractScrollArea {
    Q_OBJECT
    Q_PROPERTY(QString plainText READ toPlainText WRITE setText)
public:
    explicit LinesBox(QWidget* parent = nullptr);

    // The text, lines ended by CR LF or LF; the view goes back to the first
    // line, as when a text box is given a new text.
    void setText(const QString& text);
    void clear() { setText(QString()); }
    // The text as last written or typed.
    const QString& text() const { return text_; }
    // The text as a text box gives it: lines separated by LF.
    QString toPlainText() const;

    // Long lines wrap at word boundaries (off: they run past the edge).
    void setWordWrap(bool wrap);
    // Editable: the player types into it.
    void setReadOnly(bool readOnly);
    bool isReadOnly() const { return !editor_; }
    // The editor while the box is editable (what has the keyboard then).
    QPlainTextEdit* editor() const { return editor_; }

Q_SIGNALS:
    // The player changed the text (only while editable).
    void textEdited();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    int lineHeight() const;
    // Lines the text takes, wrapped or not, at the viewport's width.
    int lineCount() const;
    void updateScrollRange();
    void copyAll() const;

    QString text_;
    bool wrap_ = false;
    mutable int lineHeight_ = 0;
    mutable int lines_ = -1;
    QPointer<QPlainTextEdit> editor_;
};

} // namespace zt
