#include "app/sharedwindow.h"

#include <QCloseEvent>

#include <unordered_map>

namespace zt {

namespace {
std::unordered_map<std::type_index, QPointer<QWidget>>& registry()
{
    static std::unordered_map<std::type_index, QPointer<QWidget>> windows;
    return windows;
}
} // namespace

QPointer<QWidget>& detail::sharedSlot(std::type_index type)
{
    return registry()[type];
}

SharedWindow::SharedWindow(QWidget* parent) : QWidget(parent, Qt::Window) {}

void SharedWindow::closeEvent(QCloseEvent* event)
{
    aboutToUnload();
    event->accept();
    detachSharedWindow(this);
    deleteLater();
}

void detachSharedWindow(QWidget* window)
{
    for (auto& [type, slot] : registry()) {
        if (slot == window)
            slot = nullptr;
    }
}

void destroySharedWindows()
{
    for (auto& [type, slot] : registry()) {
        delete slot.data();
        slot = nullptr;
    }
}

} // namespace zt
