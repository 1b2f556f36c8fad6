#pragma once
// Redrawing at a frame pace during a long piece of work on the user-interface
// thread that lets pending events in now and then (the automatic replay "GO").
// The events are processed as often as the work asks, but the windows shown
// are drawn only about every 30 ms: at least 25 times a second, and no more
// often than a player can see.
//
// Between frames the windows' requests to be drawn are held back, while what
// is to be drawn keeps being noted as usual; a frame then draws just what
// changed since the last one.  Nothing is switched off on any window or
// control, so nothing can be left stale: when the pacing ends, the windows
// draw what is still due at once.

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

namespace zt {

class FramePacing : public QObject {
    Q_OBJECT
public:
    // hold(true) is called between frames, hold(false) when a frame is drawn
    // (for what need not follow every move, e.g. a grid's selection).
    explicit FramePacing(std::function<void(bool held)> hold = {});
    ~FramePacing() override;

    // Processes the pending events; when a frame is due, beforeFrame runs
    // first and the windows draw what changed.
    void processEvents(const std::function<void()>& beforeFrame);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The windows draw what is due now.
    void drawFrame();

    std::function<void(bool)> hold_;
    QList<QPointer<QWidget>> windows_;
    QElapsedTimer clock_;
    bool drawing_ = false;
};

// Every window shown is drawn whole again, with its controls as they are now.
void redrawShownWindows();

} // namespace zt
