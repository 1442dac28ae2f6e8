// Which Qt platform the program starts on in a Wayland session.
#pragma once

#include <string_view>

// The environment values that decide it; a missing variable is empty.
struct DisplayEnvironment {
    std::string_view qpaPlatform;    // QT_QPA_PLATFORM
    std::string_view waylandDisplay; // WAYLAND_DISPLAY
    std::string_view sessionType;    // XDG_SESSION_TYPE
    std::string_view x11Display;     // DISPLAY
};

// In a Wayland session that also offers an X server (XWayland), the program
// prefers X11: there it is placed in the centre of the screen, and window
// managers honour its fixed size and offer no maximise button, while Qt's own
// Wayland title bar offers maximise on every window and cuts short captions.
// Native Wayland stays the fallback should X11 fail to start. A platform the
// user chose always wins. Empty: leave the choice to Qt.
inline std::string_view preferredPlatform(const DisplayEnvironment& env) {
    if (!env.qpaPlatform.empty() || env.x11Display.empty()) {
        return {};
    }
    if (env.waylandDisplay.empty() && env.sessionType != "wayland") {
        return {};
    }
    return "xcb;wayland";
}
