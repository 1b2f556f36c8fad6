#include "app/wiring.h"

#include "core/playersettings.h"
#include "windows/boardwindow.h"
#include "windows/moneywindow.h"
#include "windows/noteswindow.h"
#include "windows/settingswindow.h"
#include "windows/statisticswindow.h"
#include "windows/viewerwindow.h"
#include "windows/wheelwindow.h"

namespace zt {

AppLinks::AppLinks()
{
    // The stakes the player set in an earlier run.
    session_.play.setSettings(readMoneyPreferences(QString::fromLatin1(settingsFileName)).bet);
}

AppLinks::~AppLinks()
{
    destroyWindows();
}

BoardLink& AppLinks::board()
{
    return *windows_.shared<BoardWindow>([this] { return new BoardWindow(*this); });
}

SettingsLink& AppLinks::settings()
{
    return *windows_.shared<SettingsWindow>([] { return new SettingsWindow; });
}

ViewerLink* AppLinks::loadedViewer()
{
    return windows_.loaded<ViewerWindow>();
}

QWidget* AppLinks::window(Window window)
{
    switch (window) {
    case Window::Board:
        return windows_.shared<BoardWindow>([this] { return new BoardWindow(*this); });
    case Window::Settings:
        return windows_.shared<SettingsWindow>([] { return new SettingsWindow; });
    case Window::Wheel:
        return windows_.shared<WheelWindow>([] { return new WheelWindow; });
    case Window::Viewer:
        return windows_.shared<ViewerWindow>([this] { return new ViewerWindow(*this); });
    case Window::Notes:
        return windows_.shared<NotesWindow>([this] { return new NotesWindow(*this); });
    case Window::Statistics:
        return windows_.shared<StatisticsWindow>([this] { return new StatisticsWindow(*this); });
    case Window::Money:
        return windows_.shared<MoneyWindow>([this] { return new MoneyWindow(*this); });
    }
    return nullptr;
}

QWidget* AppLinks::loadedWindow(Window window)
{
    switch (window) {
    case Window::Board:
        return windows_.loaded<BoardWindow>();
    case Window::Settings:
        return windows_.loaded<SettingsWindow>();
    case Window::Wheel:
        return windows_.loaded<WheelWindow>();
    case Window::Viewer:
        return windows_.loaded<ViewerWindow>();
    case Window::Notes:
        return windows_.loaded<NotesWindow>();
    case Window::Statistics:
        return windows_.loaded<StatisticsWindow>();
    case Window::Money:
        return windows_.loaded<MoneyWindow>();
    }
    return nullptr;
}

void AppLinks::show(Window which)
{
    QWidget* w = window(which);
    w->show();
    w->raise();
    w->activateWindow();
}

void AppLinks::dataChanged(DataChange change)
{
    if (StatisticsWindow* statistics = windows_.loaded<StatisticsWindow>())
        statistics->dataChanged(change);
    if (MoneyWindow* money = windows_.loaded<MoneyWindow>())
        money->dataChanged(change);
}

void AppLinks::toggle(Window which)
{
    QWidget* w = window(which);
    if (w->isVisible()) {
        w->hide();
    } else {
        w->show();
        w->raise();
    }
}

} // namespace zt
