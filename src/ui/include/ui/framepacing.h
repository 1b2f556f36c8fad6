#pragma once
// Redrawing at a frame pace during a long piece of work on the user-interface
// thread that lets pending events in now and then (the automatic replay "GO").
// The events are processed as often as the work asks, but the windows shown
// are redrawn only about every 30 ms, so at least 25 times a second and no
// more often than a player can see.
// The drawing is held on the controls inside each window, never on a window
// itself: a window whose own drawing is held when it is due to be drawn can
// stay stale after it is released (under X11), until something covers and
// uncovers it.

#include <QElapsedTimer>
#include <QList>
#include <QPointer>
#include <QWidget>

#include <functional>

namespace zt {

class FramePacing {
public:
    // hold(true) is called while drawing is held, hold(false) when a frame is
    // drawn (e.g. a grid's selection that need not follow every move).
    explicit FramePacing(std::function<void(bool held)> hold = {});
    ~FramePacing();
    FramePacing(const FramePacing&) = delete;
    FramePacing& operator=(const FramePacing&) = delete;

    // Processes the pending events; when a frame is due, beforeFrame runs
    // first and the windows are drawn.
    void processEvents(const std::function<void()>& beforeFrame);

private:
    void setHeld(bool held);

    std::function<void(bool)> hold_;
    QList<QPointer<QWidget>> controls_;
    QElapsedTimer clock_;
};

// Every window shown is drawn whole again, with its controls as they are now.
void redrawShownWindows();

} // namespace zt
