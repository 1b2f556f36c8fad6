
#include "app/startup.h"
#include "windows/boardwindow.h"
#include "windows/settingswindow.h"
#include "testsupport.h"
#include "windowsupport.h"
#include "windows/wheelwindow.h"

#include <QTimer>

class LifetimeTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Closing another window goes on with the run; closing the board ends it at
    // once, with other windows still open.
    void closingTheBoardEndsTheRun()
    {
        auto* board = zt::shared<zt::BoardWindow>();
        board->show();
        auto* settings = zt::shared<zt::SettingsWindow>();
        settings->show();
        zt::shared<zt::WheelWindow>()->show();

        bool boardClosed = false;
        bool guardFired = false;
        QTimer::singleShot(0, settings, [&] {
            settings->close();
            QTimer::singleShot(0, board, [&] {
                boardClosed = true;
                QVERIFY(zt::loaded<zt::WheelWindow>()->isVisible());
                board->close();
            });
        });
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, [&] {
            guardFired = true;
            QCoreApplication::exit(1);
        });
        guard.start(20000);

        const int code = QApplication::exec();
        QVERIFY2(!guardFired, "the event loop went on after the board was closed");
        QVERIFY(boardClosed);
        QCOMPARE(code, 0);
        QVERIFY(zt::test::links().session().ending);
        QVERIFY(!zt::loaded<zt::SettingsWindow>()); // unloaded by its own close box
        zt::destroySharedWindows();
    }
};

ZT_TEST_MAIN(LifetimeTest)
#include "tst_lifetime.moc"
