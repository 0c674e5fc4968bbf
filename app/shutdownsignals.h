#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <memory>

namespace quintarlow {

// Turns SIGINT, SIGTERM and SIGHUP into a Qt signal on the main thread, so the game can close its
// windows and end with status 0 instead of dying mid-paint.
class ShutdownSignals : public QObject {
    Q_OBJECT
public:
    // Must run before any thread starts, so that every thread inherits the blocked mask and
    // the signals wait for the main loop.
    static void blockInEveryThread();

    explicit ShutdownSignals(QObject* parent = nullptr);
    ~ShutdownSignals() override;

Q_SIGNALS:
    void received();

private:
    void drain();

    int m_fd = -1;
    std::unique_ptr<QSocketNotifier> m_notifier;
};

} // namespace quintarlow
