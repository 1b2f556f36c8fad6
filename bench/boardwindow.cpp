// Spins per second through the main board window: each spin is a number
// written into the spin bridge CM_pulsante, as the replay console and the
// exchange file send them, with the keypad highlighting on and off.  The
// window is measured hidden, and shown with the pending paints done every
// eleventh spin (as the automatic replay lets the window system run).
// Rates are per second of this thread's CPU time, the best of three runs of
// 20,000 spins.

#include "bench.h"

#include "windowsupport.h"
#include "windows/boardwindow.h"
#include "windows/settingswindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>

#include <algorithm>
#include <array>
#include <cstdint>
#include <ctime>
#include <vector>

namespace {

constexpr int spinCount = 20'000;

double spinsPerSecond(bool shown, bool highlight, const std::vector<int>& numbers)
{
    zt::destroySharedWindows();
    auto* board = zt::shared<zt::BoardWindow>();
    zt::control<QCheckBox>(zt::shared<zt::SettingsWindow>(), "Check20")->setChecked(highlight);
    if (shown) {
        board->show();
        QApplication::processEvents();
    }
    auto* bridge = zt::control<QLineEdit>(board, "CM_pulsante");
    std::array<QString, 37> texts;
    for (int n = 0; n <= 36; ++n)
        texts[n] = QString::number(n);

    const double start = zt::bench::threadSeconds();
    int sent = 0;
    for (int n : numbers) {
        bridge->setText(texts[n]);
        if (shown && ++sent % 11 == 0)
            QApplication::processEvents();
    }
    if (shown)
        QApplication::processEvents();
    const double took = zt::bench::threadSeconds() - start;
    zt::destroySharedWindows();
    return double(numbers.size()) / took;
}

} // namespace

ZT_BENCH(boardWindowSpins)
{
    const std::vector<int> numbers = zt::bench::randomNumbers(spinCount, 0x2545f4914f6cdd1dull);
    for (bool shown : {false, true}) {
        for (bool highlight : {true, false}) {
            // The best of three runs: other programs on the machine only slow runs down.
            double rate = 0;
            for (int run = 0; run < 3; ++run)
                rate = std::max(rate, spinsPerSecond(shown, highlight, numbers));
            zt::bench::report(QStringLiteral("window %1, highlighting %2")
                                  .arg(shown ? QLatin1String("shown (painted every 11 spins)")
                                             : QLatin1String("hidden"))
                                  .arg(highlight ? QLatin1String("on") : QLatin1String("off")),
                              rate, QStringLiteral("spins/s"));
        }
    }
}
