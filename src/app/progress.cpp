#include "progress.h"

#include <QCoreApplication>

#include <unistd.h>

#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <thread>

namespace zt {

Progress::Progress(Describe describe) : describe_(std::move(describe))
{
    clock_.start();
}

void Progress::start(std::int64_t total)
{
    startMs_ = clock_.elapsed();
    total_ = total;
}

void Progress::run(const std::function<void()>& work)
{
    bool finished = false;
    std::mutex m;
    std::condition_variable cv;
    std::thread worker([&] {
        work();
        std::lock_guard lock(m);
        finished = true;
        cv.notify_one();
    });
    const bool terminal = ::isatty(STDERR_FILENO);
    bool shown = false;
    std::unique_lock lock(m);
    while (!cv.wait_for(lock, std::chrono::milliseconds(250), [&] { return finished; })) {
        if (terminal && clock_.elapsed() >= 1000) {
            show();
            shown = true;
        }
    }
    lock.unlock();
    worker.join();
    if (shown)
        std::fprintf(stderr, "\r\033[K");
}

void Progress::show()
{
    const std::int64_t total = total_.load();
    const std::int64_t now = done.load();
    const double seconds = (clock_.elapsed() - startMs_.load()) / 1000.0;
    QString line;
    if (total == 0) {
        line = QCoreApplication::translate("Verify", "Lettura delle uscite…");
    } else {
        const double rate = seconds > 0 ? now / seconds : 0;
        const double left = rate > 0 ? std::ceil((total - now) / rate) : -1;
        if (describe_) {
            line = describe_(now, total, rate, left);
        } else {
            line =
                QCoreApplication::translate("Verify", "%1 di %2 righe, %3 righe/s, %4 s rimanenti")
                    .arg(now)
                    .arg(total)
                    .arg(QString::number(rate, 'f', 0),
                         left >= 0 ? QString::number(left, 'f', 0) : QStringLiteral("?"));
        }
    }
    std::fprintf(stderr, "\r\033[K%s", line.toLocal8Bit().constData());
    std::fflush(stderr);
}

} // namespace zt
