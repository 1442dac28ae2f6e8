// The program as it starts for a user, with its real message boxes, driven
// by a script: every window (main, the refusal box for an empty name, result,
// about box) is maximised, made full screen and minimised, and restored after
// each. After each step the window must be back at its size from before and
// still paint. One line per step goes to standard output before the step, so
// that when the compositor drops the connection the last line names the
// window that died. Prints "alive" at the end.
//   wayland_host [main] [box] [result] [about]    (all when none is named)
#include "frm_about.h"
#include "frm_main.h"
#include "frm_peach_blossom_result.h"
#include "prompter.h"
#include "run_application.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <deque>
#include <functional>
#include <set>
#include <string>

namespace {

void say(const QString& line) {
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

QString sizeText(const QSize& size) {
    return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
}

// Counts paints of one widget: a window that still answers repaints after
// update().
class PaintCounter final : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
        }
        return false;
    }
};

// Runs asynchronous steps one after another; each calls `next` when done.
// Everything runs from timers, so it goes on inside the modal loops of the
// about box and the message boxes.
class Script final : public QObject {
public:
    using Next = std::function<void()>;
    using Step = std::function<void(Next)>;

    void add(Step step) { steps_.push_back(std::move(step)); }
    void start() {
        QTimer::singleShot(0, this, [this] { runNext(); });
    }

    // Polls `ready` every 20 ms; calls `then` with whether it came true in time.
    void waitFor(std::function<bool()> ready, int timeoutMs, std::function<void(bool)> then) {
        auto clock = std::make_shared<QElapsedTimer>();
        clock->start();
        auto poll = std::make_shared<std::function<void()>>();
        *poll = [this, ready, timeoutMs, then, clock, poll] {
            if (ready()) {
                then(true);
            } else if (clock->elapsed() > timeoutMs) {
                then(false);
            } else {
                QTimer::singleShot(20, this, *poll);
            }
        };
        QTimer::singleShot(0, this, *poll);
    }
    void pause(int ms, Next then) { QTimer::singleShot(ms, this, std::move(then)); }

    int failures = 0;
    void fail(const QString& what) {
        ++failures;
        say(QStringLiteral("FAIL ") + what);
    }

private:
    void runNext() {
        if (steps_.empty()) {
            return;
        }
        Step step = std::move(steps_.front());
        steps_.pop_front();
        step([this] { QTimer::singleShot(0, this, [this] { runNext(); }); });
    }

    std::deque<Step> steps_;
};

enum class Change { Maximise, FullScreen, Minimise };

const char* changeName(Change change) {
    switch (change) {
    case Change::Maximise:
        return "maximise";
    case Change::FullScreen:
        return "fullscreen";
    case Change::Minimise:
        return "minimise";
    }
    return "";
}

// How long the compositor gets to answer a state change; a protocol error
// comes back within a round trip, far sooner.
constexpr int kStateTimeoutMs = 3000;
constexpr int kSettleMs = 300;

// Adds the steps that change `window`'s state and restore it, checking after
// each restore that its size is the one from before and that it repaints.
void exercise(Script& script, const QString& name, std::function<QWidget*()> find) {
    auto window = std::make_shared<QPointer<QWidget>>();
    auto before = std::make_shared<QSize>();
    script.add([&script, name, find, window, before](Script::Next next) {
        script.waitFor(
            [find, window] {
                *window = find();
                return *window && (*window)->windowHandle() &&
                       (*window)->windowHandle()->isExposed();
            },
            10000,
            [&script, name, window, before, next](bool shown) {
                if (!shown) {
                    script.fail(name + QStringLiteral(": never shown"));
                    std::fflush(nullptr);
                    std::_Exit(1);
                }
                *before = (*window)->size();
                say(name + QStringLiteral(": shown ") + sizeText(*before));
                next();
            });
    });
    for (Change change : {Change::Maximise, Change::FullScreen, Change::Minimise}) {
        const QString step = name + QStringLiteral(": ") + QLatin1String(changeName(change));
        script.add([&script, step, change, window](Script::Next next) {
            say(step);
            QWidget* w = *window;
            switch (change) {
            case Change::Maximise:
                w->showMaximized();
                break;
            case Change::FullScreen:
                w->showFullScreen();
                break;
            case Change::Minimise:
                w->showMinimized();
                break;
            }
            // Minimising is not reported back on Wayland: only give it time.
            const Qt::WindowState expected = change == Change::Maximise     ? Qt::WindowMaximized
                                             : change == Change::FullScreen ? Qt::WindowFullScreen
                                                                            : Qt::WindowNoState;
            script.waitFor(
                [window, expected] {
                    return !*window || expected == Qt::WindowNoState ||
                           ((*window)->windowState() & expected);
                },
                kStateTimeoutMs,
                [&script, step, window, next](bool) {
                    script.pause(kSettleMs, [&script, step, window, next] {
                        if (!*window) {
                            script.fail(step + QStringLiteral(": the window went away"));
                        } else {
                            say(step + QStringLiteral(": now ") + sizeText((*window)->size()));
                        }
                        next();
                    });
                });
        });
        script.add([&script, step, window, before](Script::Next next) {
            say(step + QStringLiteral(": restore"));
            if (!*window) {
                next();
                return;
            }
            (*window)->showNormal();
            script.waitFor(
                [window, before] {
                    return !*window || (!((*window)->windowState() &
                                          (Qt::WindowMaximized | Qt::WindowFullScreen)) &&
                                        (*window)->size() == *before);
                },
                kStateTimeoutMs,
                [&script, step, window, before, next](bool) {
                    script.pause(kSettleMs, [&script, step, window, before, next] {
                        if (!*window) {
                            script.fail(step + QStringLiteral(": the window went away"));
                            next();
                            return;
                        }
                        const QSize now = (*window)->size();
                        if (now != *before) {
                            script.fail(step + QStringLiteral(": restored to ") + sizeText(now) +
                                        QStringLiteral(", was ") + sizeText(*before));
                        }
                        // The window must still paint: update() and wait for it.
                        auto counter = std::make_shared<PaintCounter>();
                        (*window)->installEventFilter(counter.get());
                        (*window)->update();
                        script.waitFor([counter] { return counter->paints > 0; }, kStateTimeoutMs,
                                       [&script, step, window, now, counter, next](bool painted) {
                                           if (*window) {
                                               (*window)->removeEventFilter(counter.get());
                                           }
                                           if (!painted) {
                                               script.fail(step + QStringLiteral(": no repaint"));
                                           }
                                           say(step + QStringLiteral(": restored ") +
                                               sizeText(now));
                                           next();
                                       });
                    });
                });
        });
    }
}

