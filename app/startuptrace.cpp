#include "startuptrace.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <chrono>
#include <cstdio>

namespace quintarlow {

namespace {

// Lets the window handle its first exposure (Qt paints and flushes the whole frame inside
// it), then notes the time and retires.
class FirstFrameTrace : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Expose)
            return false;
        watched->removeEventFilter(this);
        const bool handled = watched->event(event);
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        std::fprintf(stderr, "startup painted_ns=%lld platform=%s\n",
                     static_cast<long long>(std::chrono::nanoseconds(now).count()),
                     qPrintable(QGuiApplication::platformName()));
        std::fflush(stderr);
        deleteLater();
        return handled;
    }
};

} // namespace

void traceFirstFrame(QWidget& window) {
    if (!qEnvironmentVariableIsSet("QUINTARLOW_TRACE_STARTUP"))
        return;
    window.winId();
    if (QWindow* handle = window.windowHandle())
        handle->installEventFilter(new FirstFrameTrace(handle));
}

} // namespace quintarlow
