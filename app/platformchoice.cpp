#include "app/platformchoice.h"

namespace quintarlow {

namespace {

// Qt reads -platform and --platform, each followed by the plugin's name.
bool namesPlatform(const QStringList& arguments) {
    for (qsizetype index = 1; index + 1 < arguments.size(); ++index)
        if (arguments[index] == QLatin1String("-platform") ||
            arguments[index] == QLatin1String("--platform"))
            return true;
    return false;
}

} // namespace

PlatformChoice choosePlatform(const DisplayEnvironment& environment) {
    const bool wayland = environment.sessionType == QLatin1String("wayland") ||
                         !environment.waylandDisplay.isEmpty();
    if (!wayland || !environment.qtPlatform.isEmpty() || namesPlatform(environment.arguments))
        return PlatformChoice::LeaveToQt;
    return environment.display.isEmpty() ? PlatformChoice::XWaylandMissing : PlatformChoice::Xcb;
}

} // namespace quintarlow
