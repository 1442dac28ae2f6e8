// The program as it starts for a user, except that its message boxes are
// answered at once and their texts written to standard output, so that tests
// can start many real processes without a person to click. It prints
// "started" when the event loop begins, which is after start-up has written
// the settings and shown the main window.
// With QYAC_HOST_NEVER_DRAWN set, no window is ever drawn, as for a program
// started minimised or on another desktop.
#include "prompter.h"
#include "run_application.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

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
// Swallows every exposure and paint before any other filter sees it.
class NeverDrawn final : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* event) override {
        return event->type() == QEvent::Expose || event->type() == QEvent::Paint ||
               event->type() == QEvent::UpdateRequest;
    }
};
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    NeverDrawn neverDrawn;
    if (qEnvironmentVariableIsSet("QYAC_HOST_NEVER_DRAWN")) {
        app.installEventFilter(&neverDrawn);
    }
    PrintingPrompter prompter;
    QTimer::singleShot(0, [] {
        std::printf("started\n");
        std::fflush(stdout);
    });
    return runApplication(prompter);
}
