// How long the windows and the program live: shared windows made on first
// use and unloaded by their close box, the run ended by the board, and one
// copy of the program per folder; and what the wheel window shows.

#include "app/startup.h"
#include "core/wheellayout.h"
#include "storetesting.h"
#include "windowsupport.h"

#include <QCheckBox>
#include <QDeadlineTimer>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QSqlQuery>
#include <QThread>

#include <cmath>
#include <csignal>
#include <cstdio>

using zt::control;

namespace {

// Set in the environment of a helper: the folder it plays in.
const char* const kHelperDir = "ZT_LIFETIME_HELPER_DIR";

// Waits up to ten seconds for `done`.
template <class F> bool within10s(F done)
{
    const QDeadlineTimer deadline(10000);
    while (!done() && !deadline.hasExpired())
        QThread::msleep(20);
    return done();
}

} // namespace

class LifetimeTest : public QObject {
    Q_OBJECT
    // The settings as the board reads them: H highlight, F first-hit check,
    // S second-hit check, Z "Azzera", then rows/maximum.
    static QString settings()
    {
        const zt::StringsSettings s = zt::test::links().settings().settings();
        return QStringLiteral("%1%2%3%4 %5/%6")
            .arg(s.highlight ? "H" : "-", s.checkFirst ? "F" : "-", s.checkSecond ? "S" : "-",
                 s.resetAfter ? "Z" : "-")
            .arg(s.rows)
            .arg(s.maxDelay);
    }

private Q_SLOTS:
    void sharedWindows()
    {
        // Read before it is ever shown, the settings window gives its defaults, hidden.
        QVERIFY(!zt::loaded<zt::SettingsWindow>());
        QCOMPARE(settings(), "HF-- 1/10");
        QPointer<zt::SettingsWindow> w = zt::loaded<zt::SettingsWindow>();
        QVERIFY(w && !w->isVisible() && w->size() == QSize(425, 192));
        QVERIFY(control<QWidget>(w, "Numerostringhe")->isHidden());
        // "OK" only hides it; its close box unloads it and the next one starts afresh.
        w->show();
        control<QCheckBox>(w, "Check16")->toggle();
        control<QLineEdit>(w, "ST_ContrMax0")->setText(" 7 colpi");
        control<QAbstractButton>(w, "Command1")->click();
        QVERIFY(!w->isVisible() && zt::loaded<zt::SettingsWindow>() == w);
        QCOMPARE(settings(), "HFS- 1/7");
        w->close();
        QCOMPARE(settings(), "HF-- 1/10");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(w.isNull());

        QPointer<zt::WheelWindow> wheel = zt::shared<zt::WheelWindow>();
        zt::test::links().show(zt::Links::Window::Wheel);
        zt::test::links().show(zt::Links::Window::Wheel);
        QVERIFY(zt::loaded<zt::WheelWindow>() == wheel && wheel->isVisible() && wheel->close());
        QVERIFY(!zt::loaded<zt::WheelWindow>());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(wheel.isNull() && !zt::shared<zt::WheelWindow>()->isVisible());
        zt::destroySharedWindows();
    }

