// Native Wayland under Qt 6.4: keeping the compositor's resizes whole on a
// busy machine.
#pragma once

#include <functional>

// Qt 6.4's Wayland plugin counts a window as hidden while the compositor has
// not answered its last frame within 100 ms, which a busy machine easily
// takes. A resize the compositor asks for meanwhile (maximise, full screen,
// restore) is then acknowledged without sending the window's new geometry,
// and the next frame commits the old one; weston takes that as a protocol
// error and ends the program ("xdg_surface geometry (512 x 343) does not
// match the configured maximized state (1024 x 736)"). On Wayland this turns
// the timeout off, whatever the environment says, for every window made
// afterwards: call it before the first one. Elsewhere it does nothing.
void keepWaylandWindowsExposed();

// Runs `start` in the environment the user gave the program, so that a
// program it starts (the browser) inherits none of the above.
void inUserEnvironment(const std::function<void()>& start);
