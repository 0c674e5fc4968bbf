#include "app/startuptrace.h"

#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <chrono>
#include <cstdio>
#include <utility>

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

// Lets the first exposure pass on to the window, and calls its function from the event loop
// after it.
class FirstFrameWatch : public QObject {
public:
    FirstFrameWatch(QObject* parent, std::function<void()> then)
        : QObject(parent), m_then(std::move(then)) {
        QTimer::singleShot(std::chrono::seconds(2), this, &FirstFrameWatch::fire);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Expose)
            QTimer::singleShot(0, this, &FirstFrameWatch::fire);
        return false;
    }

private:
    void fire() {
        parent()->removeEventFilter(this);
        if (const auto then = std::exchange(m_then, nullptr))
            then();
        deleteLater();
    }

    std::function<void()> m_then;
};

} // namespace

void afterFirstFrame(QWidget& window, std::function<void()> then) {
    window.winId();
    QWindow* handle = window.windowHandle();
    if (!handle) {
        QTimer::singleShot(0, &window, std::move(then));
        return;
    }
    handle->installEventFilter(new FirstFrameWatch(handle, std::move(then)));
}

void traceFirstFrame(QWidget& window) {
    if (!qEnvironmentVariableIsSet("QUINTARLOW_TRACE_STARTUP"))
        return;
    window.winId();
    if (QWindow* handle = window.windowHandle())
        handle->installEventFilter(new FirstFrameTrace(handle));
}

} // namespace quintarlow
