#pragma once

#include "media/notifier.h"

namespace quintarlow {

// The desktop's notification service (org.freedesktop.Notifications on the session bus). The
// call is sent without waiting for a reply: with no bus or no service, nothing is shown and
// nothing waits.
class DesktopNotifier final : public Notifier {
public:
    void notify(const QString& summary, const QString& body) override;
};

} // namespace quintarlow
