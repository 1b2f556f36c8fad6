#pragma once

#include <QElapsedTimer>
#include <QString>

#include <atomic>
#include <cstdint>
#include <functional>

namespace zt {

// Work done on another thread while this one shows how far it has got, on
// standard error when that is a terminal and the work lasts over a second:
// "Lettura delle uscite…" while reading, then the line that describe()
// makes of the work done, the whole of it, its rate per second and the
// seconds left (negative: not known yet).
class Progress {
public:
    using Describe = std::function<QString(std::int64_t done, std::int64_t total, double rate,
                                           double secondsLeft)>;
    explicit Progress(Describe describe = {});

    std::atomic<std::int64_t> done{0};

    // The work proper begins (the rows read): `total` to go.
    void start(std::int64_t total);

    // Runs the work on a thread of its own and waits for it to end.
    void run(const std::function<void()>& work);

private:
    void show();

    Describe describe_;
    QElapsedTimer clock_;
    std::atomic<std::int64_t> total_{0}; // 0 while the rows are read
    std::atomic<std::int64_t> startMs_{0};
};

} // namespace zt