template <typename T> T* findTopLevel() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* found = qobject_cast<T*>(widget); found && found->isVisible()) {
            return found;
        }
    }
    return nullptr;
}

template <typename T> T* activeModal() {
    return qobject_cast<T*>(QApplication::activeModalWidget());
}

void build(Script& script, const std::set<std::string>& chosen) {
    auto wants = [&chosen](const char* name) { return chosen.empty() || chosen.count(name) > 0; };
    auto main = [] { return static_cast<QWidget*>(findTopLevel<frmMain>()); };

    if (wants("main")) {
        exercise(script, QStringLiteral("main"), main);
    }
    if (wants("box")) {
        // An empty name is refused with a message box.
        script.add([&script, main](Script::Next next) {
            script.waitFor([main] { return main() != nullptr; }, 10000, [next](bool) { next(); });
        });
        script.add([](Script::Next next) {
            auto* window = findTopLevel<frmMain>();
            window->txtName->clear();
            QTimer::singleShot(0, window->cmdProceed, &QPushButton::click);
            next();
        });
        exercise(script, QStringLiteral("box"),
                 [] { return static_cast<QWidget*>(activeModal<QMessageBox>()); });
        script.add([](Script::Next next) {
            if (auto* box = activeModal<QMessageBox>()) {
                say(QStringLiteral("box: says ") + box->text());
                box->button(QMessageBox::Ok)->click();
            }
            next();
        });
    }
    if (wants("result") || wants("about")) {
        script.add([&script, main](Script::Next next) {
            script.waitFor(
                [main] { return main() != nullptr && !QApplication::activeModalWidget(); }, 10000,
                [next](bool) { next(); });
        });
        script.add([](Script::Next next) {
            auto* window = findTopLevel<frmMain>();
            window->txtName->setText(QStringLiteral("Mei"));
            say(QStringLiteral("reading"));
            QTimer::singleShot(0, window->cmdProceed, &QPushButton::click);
            next();
        });
    }
    if (wants("result")) {
        exercise(script, QStringLiteral("result"),
                 [] { return static_cast<QWidget*>(findTopLevel<frmPeachBlossomResult>()); });
    }
    if (wants("about")) {
        script.add([&script](Script::Next next) {
            script.waitFor([] { return findTopLevel<frmPeachBlossomResult>() != nullptr; }, 10000,
                           [next](bool) {
                               auto* result = findTopLevel<frmPeachBlossomResult>();
                               // The about box runs its own modal loop.
                               QTimer::singleShot(0, result->mnuAbout, &QAction::trigger);
                               next();
                           });
        });
        exercise(script, QStringLiteral("about"),
                 [] { return static_cast<QWidget*>(activeModal<frmAbout>()); });
        script.add([&script](Script::Next next) {
            if (auto* about = activeModal<frmAbout>()) {
                about->cmdOK->click();
            }
            script.waitFor([] { return !activeModal<frmAbout>(); }, kStateTimeoutMs,
                           [next](bool) { next(); });
        });
    }
    script.add([&script](Script::Next) {
        // The event loop still turns: this step itself ran from it.
        say(QStringLiteral("alive"));
        if (script.failures > 0) {
            std::fflush(nullptr);
            std::_Exit(1);
        }
        // Ends as a user would: closing the working window runs ExitProgram.
        QWidget* working = findTopLevel<frmPeachBlossomResult>();
        if (!working) {
            working = findTopLevel<frmMain>();
        }
        working->close();
    });
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    std::set<std::string> chosen;
    for (int i = 1; i < argc; ++i) {
        chosen.insert(argv[i]);
    }
    say(QStringLiteral("platform ") + QGuiApplication::platformName());
    Script script;
    build(script, chosen);
    script.start();
    MessageBoxPrompter prompter;
    return runApplication(prompter);
}
