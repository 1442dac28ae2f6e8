// The program as it starts for a user, except that its message boxes are
// answered at once and their texts written to standard output, so that tests
// can start many real processes without a person to click. It prints
// "started" once start-up has shown the main window and written the settings.
#include "prompter.h"
#include "run_application.h"

#include <QApplication>

#include <cstdio>

namespace {
class PrintingPrompter final : public Prompter {
public:
    void inform(const QString& text) override { print("box", text); }
    bool askYesNo(const QString& text) override {
        print("question", text);
        return false;
    }

private:
    static void print(const char* kind, const QString& text) {
        std::printf("%s: %s\n", kind, qPrintable(text));
        std::fflush(stdout);
    }
};
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    PrintingPrompter prompter;
    return runApplication(prompter, [] {
        std::printf("started\n");
        std::fflush(stdout);
    });
}
