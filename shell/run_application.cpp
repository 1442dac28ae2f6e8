#include "run_application.h"

#include "app_controller.h"
#include "clock.h"
#include "instance_guard.h"
#include "printer_chooser.h"
#include "process_end.h"
#include "random_source.h"
#include "reading_record.h"
#include "settings_store.h"
#include "start_up.h"
#include "url_opener.h"
#include "web_links.h"
#include "window_look.h"

#include <QApplication>

int runApplication(Prompter& prompter) {
    // The program ends only through ExitProgram, never because the last
    // visible window closed during a hand-over.
    QApplication::setQuitOnLastWindowClosed(false);
    look::installFontSubstitutes();
    QApplication::setWindowIcon(look::programIcon());

    LockFileInstanceGuard guard;
    ClockSeededRandom random;
    IniSettingsStore settings(IniSettingsStore::executableBaseName());
    SystemClock clock;
    DesktopUrlOpener opener;
    WebLinks links(opener);
    PrintDialogChooser printers;
    ImmediateProcessEnd processEnd;

    AppController controller(modPeachBlossom::Record(), prompter, printers, links, processEnd);
    StartUpServices services{guard, prompter, random, settings, clock, links};
    if (!StartUp(services, controller)) {
        return 0;
    }
    return QApplication::exec();
}
