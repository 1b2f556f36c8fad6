#include "endsignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace zt {

namespace {

// The two ends of the wake-up line: the handler writes into the first, the
// event loop reads the second.
int wakeLine[2] = {-1, -1};

const int caught[] = {SIGTERM, SIGINT, SIGHUP};

// Only what is safe inside a signal handler: one byte written.
void wake(int signal)
{
    const int saved = errno;
    const char byte = char(signal);
    [[maybe_unused]] const ssize_t written = ::write(wakeLine[0], &byte, 1);
    errno = saved;
}

} // namespace

EndSignals::EndSignals(QObject* parent) : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, wakeLine) != 0)
        return; // the signals keep their usual effect
    notifier_ = new QSocketNotifier(wakeLine[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &EndSignals::woken);
    struct sigaction action = {};
    action.sa_handler = wake;
    sigemptyset(&action.sa_mask);
    // A second signal while the first is being dealt with ends the program at once.
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    for (int signal : caught)
        ::sigaction(signal, &action, nullptr);
}

EndSignals::~EndSignals()
{
    if (!notifier_)
        return;
    struct sigaction usual = {};
    usual.sa_handler = SIG_DFL;
    for (int signal : caught)
        ::sigaction(signal, &usual, nullptr);
    delete notifier_; // before the line it watches is closed
    ::close(wakeLine[0]);
    ::close(wakeLine[1]);
    wakeLine[0] = wakeLine[1] = -1;
}

void EndSignals::onSignal(std::function<void()> end)
{
    end_ = std::move(end);
    if (pending_)
        woken();
}

void EndSignals::woken()
{
    char bytes[16];
    while (::read(wakeLine[1], bytes, sizeof bytes) > 0) {
    }
    pending_ = !end_;
    if (!end_ || ended_)
        return;
    ended_ = true;
    end_();
}

} // namespace zt
