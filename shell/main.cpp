// QY Amoret Chart: a Chinese-astrology Peach Blossom romance reading for a
// birth date. The program takes no command-line arguments.
#include "prompter.h"
#include "run_application.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    MessageBoxPrompter prompter;
    return runApplication(prompter);
}
