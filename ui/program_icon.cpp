#include "program_icon.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QPixmap>

namespace look {

QIcon programIcon() {
    // Decoded once: every result and about window asks for it again.
    static QIcon* icon = nullptr;
    if (!icon) {
        icon = new QIcon;
        // The designed 32 pixels, and the larger copies that only a screen of
        // higher density draws from (64 beyond 1x, 128 beyond 2x). X11 is sent
        // every size as raw pixels with each window, before it appears;
        // launchers and docks take the theme's icon (256 pixels and scalable)
        // from the desktop entry.
        const qreal density = qGuiApp->devicePixelRatio();
        for (const int size : {32, 64, 128}) {
            if (size < 64 * density) {
                QImageReader reader(QStringLiteral(":/icon/qyamoretchart-%1.png").arg(size), "PNG");
                // Told the format and not to guess it, the reader decodes the
                // PNG itself. Left free to guess, even with the format named,
                // it would first load every image plugin (JPEG, GIF, SVG, ...)
                // to ask each one, before the window could appear.
                reader.setAutoDetectImageFormat(false);
                icon->addPixmap(QPixmap::fromImage(reader.read()));
            }
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
