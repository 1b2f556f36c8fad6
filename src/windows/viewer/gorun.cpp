// The outcome viewer's automatic run "GO": `Colpi:` rows replayed through
// "SPIN", with the pending events processed as the event pacing asks and the
// windows redrawn at a frame pace.

#include "windows/viewerwindow.h"

#include "core/replay.h"
#include "core/replayconsole.h"
#include "core/session.h"
#include "store/recordcursor.h"
#include "ui/framepacing.h"
#include "ui/recordgrid.h"

#include <QCoreApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPointer>

namespace zt {

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
    Links& links = links_;
    goRunning_ = true;
    // The money of the run's spins, for the money window.
    links.session().play.startGo();
    eseguiGo();
    links.session().play.endGo();
    if (self)
        goRunning_ = false;
    links.dataChanged(DataChange::TallyChanged);
    // However the run ended (all rows, "STOP", a count that ends it, the
    // viewer closed), the windows show the state it left at once.
    redrawShownWindows();
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
    // Pending events may have closed the viewer, or the main board (which
    // ends the program), during a SPIN.
    const auto goOn = [&] {
        if (!self || isUnloaded() || session.ending)
            return false;
        if (Check5->isChecked()) {
            Check5->setChecked(false);
            return false;
        }
        return true;
    };
    bool complete;
    {
        // While "GO" runs, the grid's selection follows the current row only
        // when the windows are drawn.
        FramePacing frames([grid = QPointer<RecordGrid>(grid_)](bool held) {
            if (grid)
                grid->holdSelection(held);
        });
        frames_ = &frames;
        complete = runGoSpins(*this, *count, goOn);
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
