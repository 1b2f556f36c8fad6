#pragma once
// The end the system asks for (SIGTERM: a plain kill, a shutdown; SIGHUP: a
// logout, a closed terminal; SIGINT: Ctrl+C) taken as the player's close:
// the signal only wakes the event loop, which then runs `end`.

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace zt {

class EndSignals : public QObject {
    Q_OBJECT
public:
    // From now on the three signals are caught; until onSignal is given, one
    // that comes waits for it.
    explicit EndSignals(QObject* parent = nullptr);
    ~EndSignals() override;

    // What the first signal does (later ones do nothing: the end is under way).
    void onSignal(std::function<void()> end);

private:
    void woken();

    QSocketNotifier* notifier_ = nullptr;
    std::function<void()> end_;
    bool pending_ = false;
    bool ended_ = false;
};

} // namespace zt
