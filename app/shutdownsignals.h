#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <atomic>
#include <memory>
#include <thread>

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

// While a command of the command line runs (an export, an import, a report): the same signals,
// blocked in every thread, end it within a moment and say so, whatever it waits for (a pipe
// nobody writes, a locked record, a server). A transaction not committed is lost with the
// process, so the record stays as it was before the command.
class CommandInterruption {
public:
    CommandInterruption();
    ~CommandInterruption();
    CommandInterruption(const CommandInterruption&) = delete;
    CommandInterruption& operator=(const CommandInterruption&) = delete;

private:
    std::atomic<bool> m_finished = false;
    std::thread m_watcher;
};

} // namespace quintarlow
