#pragma once
// Reading another window's controls by name, the way windows talk to each other.
// Elements of a control array are named "<array>_<index>" (Command9_5, note_0).

#include "ui/look.h"

#include <QString>
#include <QWidget>

namespace zt {

// The control of the given objectName inside window; aborts in debug builds
// when it does not exist (a programming error, never a user error).
template <class T>
T* control(const QWidget* window, const QString& name)
{
    T* c = window->findChild<T*>(name);
    Q_ASSERT_X(c, "zt::control", qPrintable(name));
    return c;
}

template <class T>
T* control(const QWidget* window, const char* array, int index)
{
    return control<T>(window, arrayName(array, index));
}

} // namespace zt
