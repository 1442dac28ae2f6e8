#include "url_opener.h"

#include "wayland_frames.h"

#include <QDesktopServices>
#include <QUrl>

void DesktopUrlOpener::open(const QUrl& url) {
    // On X11 and Wayland desktops this starts xdg-open detached and returns at
    // once; a missing or failing browser only makes it return false, which
    // nobody needs to hear about.
    inUserEnvironment([&url] { QDesktopServices::openUrl(url); });
}
