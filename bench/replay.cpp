// Rows per second of the viewer's automatic replay ("GO") over 100,000
// recorded spins, with the board and the viewer shown (offscreen) and the
// verification on: both checks ticked, and the strings reported alone.  Every
// 37th row starts a game (Memoria 1), so the board is reset as often as in a
// long evening.  Rates are per second of this thread's CPU time (the machine's
// other programs only add waiting), the best of three runs; the wall-clock
// rate of the best run is printed beside it.

#include "bench.h"

#include "windowsupport.h"
#include "windows/boardwindow.h"
#include "store/storefile.h"
#include "windows/viewerwindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <algorithm>
#include <cstdint>
#include <ctime>

namespace {

struct Rate {
    double cpu = 0;
    double wall = 0;
    double longestFrameGapMs = 0; // the longest wait between two drawings of the board
    double framesPerSecond = 0;
};

constexpr int rowCount = 100'000;

// Notes when the board's last-number label is drawn while the run goes on
// (the drawing after its end, with the end's own work, is not a frame of it).
struct FrameClock : QObject {
    QElapsedTimer clock;
    const QLineEdit* replayed = nullptr; // the viewer's Text13, written at each frame
    qint64 last = -1;
    qint64 longest = 0;
    int frames = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && replayed->text() != QString::number(rowCount)) {
            const qint64 now = clock.nsecsElapsed();
            if (last >= 0)
                longest = std::max(longest, now - last);
            last = now;
            ++frames;
        }
        return false;
    }
};



Rate goRowsPerSecond(bool proposalCheck, double* openMs)
{
    zt::destroySharedWindows();
    auto* board = zt::shared<zt::BoardWindow>();
    board->show();
    QElapsedTimer open;
    open.start();
    auto* viewer = zt::shared<zt::ViewerWindow>();
    viewer->show();
    QApplication::processEvents();
    *openMs = std::min(*openMs, double(open.nsecsElapsed()) / 1e6);

    zt::control<QCheckBox>(viewer, "Check6")->setChecked(true);
    zt::control<QCheckBox>(viewer, "Check4")->setChecked(proposalCheck);
    zt::control<QLineEdit>(viewer, "Text6")->setText(QString::number(rowCount));
    FrameClock frames;
    frames.replayed = zt::control<QLineEdit>(viewer, "Text13");
    zt::control<QWidget>(board, "Label6")->installEventFilter(&frames);
    QElapsedTimer run;
    run.start();
    frames.clock.start();
    const double start = zt::bench::threadSeconds();
    zt::control<QPushButton>(viewer, "Command6")->click();
    const double cpu = zt::bench::threadSeconds() - start;
    const double wall = double(run.nsecsElapsed()) / 1e9;
    if (zt::control<QLineEdit>(viewer, "Text13")->text() != QString::number(rowCount))
        qFatal("the run did not replay every row");
    zt::destroySharedWindows();
    return {rowCount / cpu, rowCount / wall, double(frames.longest) / 1e6, frames.frames / wall};
}

} // namespace

ZT_BENCH(replayGo)
{
    zt::bench::makeSpinsFile(rowCount, [](int) { return 1; }); // "Live" evenings
    double openMs = 1e300;
    for (bool proposalCheck : {true, false}) {
        Rate best;
        for (int run = 0; run < 3; ++run) {
            const Rate r = goRowsPerSecond(proposalCheck, &openMs);
            if (r.cpu > best.cpu)
                best = r;
        }
        const QString what = proposalCheck ? QStringLiteral("both checks ticked")
                                           : QStringLiteral("strings reported");
        zt::bench::report(QStringLiteral("GO over 100,000 rows, %1").arg(what), best.cpu,
                          QStringLiteral("rows/s"));
        zt::bench::report(QStringLiteral("  the same run, by the wall clock"), best.wall,
                          QStringLiteral("rows/s"));
        zt::bench::report(QStringLiteral("  the board drawn during the run, per second"),
                          best.framesPerSecond, QStringLiteral("frames/s"));
        zt::bench::report(QStringLiteral("  the longest wait between two of those drawings"),
                          best.longestFrameGapMs, QStringLiteral("ms"));
    }
    zt::bench::report(QStringLiteral("viewer opened and shown over 100,000 rows"), openMs,
                      QStringLiteral("ms"));
}
