#include "run_application.h"

#include "app_controller.h"
#include "background_work.h"
#include "clock.h"
#include "frm_main.h"
#include "instance_guard.h"
#include "languages.h"
#include "printer_chooser.h"
#include "process_end.h"
#include "prompter.h"
#include "random_source.h"
#include "reading_record.h"
#include "settings_store.h"
#include "start_up.h"
#include "url_opener.h"
#include "wayland_frames.h"
#include "web_links.h"
#include "window_look.h"

#include <QApplication>
#include <QEvent>
#include <QPixmapCache>
#include <QTimer>

namespace {

// What need not delay the main window's first frame runs once that frame
// is up: the program icon (each new X window is sent it in all its sizes,
// 87,000 pixels) and a first start's settings write, which waits for the
// disk twice. The icon also comes before any message box start-up shows.
class AfterFirstFrame final : public QObject {
public:
    AfterFirstFrame(BackgroundWork& writes, std::function<void()> settled)
        : writes_(writes), settled_(std::move(settled)) {}

    void setIcon() {
        if (!iconSet_) {
            iconSet_ = true;
            QApplication::setWindowIcon(look::programIcon());
        }
    }
    void watch(QWidget* window) {
        if (window) {
            window->installEventFilter(this);
        }
        // A window that is never exposed (started minimised, on another
        // desktop) is never painted; the work must be done all the same.
        QTimer::singleShot(500, this, &AfterFirstFrame::run);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Queued, so that it runs once the frame has gone to the screen.
            QMetaObject::invokeMethod(this, &AfterFirstFrame::run, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void run() {
        if (done_) {
            return;
        }
        done_ = true;
        // The frame has been sent, not yet drawn: the display server draws
        // it while this waits for its answer, rather than sharing the
        // processor with the work below.
        QGuiApplication::sync();
        writes_.release();
        setIcon(); // while the write waits for the disk
        writes_.finish();
        if (settled_) {
            settled_();
        }
    }

    BackgroundWork& writes_;
    std::function<void()> settled_;
    bool iconSet_ = false;
    bool done_ = false;
};

class IconFirstPrompter final : public Prompter {
public:
    IconFirstPrompter(Prompter& prompter, AfterFirstFrame& icon)
        : prompter_(prompter), icon_(icon) {}
    void inform(const QString& text) override {
        icon_.setIcon();
        prompter_.inform(text);
    }
    bool askYesNo(const QString& text) override {
        icon_.setIcon();
        return prompter_.askYesNo(text);
    }

private:
    Prompter& prompter_;
    AfterFirstFrame& icon_;
};

} // namespace

int runApplication(Prompter& userPrompter, std::function<void()> settled) {
    // Before the first window.
    keepWaylandWindowsExposed();
    // Before any text is made: the system's language, English where there is
    // no translation for it.
    const languages::Translations translations;
    // The program ends only through ExitProgram, never because the last
    // visible window closed during a hand-over.
    QApplication::setQuitOnLastWindowClosed(false);
    // The style keeps its drawings of frames and buttons in Qt's pixmap cache,
    // keyed by palette. Every new window has palettes of its own, so none of
    // them is drawn from another window's entries; under the default 10 MiB
    // limit they only pile up over the first ~75 readings. 1 MiB holds the
    // drawings of a dozen readings and their main windows.
    QPixmapCache::setCacheLimit(1024);
    look::installFontSubstitutes();
    // Lets Wayland desktops match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.qyamoretchart.QYAmoretChart"));
    LockFileInstanceGuard guard;
    ClockSeededRandom random;
    UserSettingsStore settings(UserSettingsStore::executableBaseName());
    SystemClock clock;
    DesktopUrlOpener opener;
    WebLinks links(opener);
    PrintDialogChooser printers;
    // A first start's write of the settings file waits until the main
    // window's first frame is up, and lands before the program ends; declared
    // after the services it uses, so that it has landed before they go.
    BackgroundWork writes;
    writes.hold();
    AfterFirstFrame afterFirstFrame(writes, std::move(settled));
    IconFirstPrompter prompter(userPrompter, afterFirstFrame);
    ImmediateProcessEnd immediateEnd;
    FinishingProcessEnd processEnd(immediateEnd, writes);

    AppController controller(engine::modPeachBlossom::Record(), prompter, printers, links,
                             processEnd);
    StartUpServices services{guard, prompter, random, settings, clock, links};
    if (!StartUp(services, controller, writes.taker())) {
        return 0;
    }
    afterFirstFrame.watch(controller.mainWindow());
    return QApplication::exec();
}
