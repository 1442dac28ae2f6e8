#include "program_icon.h"

#include <QCoreApplication>
#include <QImage>
#include <QPixmap>

namespace look {

QIcon programIcon() {
    // Decoded once: every result and about window asks for it again.
    static QIcon* icon = nullptr;
    if (!icon) {
        icon = new QIcon;
        // Up to four times the designed 32 pixels: X11 is sent every size as
        // raw pixels with each window, and a 256-pixel size would add 0.35 MiB
        // to the program's peak memory for no one's use; launchers and docks
        // take the theme's icon (256 pixels and scalable) from the desktop
        // entry. Largest first: on X11 Qt converts the sizes in this order
        // into one growing property, so the largest copy is made while that
        // is still empty, which keeps the peak lower.
        for (const char* size : {"128", "64", "32"}) {
            // Named as PNG: left to guess the format, the reader would first load
            // every image plugin (JPEG, GIF, SVG, ...) to ask each one.
            icon->addPixmap(QPixmap::fromImage(QImage(
                QStringLiteral(":/icon/qyamoretchart-%1.png").arg(QLatin1String(size)), "PNG")));
        }
        // Pixmaps must not outlive the application.
        qAddPostRoutine([] {
            delete icon;
            icon = nullptr;
        });
    }
    return *icon;
}

} // namespace look
