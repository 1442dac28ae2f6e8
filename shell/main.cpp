// QY Amoret Chart: a Chinese-astrology Peach Blossom romance reading for a
// birth date. The program takes no command-line arguments.
#include "app_controller.h"
#include "clock.h"
#include "instance_guard.h"
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

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The program ends only through ExitProgram, never because a window
    // closed during a hand-over.
    QApplication::setQuitOnLastWindowClosed(false);
    look::installFontSubstitutes();
    QApplication::setWindowIcon(look::programIcon());

    LockFileInstanceGuard guard;
    MessageBoxPrompter prompter;
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
