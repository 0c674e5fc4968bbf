#pragma once

#include <QString>
#include <QStringList>

namespace quintarlow {

// What the game knows, before Qt starts, about the display it is about to use.
struct DisplayEnvironment {
    QString sessionType{};    // XDG_SESSION_TYPE
    QString waylandDisplay{}; // WAYLAND_DISPLAY
    QString display{};        // DISPLAY: set when an X server (on Wayland, XWayland) is there
    QString qtPlatform{};     // QT_QPA_PLATFORM
    QStringList arguments{};  // the command line, program name first
};

enum class PlatformChoice {
    LeaveToQt,       // not a Wayland session, or the user named a platform
    Xcb,             // a Wayland session: run through XWayland
    XWaylandMissing, // a Wayland session with no X server: Qt chooses, and the user is told
};

// Wayland lets no program place its own windows or keep one below the others, and the game's
// screens depend on both: its backdrop stays behind the board and every screen sits where the
// game puts it. On a Wayland session the game therefore runs through XWayland, unless the user
// asked for a platform with QT_QPA_PLATFORM or Qt's -platform option.
PlatformChoice choosePlatform(const DisplayEnvironment& environment);

} // namespace quintarlow
