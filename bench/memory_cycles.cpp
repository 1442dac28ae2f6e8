// Memory over many readings in one process: a reading, Back, a reading, Back,
// ... through the real windows and the AppController's hand-over, and the
// resident memory (VmRSS) after the first reading and along the way.
//   memory_cycles [--cycles N] [--pixmap-cache-kib K]
// The application is set up as the program's (ApplicationSetup), pixmap
// cache limit included unless --pixmap-cache-kib gives another.
// The readings go round the twelve signs, so every sign picture is drawn.
// At the end it reports what the memory is made of: the same process after
// emptying Qt's pixmap cache, and after handing freed heap back to the
// system (malloc_trim), which tells live data from pages the allocator
// merely keeps. Runs under whatever platform QT_QPA_PLATFORM names
// (offscreen when unset); not part of the tests.
#include "app_controller.h"
#include "controls.h"
#include "fakes.h"
#include "frm_main.h"
#include "frm_peach_blossom_result.h"
#include "paint_wait.h"
#include "reading_record.h"
#include "run_application.h"
#include "shell_fakes.h"
#include "web_links.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPixmapCache>
#include <QPushButton>

#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

namespace {

long statusKiB(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::size_t length = std::strlen(field);
    while (std::getline(status, line)) {
        if (line.compare(0, length, field) == 0 && line.size() > length && line[length] == ':') {
            return std::strtol(line.c_str() + length + 1, nullptr, 10);
        }
    }
    return -1;
}

// Runs the event loop until the window has painted, then until nothing is
// left to do (deferred deletes of the window it replaced included).
bool settle(QWidget* window) {
    const bool painted = waitUntilPainted(window);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    return painted;
}

void report(const char* when, int cycles) {
    std::printf("%-34s %4d %9ld %9ld\n", when, cycles, statusKiB("VmRSS"), statusKiB("RssAnon"));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    int cycles = 100;
    int pixmapCacheKiB = -1;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--cycles") == 0) {
            cycles = std::atoi(argv[i + 1]);
        } else if (std::strcmp(argv[i], "--pixmap-cache-kib") == 0) {
            pixmapCacheKiB = std::atoi(argv[i + 1]);
        }
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    const ApplicationSetup setup;
    // After the setup, so that another limit can be held against the program's.
    if (pixmapCacheKiB >= 0) {
        QPixmapCache::setCacheLimit(pixmapCacheKiB);
    }

    engine::ReadingRecord record;
    FakePrompter prompter;
    FakePrinterChooser printers; // cancels
    FakeUrlOpener browser;
    WebLinks links(browser);
    FakeProcessEnd processEnd;
    processEnd.onEnd = [] { std::fprintf(stderr, "memory_cycles: the program ended\n"); };
    AppController controller(record, prompter, printers, links, processEnd);

    std::printf("platform %s, pixmap cache limit %d KiB\n",
                qPrintable(QGuiApplication::platformName()), QPixmapCache::cacheLimit());
    std::printf("%-34s %4s %9s %9s\n", "", "cycle", "RSS KiB", "anon KiB");
    frmMain* main = controller.showMain();
    settle(main);
    report("main window", 0);
    for (int i = 1; i <= cycles; ++i) {
        control<QLineEdit>(main, "txtName")->setText(QStringLiteral("Li Wei"));
        control<QComboBox>(main, "cboDate")->setCurrentIndex(4);
        control<QComboBox>(main, "cboMonth")->setCurrentIndex(2);
        // Twelve years in a row give the twelve signs.
        control<QComboBox>(main, "cboYear")->setCurrentText(QString::number(1960 + i % 12));
        control<QPushButton>(main, "cmdProceed")->click();
        frmPeachBlossomResult* result = controller.resultWindow();
        if (!result || !settle(result)) {
            std::fprintf(stderr, "memory_cycles: no result window at cycle %d\n", i);
            return 1;
        }
        if (i == 1) {
            report("first reading", i);
        }
        control<QPushButton>(result, "cmdBack")->click();
        main = controller.mainWindow();
        if (!main || !settle(main)) {
            std::fprintf(stderr, "memory_cycles: no main window after Back at cycle %d\n", i);
            return 1;
        }
        if (i == 1 || i == 12 || i % 25 == 0) {
            report("after Back", i);
        }
    }
    QPixmapCache::clear();
    report("pixmap cache emptied", cycles);
    malloc_trim(0);
    report("freed heap returned (malloc_trim)", cycles);
    return 0;
}
