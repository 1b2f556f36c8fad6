#include "ui/framepacing.h"

#include <QApplication>

namespace zt {

namespace {

// A frame is due this long after the last one: with the time it takes the
// work to let events in again and to draw, frames come at least every 40 ms
// (25 a second).
constexpr qint64 framePeriodMs = 30;

} // namespace

FramePacing::FramePacing(std::function<void(bool)> hold) : hold_(std::move(hold))
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!w->isVisible())
            continue;
        for (QObject* child : w->children()) {
            auto* c = qobject_cast<QWidget*>(child);
            if (c && !c->isWindow() && c->updatesEnabled())
                controls_.append(c);
        }
    }
    setHeld(true);
    clock_.start();
}

FramePacing::~FramePacing()
{
    setHeld(false);
}

void FramePacing::processEvents(const std::function<void()>& beforeFrame)
{
    const bool frame = clock_.hasExpired(framePeriodMs);
    if (frame) {
        beforeFrame();
        setHeld(false);
    }
    QCoreApplication::processEvents();
    if (frame) {
        setHeld(true);
        clock_.restart();
    }
}

void FramePacing::setHeld(bool held)
{
    if (hold_)
        hold_(held);
    for (const auto& c : controls_) {
        if (c)
            c->setUpdatesEnabled(!held);
    }
}

void redrawShownWindows()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!w->isVisible())
            continue;
        // A window's own update leaves out the controls that cover it.
        w->update();
        for (QWidget* c : w->findChildren<QWidget*>())
            c->update();
    }
}

} // namespace zt
