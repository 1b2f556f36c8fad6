// The main board at any size: designed at 616 x 272 pixels, it grows with its
// window as a whole (every position, size and text by one factor, centred in
// a window of other proportions), by the mouse, the maximise button or
// Ctrl++ / Ctrl+- / Ctrl+0; the factor is kept in zentrima13.ini.

#include "windows/boardwindow.h"

#include "core/playersettings.h"
#include "ui/look.h"

#include <QDir>
#include <QResizeEvent>
#include <QScreen>
#include <QShortcut>
#include <QTimer>

#include <algorithm>
#include <array>
#include <cmath>

namespace zt {

namespace {

const QSize designed = twipsSize(9240, 4080);
// The sizes Ctrl++ and Ctrl+- step through.
constexpr std::array steps{1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0, 3.5, 4.0};
constexpr double largest = 4.0;

QString settingsPath()
{
    return QDir::current().absoluteFilePath(QLatin1String(settingsFileName));
}

} // namespace

void BoardWindow::prepareScaling()
{
    setMinimumSize(designed);
    setBackColor(this, QColor(128, 64, 0)); // around the board in a window of other proportions
    scale_.capture(this);

    for (const QKeySequence& key :
         {QKeySequence(QKeySequence::ZoomIn), QKeySequence(Qt::CTRL | Qt::Key_Equal)})
        connect(new QShortcut(key, this), &QShortcut::activated, this, &BoardWindow::zoomIn);
    connect(new QShortcut(QKeySequence(QKeySequence::ZoomOut), this), &QShortcut::activated, this,
            &BoardWindow::zoomOut);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_0), this), &QShortcut::activated, this,
            &BoardWindow::zoomReset);

    ScalaTimer = new QTimer(this);
    ScalaTimer->setObjectName(QStringLiteral("ScalaTimer"));
    ScalaTimer->setSingleShot(true);
    ScalaTimer->setInterval(500);
    connect(ScalaTimer, &QTimer::timeout, this, &BoardWindow::keepScale);

    const double kept = readBoardScale(settingsPath());
    if (kept != 1)
        zoomTo(kept);
}

void BoardWindow::resizeEvent(QResizeEvent* event)
{
    const QSize size = event->size();
    const double factor = std::max(1.0, std::min(double(size.width()) / designed.width(),
                                                 double(size.height()) / designed.height()));
    const QSize board(int(std::lround(designed.width() * factor)),
                      int(std::lround(designed.height() * factor)));
    const QPoint offset(std::max(0, (size.width() - board.width()) / 2),
                        std::max(0, (size.height() - board.height()) / 2));
    const double before = scale_.factor();
    scale_.apply(factor, offset);
    if (scale_.factor() != before && ScalaTimer)
        ScalaTimer->start();
    SharedWindow::resizeEvent(event);
}

void BoardWindow::zoomTo(double factor)
{
    factor = std::clamp(factor, 1.0, largest);
    // Not beyond the screen's free area (the frame's room taken off).
    if (const QScreen* s = screen()) {
        const QSize room = s->availableGeometry().size() - (frameGeometry().size() - size());
        factor =
            std::min(factor, std::max(1.0, std::min(double(room.width()) / designed.width(),
                                                    double(room.height()) / designed.height())));
    }
    if (isMaximized() || isFullScreen())
        showNormal();
    resize(int(std::lround(designed.width() * factor)),
           int(std::lround(designed.height() * factor)));
}

void BoardWindow::zoomIn()
{
    const double now = scale_.factor();
    const auto next =
        std::find_if(steps.begin(), steps.end(), [now](double f) { return f > now + 0.01; });
    if (next != steps.end())
        zoomTo(*next);
}

void BoardWindow::zoomOut()
{
    const double now = scale_.factor();
    const auto before =
        std::find_if(steps.rbegin(), steps.rend(), [now](double f) { return f < now - 0.01; });
    zoomTo(before != steps.rend() ? *before : 1.0);
}

void BoardWindow::zoomReset()
{
    zoomTo(1);
}

void BoardWindow::keepScale()
{
    // Kept once the size stops changing; a file that cannot be written
    // leaves the board as it is (the next run starts at the designed size).
    writeBoardScale(settingsPath(), scale_.factor());
}

} // namespace zt
