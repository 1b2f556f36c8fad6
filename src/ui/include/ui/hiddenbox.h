#pragma once
// A hidden text box: a named value that handlers and other windows read and
// write, never shown.  Writing a different text emits textChanged at once,
// inside the write, as a text box does; nothing is laid out, so a box
// written at every spin (a bridge, a bound field of a recorded row) costs
// little more than storing its text.

#include <QString>
#include <QWidget>

namespace zt {

class HiddenBox : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText NOTIFY textChanged)
public:
    explicit HiddenBox(QWidget* parent = nullptr);

    const QString& text() const { return text_; }
    void setText(const QString& text);
    void clear() { setText(QString()); }

Q_SIGNALS:
    void textChanged(const QString& text);

private:
    QString text_;
};

} // namespace zt
