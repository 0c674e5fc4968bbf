#pragma once

#include <functional>

class QWidget;

namespace quintarlow {

// Opt-in start-up timing for bench/run: when QUINTARLOW_TRACE_STARTUP is set, the moment the
// window's first exposure has been painted and handed to the window system is written to
// standard error as "startup painted_ns=N platform=P", N on the monotonic clock shared by every
// process and P the window system Qt drew on ("xcb" for X11 and XWayland). Does nothing
// otherwise.
void traceFirstFrame(QWidget& window);

// Calls `then` from the event loop once the window's first exposure has been painted and handed
// to the window system, or after two seconds if it never is: work started there cannot slow the
// first frame down.
void afterFirstFrame(QWidget& window, std::function<void()> then);

} // namespace quintarlow
