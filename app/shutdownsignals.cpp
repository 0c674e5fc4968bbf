#include "app/shutdownsignals.h"

#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <sys/signalfd.h>
#include <unistd.h>

namespace quintarlow {

namespace {

// SIGHUP comes with a session's logout or a closed terminal: the player is gone, but the game
// still ends as tidily as when asked to. SIGQUIT is left alone, to dump core as it is meant to.
sigset_t shutdownSet() {
    sigset_t set;
    sigemptyset(&set);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        sigaddset(&set, signal);
    return set;
}

} // namespace

void ShutdownSignals::blockInEveryThread() {
    const sigset_t set = shutdownSet();
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
}

ShutdownSignals::ShutdownSignals(QObject* parent) : QObject(parent) {
    const sigset_t set = shutdownSet();
    m_fd = signalfd(-1, &set, SFD_NONBLOCK | SFD_CLOEXEC);
    if (m_fd < 0)
        return;
    m_notifier = std::make_unique<QSocketNotifier>(m_fd, QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &ShutdownSignals::drain);
}

ShutdownSignals::~ShutdownSignals() {
    m_notifier.reset();
    if (m_fd >= 0)
        ::close(m_fd);
}

void ShutdownSignals::drain() {
    signalfd_siginfo info{};
    bool any = false;
    while (::read(m_fd, &info, sizeof info) == static_cast<ssize_t>(sizeof info))
        any = true;
    if (any)
        Q_EMIT received();
}

CommandInterruption::CommandInterruption()
    : m_watcher([this] {
          const sigset_t set = shutdownSet();
          // Woken ten times a second to see whether the command has finished.
          const timespec tenth{0, 100'000'000};
          while (!m_finished) {
              const int signal = sigtimedwait(&set, nullptr, &tenth);
              if (signal <= 0)
                  continue;
              std::fprintf(stderr,
                           "quintarlow: stopped by SIG%s before the command finished; what it had "
                           "not finished is not kept\n",
                           sigabbrev_np(signal));
              std::fflush(stderr);
              std::_Exit(128 + signal);
          }
      }) {}

CommandInterruption::~CommandInterruption() {
    m_finished = true;
    m_watcher.join();
}

} // namespace quintarlow
