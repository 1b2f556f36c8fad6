#pragma once
// A read-only multi-line text box that draws its lines itself.  Writing it
// costs storing the text and counting its lines; the lines are laid out only
// when they are drawn, and only those in view.  For a box that is rewritten at
// every spin (the history box), where a text document would lay the whole
// text out again at each write.

#include <QAbstractScrollArea>
#include <QString>

namespace zt {

class LinesBox : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit LinesBox(QWidget* parent = nullptr);

    // The text, lines ended by CR LF or LF; the view goes back to the first
    // line, as when a text box is given a new text.
    void setText(const QString& text);
    // The text as last written.
    const QString& text() const { return text_; }
    // The text as a text box gives it: lines separated by LF.
    QString toPlainText() const;
    int lineCount() const { return lines_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    int lineHeight() const;
    void updateScrollRange();

    QString text_;
    int lines_ = 0;
    mutable int lineHeight_ = 0;
};

} // namespace zt
