#pragma once
// Reading another window's controls by name, the way windows talk to each other.
// Elements of a control array are named "<array>_<index>" (Command9_5, note_0).

#include "ui/look.h"

#include <QLabel>
#include <QString>
#include <QTextDocument>
#include <QVariant>
#include <QWidget>

namespace zt {

// The control of the given objectName inside window; aborts in debug builds
// when it does not exist (a programming error, never a user error).
template <class T>
T* control(const QWidget* window, const QString& name)
{
    T* c = window->findChild<T*>(name);
    if (!c)
        qFatal("no control %s of that kind in %s", qPrintable(name),
               qPrintable(window->objectName()));
    return c;
}

template <class T>
T* control(const QWidget* window, const char* array, int index)
{
    return control<T>(window, arrayName(array, index));
}

// The text of a text box of either kind, a box shown to the player or a
// hidden one, read through its text property as the program's handlers read it.
inline QString boxText(const QWidget* window, const QString& name)
{
    return control<QWidget>(window, name)->property("text").toString();
}

// What a label shows, as the player reads it: its text laid out as rich
// text when the label takes it so.
inline QString shownText(const QLabel* label)
{
    const QString text = label->text();
    if (label->textFormat() == Qt::PlainText ||
        (label->textFormat() == Qt::AutoText && !Qt::mightBeRichText(text)))
        return text;
    QTextDocument document;
    document.setHtml(text);
    return document.toPlainText();
}

} // namespace zt
