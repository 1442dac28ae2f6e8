// The design floor: the main window as designed, built by hand with Qt
// Widgets alone (design_floor_window.h), in the least program that shows it.
#include "design_floor_window.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const std::unique_ptr<QWidget> window = designFloorWindow();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        window->move(screen->availableGeometry().center() - window->rect().center());
    }
    window->show();
    return QApplication::exec();
}
