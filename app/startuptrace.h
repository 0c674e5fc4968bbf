#pragma once

class QWidget;

namespace quintarlow {

// Opt-in start-up timing for bench/run: when QUINTARLOW_TRACE_STARTUP is set, the moment the
// window's first exposure has been painted and handed to the window system is written to
// standard error as "startup painted_ns=N platform=P", N on the monotonic clock shared by every
// process and P the window system Qt drew on ("xcb" for X11 and XWayland). Does nothing
// otherwise.
void traceFirstFrame(QWidget& window);

} // namespace quintarlow
