// The outcome viewer's automatic run "GO": `Colpi:` rows replayed through
// "SPIN", with the pending events processed as the event pacing asks and the
// windows redrawn at a frame pace.

#include "windows/viewerwindow.h"

#include "core/replay.h"
#include "core/session.h"
#include "store/recordcursor.h"
#include "ui/recordgrid.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPointer>

namespace zt {

// While "GO" runs, the pending events are processed as often as the replay
// asks, but the windows shown are redrawn at most every 40 ms (a screen shows
// no more frames than that), and the grid's selection follows the current row
// only when they are.  Without this, drawing the grid and the board after
// every eleventh row costs more than the replay itself.
class FramePacing {
public:
    explicit FramePacing(RecordGrid* grid) : grid_(grid)
    {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible() && w->updatesEnabled())
                windows_.append(w);
        }
        pause();
        clock_.start();
    }
    ~FramePacing() { resume(); }
    FramePacing(const FramePacing&) = delete;
    FramePacing& operator=(const FramePacing&) = delete;

    // beforeFrame runs first when the windows are to be drawn now.
    template <class F> void processEvents(F beforeFrame)
    {
        const bool frame = clock_.hasExpired(40);
        if (frame) {
            beforeFrame();
            resume();
        }
        QCoreApplication::processEvents();
        if (frame) {
            pause();
            clock_.restart();
        }
    }

private:
    void pause() { hold(true); }
    void resume() { hold(false); }
    void hold(bool held)
    {
        if (grid_)
            grid_->holdSelection(held);
        for (const auto& w : windows_) {
            if (w)
                w->setUpdatesEnabled(!held);
        }
    }

    QPointer<RecordGrid> grid_;
    QList<QPointer<QWidget>> windows_;
    QElapsedTimer clock_;
};

void ViewerWindow::paceEvents()
{
    if (!links_.session().pacing.step())
        return;
    if (frames_)
        frames_->processEvents([this] { flushPending(); });
    else
        QCoreApplication::processEvents();
}

void ViewerWindow::go()
{
    // A click on "GO" while a run processes events does not start another.
    if (goRunning_)
        return;
    QPointer<ViewerWindow> self(this);
    goRunning_ = true;
    eseguiGo();
    if (self)
        goRunning_ = false;
}

void ViewerWindow::eseguiGo()
{
    QPointer<ViewerWindow> self(this);
    Session& session = links_.session();
    links_.board().setExchangePolling(false);
    links_.board().setRecording(false);
    const bool highlighted = links_.settings().settings().highlight;
    QFile::remove(QStringLiteral("numero.txt"));
    links_.settings().setHighlight(false);

    const auto count = goRunCount(Text6->text());
    if (!count)
        return;
    const auto runSpins = [&] {
        for (int i = 0; i < *count; ++i) {
            spin();
            // Pending events may have closed the viewer, or the main board
            // (which ends the program), meanwhile.
            if (!self || isUnloaded() || session.ending)
                return false;
            if (Check5->isChecked()) {
                Check5->setChecked(false);
                return false;
            }
        }
        return true;
    };
    bool complete;
    {
        FramePacing frames(grid_);
        frames_ = &frames;
        complete = runSpins();
        if (!self)
            return;
        frames_ = nullptr;
        flushPending();
    }
    if (!complete)
        return;
    if (Check1->isChecked())
        source_->movePrevious(*count);
    links_.settings().setHighlight(highlighted);
}

} // namespace zt
