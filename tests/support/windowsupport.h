#pragma once
// The windows of a test program: one AppLinks, made by the test's main after
// the application, and the shared instances found through it.

#include "app/language.h"
#include "app/wiring.h"
#include "testsupport.h"
#include "controls.h"
#include "ui/hiddenbox.h"
#include "windows/boardwindow.h"
#include "windows/noteswindow.h"
#include "windows/settingswindow.h"
#include "windows/viewerwindow.h"
#include "windows/wheelwindow.h"

#include <QApplication>
#include <QChartView>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QMessageBox>

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

// Deletes the windows of the test program, if it made any (before the
// application ends).
inline void endWindows()
{
    delete linksSlot();
    linksSlot() = nullptr;
}

// The window of each kind among the shared ones.
template <class W> inline constexpr Links::Window windowOf = Links::Window::Wheel;
template <> inline constexpr Links::Window windowOf<BoardWindow> = Links::Window::Board;
template <> inline constexpr Links::Window windowOf<SettingsWindow> = Links::Window::Settings;
template <> inline constexpr Links::Window windowOf<ViewerWindow> = Links::Window::Viewer;
template <> inline constexpr Links::Window windowOf<NotesWindow> = Links::Window::Notes;

} // namespace zt::test

namespace zt {

template <class W> W* shared()
{
    return static_cast<W*>(test::links().window(test::windowOf<W>));
}

template <class W> W* loaded()
{
    return static_cast<W*>(test::links().loadedWindow(test::windowOf<W>));
}

inline void destroySharedWindows()
{
    test::links().destroyWindows();
}

// The texts of the window's charts cut short for want of room ("12..." for
// "12 000") at any width from the window's smallest to `widest`, in steps of
// 60 pixels, each with the width and its chart's name.
inline QStringList cutChartTextsWhileNarrowing(QWidget* window, int widest)
{
    QStringList cut;
    for (int width = window->minimumWidth(); width <= widest; width += 60) {
        window->resize(width, window->minimumHeight());
        if (!QTest::qWaitFor([&] { return window->width() == width; }))
            return {QStringLiteral("the window does not take the width %1").arg(width)};
        QTest::qWait(20);
        for (QChartView* view : window->findChildren<QChartView*>()) {
            for (QGraphicsItem* item : view->scene()->items()) {
                QString text;
                if (auto* rich = dynamic_cast<QGraphicsTextItem*>(item))
                    text = rich->toPlainText();
                else if (auto* plain = dynamic_cast<QGraphicsSimpleTextItem*>(item))
                    text = plain->text();
                if (item->isVisible() && (text.endsWith(u"...") || text.endsWith(u'…')))
                    cut << QStringLiteral("%1 %2: %3").arg(width).arg(view->objectName(), text);
            }
        }
    }
    return cut;
}

// The text of the window's last message box as the player reads it; the
// boxes are closed.
inline QString takeMessage(QWidget* window)
{
    const auto boxes = window->findChildren<QMessageBox*>();
    const QString text = boxes.isEmpty()
                             ? QString()
                             : shownText(boxes.last()->findChild<QLabel*>("qt_msgbox_label"));
    qDeleteAll(boxes);
    return text;
}

} // namespace zt

// The checks of a test that read the Italian words of the windows: the
// words are checked where the windows speak Italian, and skipped otherwise.
#define ZT_ITALIAN_WORDS()                                                                         \
    do {                                                                                           \
        if (zt::currentLanguage() != zt::Language::Italian)                                        \
            QSKIP("reads the Italian words of the windows");                                       \
    } while (false)

// The main of a test program with windows (offscreen unless told otherwise):
// the application, speaking the system's language as the program would
// (LANGUAGE=en runs the tests in English), a fresh working directory, and the
// windows deleted before the application ends.
#define ZT_WINDOWS_TEST_MAIN(TestObject)                                                           \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                        \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                               \
        QApplication app(argc, argv);                                                              \
        QApplication::setQuitOnLastWindowClosed(false);                                            \
        zt::useLanguage(zt::chosenLanguage({}));                                                   \
        zt::test::FreshDir dir;                                                                    \
        int code = 0;                                                                              \
        {                                                                                          \
            TestObject tc;                                                                         \
            code = QTest::qExec(&tc, argc, argv);                                                  \
        }                                                                                          \
        zt::test::endWindows();                                                                    \
        return code;                                                                               \
    }
