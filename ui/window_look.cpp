#include "window_look.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QWidget>

static void registerUiResources() {
    Q_INIT_RESOURCE(ui_resources);
}

namespace look {

void ensureResources() {
    static const bool registered = (registerUiResources(), true);
    (void)registered;
}

QIcon programIcon() {
    ensureResources();
    QIcon icon;
    for (const char* size : {"32", "64", "128", "256"}) {
        icon.addFile(QStringLiteral(":/icon/%1.png").arg(QLatin1String(size)));
    }
    return icon;
}

void installFontSubstitutes() {
    // Linux desktops rarely carry Verdana; DejaVu Sans is its closest free cousin.
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
}

QFont font(qreal pointSize, bool bold, bool underline) {
    QFont f(QStringLiteral("Verdana"));
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    f.setUnderline(underline);
    return f;
}

void applyWindowLook(QWidget* window, QSize clientSize) {
    ensureResources();
    window->setWindowTitle(kWindowCaption);
    window->setFont(font());
    // The windows were designed on the system window colour (the colour of
    // text areas), not the greyer dialog face.
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Base));
    window->setPalette(palette);
    window->setAutoFillBackground(true);
    window->setFixedSize(clientSize);
}

void setTextColor(QWidget* widget, QRgb color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, QColor(color));
    palette.setColor(QPalette::Text, QColor(color));
    widget->setPalette(palette);
}

void centerOnScreen(QWidget* window) {
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) {
        return;
    }
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

} // namespace look
