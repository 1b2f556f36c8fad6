#include "app/startup.h"

#include "app/commands.h"
#include "app/language.h"
#include "app/wiring.h"
#include "endsignals.h"

#include <QApplication>
#include <QDir>
#include <QLockFile>
#include <QMessageBox>
#include <QTextDocument>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace zt {

namespace {

// Held for the whole run in the working folder, so that a second copy started
// there does not read numero.txt and record its spins a second time.
const char* const kLockFileName = "zentrima13.lock";

// A copy already runs in the working folder: says so (on standard error, and
// in a message box where somebody can see one) and touches no file.
void reportAlreadyOpen()
{
    const QString text = QStringLiteral("Zentrima 13 è già aperto nella cartella %1.")
                             .arg(QDir::toNativeSeparators(QDir::currentPath()));
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    const QString platform = QGuiApplication::platformName();
    if (platform != u"offscreen" && platform != u"minimal")
        QMessageBox::warning(nullptr, QStringLiteral("Zentrima 13"),
                             Qt::convertFromPlainText(text));
}

// A standard stream the caller closed (">&-") is held by /dev/null opened the
// wrong way round: no file opened later takes its number (and gets what was
// meant for the stream), and writing to it fails as it should.
void holdClosedStandardStreams()
{
    for (int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(fd, F_GETFD) == -1 && errno == EBADF)
            ::open("/dev/null", fd == STDIN_FILENO ? O_WRONLY : O_RDONLY);
    }
}

QString environment(const char* name)
{
    return qEnvironmentVariable(name);
}

// Why the windows cannot be shown, in one line, or nothing when a display (or
// a platform chosen by QT_QPA_PLATFORM) may show them.
QString noDisplayProblem()
{
    if (!environment("QT_QPA_PLATFORM").isEmpty() || !environment("DISPLAY").isEmpty() ||
        !environment("WAYLAND_DISPLAY").isEmpty())
        return {};
    return QStringLiteral("non c'è uno schermo (DISPLAY non è impostato)");
}

// The messages of the window system while the application starts: held, and
// given on only when it has started.  A platform that cannot start (a display
// that does not answer) ends the program with one line, not an abort.
std::vector<std::pair<QtMsgType, QString>> startMessages;

void noWindows(const QString& why)
{
    std::fprintf(stderr, "%s\n",
                 QStringLiteral("Zentrima 13 non può aprire le sue finestre: %1. Senza schermo si "
                                "avvia con \"xvfb-run -a zentrima13\"; i comandi (zentrima13 "
                                "--help) non ne hanno bisogno.")
                     .arg(why)
                     .toLocal8Bit()
                     .constData());
}

void holdStartMessage(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type != QtFatalMsg) {
        startMessages.emplace_back(type, text);
        return;
    }
    const QString platform = environment("QT_QPA_PLATFORM");
    const QString display =
        environment(environment("DISPLAY").isEmpty() ? "WAYLAND_DISPLAY" : "DISPLAY");
    noWindows(!platform.isEmpty()
                  ? QStringLiteral("la piattaforma grafica «%1» non si avvia").arg(platform)
                  : QStringLiteral("lo schermo «%1» non risponde").arg(display));
    std::_Exit(1);
}

void giveStartMessages()
{
    for (const auto& [type, text] : std::exchange(startMessages, {})) {
        if (type == QtWarningMsg || type == QtCriticalMsg)
            qWarning("%s", qUtf8Printable(text));
    }
}

} // namespace

int runProgram(int argc, char** argv)
{
    holdClosedStandardStreams();
    if (isCommandLine(argc, argv))
        return runCommandLine(argc, argv);
    if (const QString why = noDisplayProblem(); !why.isEmpty()) {
        noWindows(why);
        return 1;
    }
    const QtMessageHandler previous = qInstallMessageHandler(holdStartMessage);
    QApplication app(argc, argv);
    qInstallMessageHandler(previous);
    giveStartMessages();
    QApplication::setApplicationName(QStringLiteral("Zentrima13"));
    loadTranslations(QStringLiteral("it"));
    // Before the lock is taken: from then on a kill or a logout closes the
    // board as its close box does, and the lock goes with it.
    EndSignals endSignals;
    // The main board decides when the program ends (closing it ends the run).
    QApplication::setQuitOnLastWindowClosed(false);
    // Taken before any window exists, so before the exchange-file timer runs.
    // A lock left by a copy that was killed or lost its power is taken over:
    // its process is gone, or (an unreadable lock) it is older than the stale
    // time; a running copy keeps its lock however old it is.  Where no lock
    // can be created at all (no permission, full disk) nothing can be
    // recorded either: the program runs without one there.
    QLockFile lock(QDir::current().absoluteFilePath(QString::fromLatin1(kLockFileName)));
    if (!lock.tryLock(0) && lock.error() == QLockFile::LockFailedError) {
        reportAlreadyOpen();
        return 1;
    }
    AppLinks links;
    endSignals.onSignal([&links] { links.window(Links::Window::Board)->close(); });
    links.show(Links::Window::Board);
    return QApplication::exec();
}

} // namespace zt
