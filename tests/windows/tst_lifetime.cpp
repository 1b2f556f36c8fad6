
#include "app/startup.h"
#include "windows/boardwindow.h"
#include "windows/settingswindow.h"
#include "testsupport.h"
#include "windowsupport.h"
#include "windows/wheelwindow.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QThread>
#include <QTimer>

namespace {

// Waits up to ten seconds, in short steps, for the condition to hold.
template <class Condition> bool eventually(Condition condition)
{
    const QDeadlineTimer deadline(10000);
    while (!condition() && !deadline.hasExpired())
        QThread::msleep(20);
    return condition();
}

} // namespace

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

    // One copy of the program per folder: a second one says so and ends
    // without touching a file; the lock of a killed copy stops nobody.
    void secondCopyInTheSameFolderEnds()
    {
        zt::test::FreshDir dir;
        const QString folder = QDir(dir.path()).canonicalPath();
        auto start = [&](QProcess& p) {
            p.setWorkingDirectory(folder);
            p.start(QStringLiteral(ZT_PROGRAM_PATH), QStringList());
            QVERIFY(p.waitForStarted(10000));
        };
        auto lockedBy = [&](const QProcess& p) {
            const QByteArray lock = zt::test::fileBytes(dir.file(u"zentrima13.lock"_qs));
            return lock.split('\n').value(0).toLongLong() == p.processId();
        };
        auto files = [&] {
            QStringList out;
            for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden))
                out << name + u'=' +
                           QString::fromLatin1(zt::test::fileBytes(dir.file(name)).toHex());
            return out;
        };

        QProcess first;
        start(first);
        QVERIFY(eventually([&] { return lockedBy(first); }));
        const QStringList before = files();

        QProcess second;
        start(second);
        QVERIFY(second.waitForFinished(10000));
        QVERIFY(second.exitStatus() == QProcess::NormalExit && second.exitCode() != 0);
        QVERIFY(QString::fromLocal8Bit(second.readAllStandardError())
                    .contains(u"Zentrima 13 è già aperto nella cartella %1."_qs.arg(
                        QDir::toNativeSeparators(folder))));
        QCOMPARE(files(), before);
        QCOMPARE(first.state(), QProcess::Running);

        first.kill(); // SIGKILL: the lock file stays behind
        QVERIFY(first.waitForFinished(10000));
        QProcess third;
        start(third);
        QVERIFY(eventually([&] { return lockedBy(third); }));
        third.kill();
        third.waitForFinished(10000);
    }
};

ZT_WINDOWS_TEST_MAIN(LifetimeTest)
#include "tst_lifetime.moc"
