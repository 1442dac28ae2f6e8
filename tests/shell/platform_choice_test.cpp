#include "platform_choice.h"

#include <gtest/gtest.h>

namespace {
DisplayEnvironment env(std::string_view qpa, std::string_view wayland, std::string_view session,
                       std::string_view x11) {
    return {qpa, wayland, session, x11};
}
} // namespace

TEST(PlatformChoice, WaylandSessionWithAnXServerPrefersX11WithWaylandAsFallback) {
    EXPECT_EQ(preferredPlatform(env("", "wayland-0", "wayland", ":0")), "xcb;wayland");
    EXPECT_EQ(preferredPlatform(env("", "wayland-0", "", ":0")), "xcb;wayland")
        << "a compositor socket alone marks the session";
    EXPECT_EQ(preferredPlatform(env("", "", "wayland", ":1")), "xcb;wayland")
        << "the session type alone marks it";
}

TEST(PlatformChoice, TheUsersChoiceAlwaysWins) {
    EXPECT_EQ(preferredPlatform(env("wayland", "wayland-0", "wayland", ":0")), "");
    EXPECT_EQ(preferredPlatform(env("xcb", "", "x11", ":0")), "");
    EXPECT_EQ(preferredPlatform(env("offscreen", "wayland-0", "wayland", ":0")), "");
}

TEST(PlatformChoice, QtDecidesWithoutAnXServerOrOutsideWayland) {
    EXPECT_EQ(preferredPlatform(env("", "wayland-0", "wayland", "")), "")
        << "no XWayland: native Wayland is all there is";
    EXPECT_EQ(preferredPlatform(env("", "", "x11", ":0")), "");
    EXPECT_EQ(preferredPlatform(env("", "", "tty", "")), "");
    EXPECT_EQ(preferredPlatform(env("", "", "", "")), "");
}
