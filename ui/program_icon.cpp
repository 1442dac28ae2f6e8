#include "program_icon.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QResource>

namespace look {

QImage programIconImage(int size) {
    // Straight RGBA, 8 bits a channel, row after row: what the PNG of the
    // same size decodes to. Read in place, with no decoder: even a PNG named
    // as such has Qt's image reader list and open every installed image
    // plugin (JPEG, GIF, SVG, ...) first, before the window could appear.
    const QResource pixels(QStringLiteral(":/icon/qyamoretchart-%1.rgba").arg(size));
    // Stored uncompressed: anything else, or no such size, fails the length.
    if (size <= 0 || pixels.size() != qint64(size) * size * 4) {
        return {};
    }
    // Built into the program, the pixels last as long as it does.
    return QImage(pixels.data(), size, size, size * 4, QImage::Format_RGBA8888);
}

QIcon programIcon() {
    // Made once: every result and about window asks for it again.
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
                icon->addPixmap(QPixmap::fromImage(programIconImage(size)));
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
