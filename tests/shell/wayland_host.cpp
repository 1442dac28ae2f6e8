// The program as it starts for a user, with its real message boxes, driven
// by a script: every window (main, the refusal box for an empty name, result,
// about box) is maximised, made full screen and minimised, and restored after
// each. After each step the window must be back at its size from before and
// still paint. One line per step goes to standard output before the step, so
// that when the compositor drops the connection the last line names the
// window that died. Between the box and the result window it opens a web
// page from the main window's link. Prints "alive" at the end.
//   wayland_host [main] [box] [link] [result] [about]    (all when none is named)
#include "controls.h"
#include "frm_about.h"
#include "frm_main.h"
#include "frm_peach_blossom_result.h"
#include "link_label.h"
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

// A safety net only: every wait ends on a state or an event long before it.
constexpr int kDeadlineMs = 30000;
constexpr char kFrameTimeout[] = "QT_WAYLAND_FRAME_CALLBACK_TIMEOUT";

void say(const QString& line) {
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

QString sizeText(const QSize& size) {
    return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
}

// Remembers the size at which a window last painted: a frame drawn at the
// size the compositor gave, as a user would see it.
class PaintWatch final : public QObject {
public:
    explicit PaintWatch(QWidget* window) : window_(window) { window->installEventFilter(this); }
    bool paintedAt(const QSize& size) const { return painted_ == size; }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && window_) {
            painted_ = window_->size();
        }
        return false;
    }

private:
    QPointer<QWidget> window_;
    QSize painted_;
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

    // Shows a new window and waits until the compositor exposes it: a round
    // trip that any protocol error sent for an earlier request comes before.
    void roundTrip(std::function<void(bool)> then) {
        auto* probe = new QWidget;
        probe->resize(40, 40);
        probe->show();
        waitFor([probe] { return probe->windowHandle() && probe->windowHandle()->isExposed(); },
                kDeadlineMs,
                [probe, then](bool exposed) {
                    probe->deleteLater();
                    then(exposed);
                });
    }

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

