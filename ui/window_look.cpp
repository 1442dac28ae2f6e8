#include "window_look.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPalette>
#include <QPixmap>
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
    // Decoded once: every result and about window asks for it again.
    static QIcon* icon = nullptr;
    if (!icon) {
        ensureResources();
        icon = new QIcon;
        for (const char* size : {"32", "64", "128", "256"}) {
            // Named as PNG: left to guess the format, the reader would first load
            // every image plugin (JPEG, GIF, SVG, ...) to ask each one.
            icon->addPixmap(QPixmap::fromImage(
                QImage(QStringLiteral(":/icon/%1.png").arg(QLatin1String(size)), "PNG")));
        }
        // Pixmaps must not outlive the application.
        qAddPostRoutine([] {
            delete icon;
            icon = nullptr;
        });
    }
    return *icon;
}

void installFontSubstitutes() {
    // Linux desktops rarely carry Verdana; DejaVu Sans is its closest free cousin.
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
}

// Verdana where the system has it, else its substitute by name. The face
// drawn is the same either way, but a family the font database lacks sends
// every new font through fontconfig's fallback rules first, which makes
// finding it more than half as dear again.
static QString baseFamily() {
    static const QString family = [] {
        const QString verdana = QStringLiteral("Verdana");
        return QFontDatabase::families().contains(verdana, Qt::CaseInsensitive)
                   ? verdana
                   : QFont::substitute(verdana);
    }();
    return family;
}

QFont font(qreal pointSize, bool bold, bool underline) {
    QFont f(baseFamily());
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

namespace {
// Places a top-level window in the middle of the screen it appears on.
void centerOnScreen(QWidget* window) {
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) {
        return;
    }
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

class CentreOnFirstShow final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            centerOnScreen(static_cast<QWidget*>(watched));
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }
};
} // namespace

void centerWhenFirstShown(QWidget* window) {
    window->installEventFilter(new CentreOnFirstShow(window));
}

} // namespace look
