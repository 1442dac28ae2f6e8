#include "run_application.h"

#include "app_controller.h"
#include "clock.h"
#include "fonts.h"
#include "instance_guard.h"
#include "printer_chooser.h"
#include "process_end.h"
#include "random_source.h"
#include "reading_record.h"
#include "settings_store.h"
#include "start_up.h"
#include "url_opener.h"
#include "wayland_frames.h"
#include "web_links.h"

#include <QApplication>
#include <QPixmapCache>

ApplicationSetup::ApplicationSetup() {
    // Before the first window.
    keepWaylandWindowsExposed();
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
}

int runApplication(Prompter& prompter) {
    const ApplicationSetup setup;
    LockFileInstanceGuard guard;
    ClockSeededRandom random;
    UserSettingsStore settings(UserSettingsStore::executableBaseName());
    SystemClock clock;
    DesktopUrlOpener opener;
    WebLinks links(opener);
    PrintDialogChooser printers;
    ImmediateProcessEnd processEnd;

    AppController controller(engine::modPeachBlossom::Record(), prompter, printers, links,
                             processEnd);
    StartUpServices services{guard, prompter, random, settings, clock, links};
    if (!StartUp(services, controller)) {
        return 0;
    }
    return QApplication::exec();
}
