// Reading the spins off the screen: the CPU time of the reader per second of
// watching a strip (four grabs a second; the grab itself is the window
// system's and is not counted here), for a strip at rest and for an evening
// with a spin every 20 seconds sliding in over 300 ms; and the time from a
// strip's change to the spin on the board, with the board's own timer; and
// the grab, on an X screen.

#include "bench.h"

#include "stripdrawing.h"
#include "windowsupport.h"
#include "ui/colorbutton.h"
#include "windows/boardwindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>

#include <cstdio>
#include <vector>

namespace {

QList<int> stripOf(const std::vector<int>& numbers, int newest, int count)
{
    QList<int> shown;
    for (int i = newest; i >= 0 && shown.size() < count; --i)
        shown << numbers[size_t(i)];
    return shown;
}

} // namespace

ZT_BENCH(screenReader)
{
    const std::vector<int> numbers = zt::bench::randomNumbers(400, 31);
    for (int style : {0, 2}) {
        const zt::test::StripStyle& s = zt::test::stripStyles()[style];
        zt::destroySharedWindows();
        auto* board = zt::shared<zt::BoardWindow>();
        QImage screen;
        board->setScreenGrab([&screen](const QRect&) { return screen; });
        board->setNewestEnd(s.newestLeft ? zt::NewestEnd::Left : zt::NewestEnd::Right);
        int newest = s.count;
        screen = zt::test::drawStrip(s, stripOf(numbers, newest, s.count));
        board->startReading(QRect(QPoint(0, 0), screen.size()));
        board->pauseReading(); // the grabs are made here, one by one
        board->startReading(QRect(QPoint(0, 0), screen.size()));
        const auto grab = [&] { QMetaObject::invokeMethod(board, "readScreen"); };
        for (int i = 0; i < 8; ++i) // the recognition ready, the past seen
            grab();

        // At rest: 60 seconds of watching.
        double start = zt::bench::threadSeconds();
        for (int i = 0; i < 240; ++i)
            grab();
        zt::bench::report(QStringLiteral("reader %1: CPU per second watching a strip at rest")
                              .arg(QLatin1String(s.name)),
                          (zt::bench::threadSeconds() - start) * 1000 / 60, QStringLiteral("ms"));

        // An evening: a spin every 80 grabs (20 s), the slide seen on one grab.
        start = zt::bench::threadSeconds();
        const int spins = 30;
        for (int k = 0; k < spins; ++k) {
            ++newest;
            screen = zt::test::drawStrip(s, stripOf(numbers, newest, s.count), 0.5);
            grab();
            screen = zt::test::drawStrip(s, stripOf(numbers, newest, s.count));
            for (int i = 1; i < 80; ++i)
                grab();
        }
        zt::bench::report(
            QStringLiteral("reader %1: CPU per second watching, a spin every 20 s")
                .arg(QLatin1String(s.name)),
            (zt::bench::threadSeconds() - start) * 1000 / (spins * 20.0), QStringLiteral("ms"));

        // From the strip's change to the spin on the board, the board's timer running.
        std::vector<double> delays;
        int entered = 0;
        for (int i = 0; i <= 36; ++i)
            QObject::connect(zt::control<zt::ColorButton>(board, "Command9", i),
                             &QAbstractButton::clicked, [&entered] { ++entered; });
        for (int k = 0; k < 12; ++k) {
            ++newest;
            // The change comes at any moment between two grabs.
            QTest::qWait(37 * k % 250);
            screen = zt::test::drawStrip(s, stripOf(numbers, newest, s.count));
            QElapsedTimer t;
            t.start();
            const int before = entered;
            while (t.elapsed() < 3000 && entered == before)
                QTest::qWait(2);
            delays.push_back(zt::bench::ms(t));
            QTest::qWait(300);
        }
        zt::bench::report(QStringLiteral("reader %1: strip changed to spin on the board, median")
                              .arg(QLatin1String(s.name)),
                          zt::bench::percentile(delays, 0.5), QStringLiteral("ms"));
        zt::bench::report(QStringLiteral("reader %1: strip changed to spin on the board, slowest")
                              .arg(QLatin1String(s.name)),
                          zt::bench::percentile(delays, 1.0), QStringLiteral("ms"));
        board->pauseReading();
    }
    zt::destroySharedWindows();
}

// The grab itself, on an X screen only (xvfb-run -a -s "-screen 0 1024x768x24"
// build/default/bench/zentrima_bench screenGrab, with QT_QPA_PLATFORM=xcb).
ZT_BENCH(screenGrab)
{
    if (QGuiApplication::platformName() != u"xcb") {
        std::printf("(needs an X screen)\n");
        return;
    }
    QScreen* screen = QGuiApplication::primaryScreen();
    const double start = zt::bench::threadSeconds();
    for (int i = 0; i < 400; ++i)
        screen->grabWindow(0, 20, 400, 440, 60).toImage();
    zt::bench::report(QStringLiteral("grab of 440 x 60 pixels, CPU per second at four a second"),
                      (zt::bench::threadSeconds() - start) * 1000 / 100, QStringLiteral("ms"));
}
