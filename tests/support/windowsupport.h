#pragma once
// The windows of a test program: one AppLinks, made by the test's main after
// the application, and the shared instances found through it.

#include "app/wiring.h"
#include "controls.h"
#include "windows/boardwindow.h"
#include "windows/noteswindow.h"
#include "windows/settingswindow.h"
#include "windows/viewerwindow.h"
#include "windows/wheelwindow.h"

#include <type_traits>

namespace zt::test {

inline AppLinks*& linksSlot()
{
    static AppLinks* links = nullptr;
    return links;
}

inline AppLinks& links()
{
    if (!linksSlot())
        linksSlot() = new AppLinks;
    return *linksSlot();
}

template <class W> constexpr Links::Window windowOf()
{
    if constexpr (std::is_same_v<W, BoardWindow>)
        return Links::Window::Board;
    else if constexpr (std::is_same_v<W, SettingsWindow>)
        return Links::Window::Settings;
    else if constexpr (std::is_same_v<W, ViewerWindow>)
        return Links::Window::Viewer;
    else if constexpr (std::is_same_v<W, NotesWindow>)
        return Links::Window::Notes;
    else
        return Links::Window::Wheel;
}

} // namespace zt::test

namespace zt {

template <class W> W* shared()
{
    return static_cast<W*>(test::links().window(test::windowOf<W>()));
}

template <class W> W* loaded()
{
    return static_cast<W*>(test::links().loadedWindow(test::windowOf<W>()));
}

inline void destroySharedWindows()
{
    test::links().destroyWindows();
}

} // namespace zt
