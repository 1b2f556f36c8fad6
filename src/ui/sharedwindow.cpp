#include "ui/sharedwindow.h"

#include <QCloseEvent>

namespace zt {

SharedWindow::SharedWindow(QWidget* parent) : QWidget(parent, Qt::Window) {}

void SharedWindow::closeEvent(QCloseEvent* event)
{
    aboutToUnload();
    event->accept();
    unloaded_ = true;
    deleteLater();
}

void WindowRegistry::destroyAll()
{
    for (auto& [type, slot] : slots_)
        delete slot.data();
    slots_.clear();
}

} // namespace zt
