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

#include <cstdio>

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

} // namespace

int runProgram(int argc, char** argv)
{
    if (isCommandLine(argc, argv))
        return runCommandLine(argc, argv);
    QApplication app(argc, argv);
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
