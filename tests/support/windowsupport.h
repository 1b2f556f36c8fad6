#pragma once
// The windows of a test program: one AppLinks, made on first use after the
// application, and the shared instances found through it.

#include "app/wiring.h"
#include "controls.h"
#include "testsupport.h"
#include "windows/boardwindow.h"
#include "windows/noteswindow.h"
#include "windows/settingswindow.h"
#include "windows/viewerwindow.h"
#include "windows/wheelwindow.h"

#include <QApplication>

#include <memory>
#include <type_traits>

namespace zt::test {

inline std::unique_ptr<AppLinks>& linksSlot()
{
    static std::unique_ptr<AppLinks> links;
    return links;
}

// Deletes the windows of the test program, if it made any (before the
// application ends).
inline void endWindows()
{
    linksSlot().reset();
}

inline AppLinks& links()
{
    if (!linksSlot())
        linksSlot() = std::make_unique<AppLinks>();
    return *linksSlot();
}

template <class W> constexpr Links::Window windowOf()
{
    using W_ = Links::Window;
    return std::is_same_v<W, BoardWindow>      ? W_::Board
           : std::is_same_v<W, SettingsWindow> ? W_::Settings
           : std::is_same_v<W, ViewerWindow>   ? W_::Viewer
           : std::is_same_v<W, NotesWindow>    ? W_::Notes
                                               : W_::Wheel;
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

// The main of a test program with windows (offscreen unless told otherwise):
// the application, a fresh working directory, and the windows deleted before
// the application ends.
#define ZT_WINDOWS_TEST_MAIN(TestObject)                                                           \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                        \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                               \
        QApplication app(argc, argv);                                                              \
        QApplication::setQuitOnLastWindowClosed(false);                                            \
        zt::test::FreshDir dir;                                                                    \
        int code = 0;                                                                              \
        {                                                                                          \
            TestObject tc;                                                                         \
            code = QTest::qExec(&tc, argc, argv);                                                  \
        }                                                                                          \
        zt::test::endWindows();                                                                    \
        return code;                                                                               \
    }
