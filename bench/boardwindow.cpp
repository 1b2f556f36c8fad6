// Spins per second through the main board window: each spin is a number
// written into the spin bridge CM_pulsante, as the replay console and the
// exchange file send them, with the keypad highlighting on and off.  The
// window is measured hidden, and shown with the pending events processed
// every eleventh spin and the window drawn at most every 40 ms, as the
// automatic replay does (the frames drawn per second of wall time are given
// beside).  Rates are per second of this thread's CPU time, the best of three
// runs of 100,000 spins.

#include "bench.h"

#include "windowsupport.h"
#include "windows/boardwindow.h"
#include "ui/framepacing.h"
#include "windows/settingswindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>

#include <algorithm>
#include <array>
#include <cstdint>
#include <ctime>
#include <optional>
#include <vector>

namespace {

constexpr int spinCount = 100'000;

// Counts the times the history box is drawn.
struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        paints += e->type() == QEvent::Paint;
        return false;
    }
};

struct Run {
    double spinsPerSecond = 0;
    double framesPerSecond = 0;
};

Run spinsPerSecond(bool shown, bool highlight, const std::vector<int>& numbers)
{
    zt::destroySharedWindows();
    auto* board = zt::shared<zt::BoardWindow>();
    zt::control<QCheckBox>(zt::shared<zt::SettingsWindow>(), "Check20")->setChecked(highlight);
    if (shown) {
        board->show();
        QApplication::processEvents();
    }
    auto* bridge = zt::control<zt::HiddenBox>(board, "CM_pulsante");
    std::array<QString, 37> texts;
    for (int n = 0; n <= 36; ++n)
        texts[n] = QString::number(n);

    PaintCounter painted;
    zt::control<QWidget>(board, "Text1")->findChild<QWidget*>(QStringLiteral("qt_scrollarea_viewport"))
        ->installEventFilter(&painted);
    QElapsedTimer wall;
    wall.start();
    const double start = zt::bench::threadSeconds();
    {
        std::optional<zt::FramePacing> frames;
        if (shown)
            frames.emplace();
        int sent = 0;
        for (int n : numbers) {
            bridge->setText(texts[n]);
            if (frames && ++sent % 11 == 0)
                frames->processEvents([] {});
        }
    }
    if (shown)
        QApplication::processEvents();
    const double took = zt::bench::threadSeconds() - start;
    const double wallTook = double(wall.nsecsElapsed()) * 1e-9;
    zt::destroySharedWindows();
    return {double(numbers.size()) / took, painted.paints / wallTook};
}

} // namespace

ZT_BENCH(boardWindowSpins)
{
    const std::vector<int> numbers = zt::bench::randomNumbers(spinCount, 0x2545f4914f6cdd1dull);
    for (bool shown : {false, true}) {
        for (bool highlight : {true, false}) {
            // The best of three runs: other programs on the machine only slow runs down.
            Run best;
            for (int run = 0; run < 3; ++run) {
                const Run r = spinsPerSecond(shown, highlight, numbers);
                if (r.spinsPerSecond > best.spinsPerSecond)
                    best = r;
            }
            const QString name = QStringLiteral("window %1, highlighting %2")
                                     .arg(shown ? QLatin1String("shown") : QLatin1String("hidden"))
                                     .arg(highlight ? QLatin1String("on") : QLatin1String("off"));
            zt::bench::report(name, best.spinsPerSecond, QStringLiteral("spins/s"));
            if (shown)
                zt::bench::report(name + QStringLiteral(": history box drawn"),
                                  best.framesPerSecond, QStringLiteral("frames/s"));
        }
    }
}
