#include "app/startup.h"

#include "app/commands.h"
#include "app/language.h"
#include "app/wiring.h"
#include "endsignals.h"

#include "core/savefile.h"
#include "windows/boardwindow.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QLockFile>
#include <QMessageBox>
#include <QTextDocument>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace zt {

namespace {

const char* const kContext = "Startup";

QString text(const char* source)
{
    return earlyText(kContext, source);
}

// Held for the whole run in the working folder, so that a second copy started
// there does not read numero.txt and record its spins a second time.
const char* const kLockFileName = "zentrima13.lock";

// A copy already runs in the working folder: says so (on standard error, and
// in a message box where somebody can see one) and touches no file.
void reportAlreadyOpen()
{
    const QString message =
        text(QT_TRANSLATE_NOOP("Startup", "Zentrima 13 è già aperto nella cartella %1."))
            .arg(QDir::toNativeSeparators(QDir::currentPath()));
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    const QString platform = QGuiApplication::platformName();
    if (platform != u"offscreen" && platform != u"minimal")
        QMessageBox::warning(nullptr, QStringLiteral("Zentrima 13"),
                             Qt::convertFromPlainText(message));
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
    return text(QT_TRANSLATE_NOOP("Startup", "non c'è uno schermo (DISPLAY non è impostato)"));
}

// The messages of the window system while the application starts: held, and
// given on only when it has started.  A platform that cannot start (a display
// that does not answer) ends the program with one line, not an abort.
std::vector<std::pair<QtMsgType, QString>> startMessages;

void noWindows(const QString& why)
{
    std::fprintf(stderr, "%s\n",
                 text(QT_TRANSLATE_NOOP("Startup",
                                        "Zentrima 13 non può aprire le sue finestre: %1. Senza "
                                        "schermo si avvia con \"xvfb-run -a zentrima13\"; i "
                                        "comandi (zentrima13 --help) non ne hanno bisogno."))
                     .arg(why)
                     .toLocal8Bit()
                     .constData());
}

void holdStartMessage(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type != QtFatalMsg) {
        startMessages.emplace_back(type, message);
        return;
    }
    const QString platform = environment("QT_QPA_PLATFORM");
    const QString display =
        environment(environment("DISPLAY").isEmpty() ? "WAYLAND_DISPLAY" : "DISPLAY");
    noWindows(!platform.isEmpty()
                  ? text(QT_TRANSLATE_NOOP("Startup", "la piattaforma grafica «%1» non si avvia"))
                        .arg(platform)
                  : text(QT_TRANSLATE_NOOP("Startup", "lo schermo «%1» non risponde")).arg(display));
    std::_Exit(1);
}

void giveStartMessages()
{
    for (const auto& [type, message] : std::exchange(startMessages, {})) {
        if (type == QtWarningMsg || type == QtCriticalMsg)
            qWarning("%s", qUtf8Printable(message));
    }
}

// Makes the folder the working folder, creating it (and the folders above it)
// when missing; why it cannot be, or nothing.
QString enterFolder(const QString& folder)
{
    const QString shown = QDir::toNativeSeparators(QDir::cleanPath(folder));
    const QFileInfo info(folder);
    if (info.exists() && !info.isDir())
        return text(QT_TRANSLATE_NOOP("Startup",
                                      "Zentrima 13 non può lavorare in %1: non è una cartella."))
            .arg(shown);
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(QFile::encodeName(folder).toStdString()),
                                        error);
    if (error)
        return text(QT_TRANSLATE_NOOP("Startup",
                                      "Zentrima 13 non può creare la cartella %1: %2."))
            .arg(shown, systemProblem(error.value()));
    if (!QDir::setCurrent(folder)) {
        const int cause = errno;
        return text(QT_TRANSLATE_NOOP("Startup",
                                      "Zentrima 13 non può lavorare nella cartella %1: %2."))
            .arg(shown, systemProblem(cause));
    }
    return {};
}

} // namespace

int runProgram(int argc, char** argv)
{
    holdClosedStandardStreams();
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const StartRequest request = readStartRequest(arguments);
    if (!request.windows)
        return runCommandLine(argc, argv);
    if (!request.folder.isEmpty()) {
        // Its settings are not read before the folder is entered.
        useLanguage(request.language.value_or(systemLanguage()));
        if (const QString why = enterFolder(request.folder); !why.isEmpty()) {
            std::fprintf(stderr, "%s\n", why.toLocal8Bit().constData());
            return 1;
        }
    }
    // In the working folder: the language chosen in its settings counts.
    useLanguage(chosenLanguage(request.language));
    if (const QString why = noDisplayProblem(); !why.isEmpty()) {
        noWindows(why);
        return 1;
    }
    const QtMessageHandler previous = qInstallMessageHandler(holdStartMessage);
    QApplication app(argc, argv);
    qInstallMessageHandler(previous);
    giveStartMessages();
    QApplication::setApplicationName(QStringLiteral("Zentrima13"));
    // The menu entry's name, which desktops match the windows with, and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.zentrima13.Zentrima13"));
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1.png").arg(size));
    QApplication::setWindowIcon(icon);
    installLanguage();
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
    if (request.readScreen)
        static_cast<BoardWindow*>(links.window(Links::Window::Board))
            ->startReading(*request.readScreen);
    return QApplication::exec();
}

} // namespace zt
