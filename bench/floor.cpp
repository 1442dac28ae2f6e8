// The floor: the least a Qt Widgets program can do to show a window like the
// main window (same client size, same caption, the same five inputs). Start-up
// and memory of the real program are judged against this.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    // The caption the start-up benchmark looks for, as on the real window.
    window.setWindowTitle(QStringLiteral("QY Amoret Chart v1.0"));
    window.setFixedSize(506, 310);
    auto* name = new QLineEdit(&window);
    name->setGeometry(110, 143, 207, 23);
    auto* day = new QComboBox(&window);
    day->setGeometry(110, 170, 43, 21);
    auto* month = new QComboBox(&window);
    month->setGeometry(157, 170, 87, 21);
    auto* year = new QComboBox(&window);
    year->setGeometry(248, 170, 73, 21);
    auto* proceed = new QPushButton(QStringLiteral("Proceed"), &window);
    proceed->setGeometry(117, 204, 271, 25);
    window.show();
    return QApplication::exec();
}
