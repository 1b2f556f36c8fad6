#include "ui/framepacing.h"

#include <QApplication>

namespace zt {

namespace {

// A frame is due this long after the start of the last one; with the time the
// work takes to let events in again, frames come well within 40 ms of each
// other (25 a second).
constexpr qint64 framePeriodMs = 30;

} // namespace

FramePacing::FramePacing(std::function<void(bool)> hold) : hold_(std::move(hold))
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible()) {
            windows_.append(w);
            w->installEventFilter(this);
        }
    }
    if (hold_)
        hold_(true);
    clock_.start();
}

FramePacing::~FramePacing()
{
    for (const auto& w : windows_) {
        if (w)
            w->removeEventFilter(this);
    }
    if (hold_)
        hold_(false);
    drawFrame();
}

bool FramePacing::eventFilter(QObject* watched, QEvent* event)
{
    // A window asks to be drawn: held back until the next frame (what it is
    // to draw stays noted).
    if (event->type() == QEvent::UpdateRequest && !drawing_)
        return true;
    return QObject::eventFilter(watched, event);
}

void FramePacing::drawFrame()
{
    drawing_ = true;
    for (const auto& w : windows_) {
        if (w && w->isVisible()) {
            QEvent request(QEvent::UpdateRequest);
            QCoreApplication::sendEvent(w, &request);
        }
    }
    drawing_ = false;
}

void FramePacing::processEvents(const std::function<void()>& beforeFrame)
{
    QCoreApplication::processEvents();
    if (!clock_.hasExpired(framePeriodMs))
        return;
    clock_.restart(); // from the start of one frame to the start of the next
    beforeFrame();
    if (hold_)
        hold_(false);
    drawFrame();
    if (hold_)
        hold_(true);
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
