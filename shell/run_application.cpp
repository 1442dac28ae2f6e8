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
#include "web_links.h"
#include "window_look.h"

#include <QApplication>
#include <QEvent>
#include <QPixmapCache>
#include <QTimer>

namespace {

// The program icon reaches the application once the main window's first frame
// is up, or before any message box start-up shows. Each new X window is sent
// the icon in all its sizes (87,000 pixels), and that work need not delay
// the first frame.
class ProgramIconSetter final : public QObject {
public:
    void set() {
        if (!set_) {
            set_ = true;
            QApplication::setWindowIcon(look::programIcon());
        }
    }
    void setAfterFirstPaint(QWidget* window) {
        if (window) {
            window->installEventFilter(this);
        }
        // A window that is never exposed (started minimised, on another
        // desktop) is never painted; the icon must come all the same.
        QTimer::singleShot(500, this, &ProgramIconSetter::set);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Queued, so that it runs once the frame has gone to the screen.
            QMetaObject::invokeMethod(this, &ProgramIconSetter::set, Qt::QueuedConnection);
        }
        return false;
    }

private:
    bool set_ = false;
};

class IconFirstPrompter final : public Prompter {
public:
    IconFirstPrompter(Prompter& prompter, ProgramIconSetter& icon)
        : prompter_(prompter), icon_(icon) {}
    void inform(const QString& text) override {
        icon_.set();
        prompter_.inform(text);
    }
    bool askYesNo(const QString& text) override {
        icon_.set();
        return prompter_.askYesNo(text);
    }

private:
    Prompter& prompter_;
    ProgramIconSetter& icon_;
};

} // namespace

int runApplication(Prompter& userPrompter) {
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
    ProgramIconSetter icon;
    IconFirstPrompter prompter(userPrompter, icon);

    LockFileInstanceGuard guard;
    ClockSeededRandom random;
    UserSettingsStore settings(UserSettingsStore::executableBaseName());
    SystemClock clock;
    DesktopUrlOpener opener;
    WebLinks links(opener);
    PrintDialogChooser printers;
    ImmediateProcessEnd processEnd;

    // A first start's write of the settings file waits for the disk twice;
    // it goes on while the main window is built, and has landed before the
    // event loop starts.
    BackgroundWork writes;

    AppController controller(engine::modPeachBlossom::Record(), prompter, printers, links,
                             processEnd);
    StartUpServices services{guard, prompter, random, settings, clock, links};
    if (!StartUp(services, controller, writes.taker())) {
        return 0;
    }
    writes.finish();
    icon.setAfterFirstPaint(controller.mainWindow());
    return QApplication::exec();
}