// Adds the steps that change `window`'s state and restore it. Each step
// waits until the new state has been drawn, as a user who sees it before the
// next click; after each restore the size must be the one from before.
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
            kDeadlineMs,
            [&script, name, window, before, next](bool shown) {
                if (!shown) {
                    script.fail(name + QStringLiteral(": never shown"));
                    std::fflush(nullptr);
                    std::_Exit(1);
                }
                *before = (*window)->size();
                say(name + QStringLiteral(": shown ") + sizeText(*before));
                // Made with the program's own frame setting, which Qt's
                // Wayland plugin reads as each window is made; a late frame
                // may or may not come to show the difference.
                if (qgetenv(kFrameTimeout) != "0") {
                    script.fail(name + QStringLiteral(": made with the frame timeout \"") +
                                QString::fromLatin1(qgetenv(kFrameTimeout)) + QStringLiteral("\""));
                }
                next();
            });
    });
    for (Change change : {Change::Maximise, Change::FullScreen, Change::Minimise}) {
        const QString step = name + QStringLiteral(": ") + QLatin1String(changeName(change));
        script.add([&script, step, change, window, before](Script::Next next) {
            say(step);
            QWidget* w = *window;
            if (change == Change::Minimise) {
                // Not reported back on Wayland, and nothing to wait for.
                w->showMinimized();
                say(step + QStringLiteral(": asked"));
                next();
                return;
            }
            auto watch = std::make_shared<PaintWatch>(w);
            if (change == Change::Maximise) {
                w->showMaximized();
            } else {
                w->showFullScreen();
            }
            const Qt::WindowState expected =
                change == Change::Maximise ? Qt::WindowMaximized : Qt::WindowFullScreen;
            // The output is larger than every window, so the state has arrived
            // once the size has changed too.
            script.waitFor(
                [window, expected, before, watch] {
                    return !*window ||
                           (((*window)->windowState() & expected) && (*window)->size() != *before &&
                            watch->paintedAt((*window)->size()));
                },
                kDeadlineMs,
                [&script, step, window, next](bool drawn) {
                    if (!*window) {
                        script.fail(step + QStringLiteral(": the window went away"));
                    } else if (!drawn) {
                        script.fail(step + QStringLiteral(": never drawn in its new state"));
                    } else {
                        say(step + QStringLiteral(": now ") + sizeText((*window)->size()));
                    }
                    next();
                });
        });
        script.add([&script, step, change, window, before](Script::Next next) {
            say(step + QStringLiteral(": restore"));
            if (!*window) {
                next();
                return;
            }
            auto watch = std::make_shared<PaintWatch>(*window);
            (*window)->showNormal();
            auto done = [&script, step, window, before, next](bool ok, const char* failure) {
                if (!ok) {
                    script.fail(step + QLatin1String(failure));
                }
                if (*window && (*window)->size() != *before) {
                    script.fail(step + QStringLiteral(": restored to ") +
                                sizeText((*window)->size()) + QStringLiteral(", was ") +
                                sizeText(*before));
                }
                say(step + QStringLiteral(": restored"));
                next();
            };
            if (change == Change::Minimise) {
                // No client can bring a minimised window back on Wayland: weston
                // keeps it hidden, and a hidden window rightly paints nothing.
                // The compositor must still answer.
                script.roundTrip([done](bool ok) { done(ok, ": no answer"); });
                return;
            }
            script.waitFor(
                [window, before, watch] {
                    return !*window || (!((*window)->windowState() &
                                          (Qt::WindowMaximized | Qt::WindowFullScreen)) &&
                                        (*window)->size() == *before && watch->paintedAt(*before));
                },
                kDeadlineMs,
                [window, done](bool drawn) {
                    done(drawn && *window, ": never drawn at its size again");
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
            script.waitFor([main] { return main() != nullptr; }, kDeadlineMs,
                           [next](bool) { next(); });
        });
        script.add([](Script::Next next) {
            auto* window = findTopLevel<frmMain>();
            control<QLineEdit>(window, "txtName")->clear();
            QTimer::singleShot(0, control<QPushButton>(window, "cmdProceed"), &QPushButton::click);
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
    if (wants("link") || wants("result") || wants("about")) {
        script.add([&script, main](Script::Next next) {
            script.waitFor(
                [main] { return main() != nullptr && !QApplication::activeModalWidget(); },
                kDeadlineMs, [next](bool) { next(); });
        });
    }
    if (wants("link")) {
        // A page opened from the main window: the windows made after it (the
        // result window and the about box) must keep the program's frame
        // setting, and the browser gets the user's own.
        script.add([](Script::Next next) {
            say(QStringLiteral("link"));
            emit control<LinkLabel>(findTopLevel<frmMain>(), "Label14")->clicked();
            next();
        });
    }
    if (wants("result") || wants("about")) {
        script.add([](Script::Next next) {
            auto* window = findTopLevel<frmMain>();
            control<QLineEdit>(window, "txtName")->setText(QStringLiteral("Mei"));
            say(QStringLiteral("reading"));
            QTimer::singleShot(0, control<QPushButton>(window, "cmdProceed"), &QPushButton::click);
            next();
        });
    }
    if (wants("result")) {
        exercise(script, QStringLiteral("result"),
                 [] { return static_cast<QWidget*>(findTopLevel<frmPeachBlossomResult>()); });
    }
    if (wants("about")) {
        script.add([&script](Script::Next next) {
            script.waitFor(
                [] { return findTopLevel<frmPeachBlossomResult>() != nullptr; }, kDeadlineMs,
                [next](bool) {
                    auto* result = findTopLevel<frmPeachBlossomResult>();
                    // The about box runs its own modal loop.
                    QTimer::singleShot(0, control<QAction>(result, "mnuAbout"), &QAction::trigger);
                    next();
                });
        });
        exercise(script, QStringLiteral("about"),
                 [] { return static_cast<QWidget*>(activeModal<frmAbout>()); });
        script.add([&script](Script::Next next) {
            if (auto* about = activeModal<frmAbout>()) {
                control<QPushButton>(about, "cmdOK")->click();
            }
            script.waitFor([] { return !activeModal<frmAbout>(); }, kDeadlineMs,
                           [next](bool) { next(); });
        });
    }
    // Every protocol error for what came before arrives before this answer.
    script.add([&script](Script::Next next) {
        script.roundTrip([&script, next](bool ok) {
            if (!ok) {
                script.fail(QStringLiteral("end: no answer"));
            }
            next();
        });
    });
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