    // The wheel window shows one opaque frame of the wheel of the layout.
    void wheelPicture()
    {
        using namespace zt::wheel;
        auto* label = control<QLabel>(zt::shared<zt::WheelWindow>(), "Image1");
        QCOMPARE(label->window()->size(), QSize(414, 413));
        QVERIFY(label->geometry() == QRect(8, 8, 400, 400) && !label->hasScaledContents());
        QImageReader reader(":/wheel.gif");
        const QImage image = reader.read();
        QVERIFY(reader.imageCount() == 1 && image.size() == QSize(400, 400));
        QCOMPARE(label->pixmap().toImage().convertToFormat(image.format()), image);
        for (int y = 0; y < 400 * 400; ++y)
            QCOMPARE(qAlpha(image.pixel(y % 400, y / 400)), 255);
        const auto hex = [](QRgb c) { return QString::number(c & 0xffffff, 16); };
        const auto at = [&](QPointF p, QRgb c, const QString& what) {
            const QRgb seen = image.pixel(int(std::floor(p.x())), int(std::floor(p.y())));
            QCOMPARE(what + u' ' + hex(seen), what + u' ' + hex(c));
        };
        at({kCentre, kCentre}, kHubColor, "hub");
        const double ring = (kRingRadius + kNumberBaseline) / 2; // below the numbers
        for (int i = 0; i < kPockets; ++i)
            at(pointAt(pocketAngle(i), ring), pocketColor(i), QString::number(kOrder[i]));
        for (const Sector& s : kSectors) // on the line of its first pocket
            at(pointAt(pocketAngle(s.first),
                       (std::max(s.innerRadius, kHubRadius) + kDiscRadius) / 2),
               s.fill, s.label);
    }

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
        QTimer::singleShot(0, settings, [&] {
            settings->close();
            QTimer::singleShot(0, board, [&] {
                boardClosed = zt::loaded<zt::WheelWindow>()->isVisible();
                board->close();
            });
        });
        QTimer guard; // the loop went on after the board was closed
        guard.callOnTimeout([] { QCoreApplication::exit(1); });
        guard.start(20000);
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(boardClosed && zt::test::links().session().ending);
        QVERIFY(!zt::loaded<zt::SettingsWindow>()); // unloaded by its own close box
        zt::destroySharedWindows();
    }

    // One copy of the program per folder: a second one says so and ends
    // without touching a file; the lock of a killed copy stops nobody; the
    // system's signals to end close the program cleanly.
    void secondCopyInTheSameFolderEnds()
    {
        zt::test::FreshDir dir;
        const QString folder = QDir(dir.path()).canonicalPath();
        const auto start = [&](QProcess& p) {
            p.setWorkingDirectory(folder);
            p.start(QStringLiteral(ZT_PROGRAM_PATH), QStringList());
            QVERIFY(p.waitForStarted(10000));
        };
        const auto lockedBy = [&](const QProcess& p) {
            return within10s([&] {
                const QByteArray lock = zt::test::fileBytes(dir.file("zentrima13.lock"));
                return lock.split('\n').value(0).toLongLong() == p.processId();
            });
        };
        const auto files = [&] {
            QStringList out;
            for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden))
                out << name + u'=' + zt::test::fileBytes(dir.file(name)).toHex();
            return out;
        };
        QProcess first, second, third;
        start(first);
        QVERIFY(lockedBy(first));
        const QStringList before = files();
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
        start(third);
        QVERIFY(lockedBy(third));
        third.kill();
        third.waitForFinished(10000);

        // Ended by the system (a kill, Ctrl+C, a logout), it closes as when
        // the board is closed, and its lock goes.
        for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
            QProcess copy;
            start(copy);
            QVERIFY(lockedBy(copy));
            QCOMPARE(::kill(pid_t(copy.processId()), signal), 0);
            QVERIFY(copy.waitForFinished(10000));
            QCOMPARE(copy.exitStatus(), QProcess::NormalExit);
            QCOMPARE(copy.exitCode(), 0);
            QVERIFY(!QFile::exists(dir.file("zentrima13.lock")));
        }
    }

    // Spins waiting for a file another program holds when the program is
    // killed are written at its next start, each once, in order.
    void waitingSpinsOutliveAKill()
    {
        zt::test::FreshDir dir;
        const QString folder = QDir(dir.path()).canonicalPath();
        zt::test::sql(zt::test::usciteTable);
        std::optional<zt::StoreConnection> locker(std::in_place);
        QVERIFY(locker->open(nullptr) && QSqlQuery(locker->database()).exec("BEGIN EXCLUSIVE"));
        QProcess helper;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(kHelperDir, folder);
        helper.setProcessEnvironment(env);
        helper.start(QCoreApplication::applicationFilePath(), {"enterSpinsWhileHeld"});
        QByteArray said;
        while (!said.contains("in attesa") && helper.waitForReadyRead(20000))
            said += helper.readAllStandardOutput();
        QVERIFY2(said.contains("5 uscite in attesa"), said.constData());
        helper.kill(); // SIGKILL, with five spins waiting
        QVERIFY(helper.waitForFinished(10000));
        locker.reset();

        QProcess program;
        program.setWorkingDirectory(folder);
        program.start(QStringLiteral(ZT_PROGRAM_PATH), QStringList());
        QVERIFY(within10s([&] { return !QFile::exists(dir.file("dati.mdb-attesa")); }));
        program.kill();
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(zt::test::sql("SELECT group_concat(trim(Numero) || '/' || trim(Memoria), ' ') "
                               "FROM Uscite u JOIN UsciteOra o ON o.id = u.id"),
                 QVariantList{"17/1 5/2 22/3 0/4 36/5"});
    }

    // Not a test of its own: the body of the helper process started above.
    void enterSpinsWhileHeld()
    {
        if (qEnvironmentVariableIsEmpty(kHelperDir))
            return;
        QDir::setCurrent(qEnvironmentVariable(kHelperDir));
        auto* board = zt::shared<zt::BoardWindow>();
        control<QCheckBox>(board, "Check8")->setChecked(true);
        for (int n : {17, 5, 22, 0, 36})
            board->sendSpin(QString::number(n));
        const QString waiting = control<QLabel>(board, "Attesa")->text().replace('\n', ' ');
        std::printf("%s\n", qPrintable(waiting));
        std::fflush(stdout);
        QTest::qWait(60000); // until killed
    }
};

ZT_WINDOWS_TEST_MAIN(LifetimeTest)
#include "tst_lifetime.moc"
