#pragma once
// The one place that knows every window: it creates the shared instances on
// first use, hands each window the links to the others, and owns what lives
// for the whole run beside them.

#include "core/session.h"
#include "ui/sharedwindow.h"
#include "windows/links.h"

namespace zt {

class BoardWindow;

class AppLinks : public Links {
public:
    AppLinks();
    ~AppLinks() override;
    AppLinks(const AppLinks&) = delete;
    AppLinks& operator=(const AppLinks&) = delete;

    Session& session() override { return session_; }
    BoardLink& board() override;
    SettingsLink& settings() override;
    ViewerLink* loadedViewer() override;
    void show(Window window) override;
    void toggle(Window window) override;
    void dataChanged(DataChange change) override;

    // The shared instance of a window, created hidden when it is not loaded.
    QWidget* window(Window window);
    // The shared instance when it is loaded, otherwise nullptr.
    QWidget* loadedWindow(Window window);
    // Deletes every window (the end of the program; tests start afresh).
    void destroyWindows() { windows_.destroyAll(); }

private:
    Session session_;
    WindowRegistry windows_;
};

} // namespace zt
