#include "window_frame.h"

#include "captions.h"
#include "colours.h"
#include "fonts.h"
#include "program_icon.h"

#include <QApplication>
#include <QGridLayout>
#include <QMainWindow>
#include <QScreen>
#include <QWidget>

namespace look {

QWidget* applyWindowLook(QWidget* window, QSize clientSize) {
    window->setWindowTitle(windowCaption());
    // Its title bar, the task bar and the window switcher show the program's icon.
    window->setWindowIcon(programIcon());
    window->setFont(font());
    window->setPalette(windowPalette(QApplication::palette()));
    window->setAutoFillBackground(true);

    QWidget* host = window;
    if (auto* mainWindow = qobject_cast<QMainWindow*>(window)) {
        host = new QWidget(mainWindow);
        mainWindow->setCentralWidget(host);
    }
    auto* client = new QWidget(host);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(clientSize);
    auto* layout = new QGridLayout(host);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(client, 0, 0, Qt::AlignCenter);

    // A Wayland compositor may maximise any window and ends the connection of
    // one that keeps another size, so there the window only has a minimum.
    const bool compositorSizes =
        QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    window->layout()->setSizeConstraint(compositorSizes ? QLayout::SetMinimumSize
                                                        : QLayout::SetFixedSize);
    window->layout()->activate();
    return client;
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

class CenterOnFirstShow final : public QObject {
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
    window->installEventFilter(new CenterOnFirstShow(window));
}

} // namespace look
