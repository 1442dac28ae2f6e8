// Preloaded into a Qt Widgets program by the benchmarks (LD_PRELOAD), never
// linked into one: once the window titled "QY Amoret Chart v1.0" has painted
// its first frame and that frame has gone out, it writes the peak and
// current resident memory to standard error and ends the process at once.
// Under callgrind the totals are then exactly the work up to the first
// frame, the same for the program and the floors, and nothing in them needs
// to know it is measured; the counts are also dumped when the window is
// about to be shown (its show event, just before the map request goes to the
// X server), so that the way to the map and from there to the first frame
// can be told apart. With FIRST_FRAME_SMAPS=<file> it copies
// /proc/self/smaps there at the first frame, to see what the memory is made
// of.
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <unistd.h>
#include <valgrind/callgrind.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

long statusKiB(const char* field) {
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (!status) {
        return -1;
    }
    char line[256];
    long value = -1;
    const std::size_t length = std::strlen(field);
    while (std::fgets(line, sizeof line, status)) {
        if (std::strncmp(line, field, length) == 0 && line[length] == ':') {
            value = std::strtol(line + length + 1, nullptr, 10);
            break;
        }
    }
    std::fclose(status);
    return value;
}

class FirstFrame final : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool show = event->type() == QEvent::Show && !shown_;
        if ((show || event->type() == QEvent::Paint) && isTheWindow(watched)) {
            if (show) {
                shown_ = true;
                CALLGRIND_DUMP_STATS_AT("shown");
            } else {
                QCoreApplication::instance()->removeEventFilter(this);
                // Queued: Qt paints the whole window and flushes it to the
                // screen before control comes back to the event loop.
                QMetaObject::invokeMethod(this, &FirstFrame::end, Qt::QueuedConnection);
            }
        }
        return false;
    }

private:
    static bool isTheWindow(QObject* object) {
        return object->isWidgetType() && static_cast<QWidget*>(object)->isWindow() &&
               static_cast<QWidget*>(object)->windowTitle() ==
                   QLatin1String("QY Amoret Chart v1.0");
    }

    static void end() {
        if (const char* copy = std::getenv("FIRST_FRAME_SMAPS")) {
            std::FILE* from = std::fopen("/proc/self/smaps", "r");
            std::FILE* to = std::fopen(copy, "w");
            char buffer[4096];
            std::size_t n = 0;
            while (from && to && (n = std::fread(buffer, 1, sizeof buffer, from)) > 0) {
                std::fwrite(buffer, 1, n, to);
            }
            for (std::FILE* f : {from, to}) {
                if (f) {
                    std::fclose(f);
                }
            }
        }
        std::fprintf(stderr, "first_frame_exit: VmHWM %ld kB, VmRSS %ld kB\n", statusKiB("VmHWM"),
                     statusKiB("VmRSS"));
        std::fflush(stderr);
        _exit(0);
    }

    bool shown_ = false;
};

void watchForFirstFrame() {
    QCoreApplication::instance()->installEventFilter(new FirstFrame);
}

} // namespace

// Runs as the application object is built, before the program makes a window.
Q_COREAPP_STARTUP_FUNCTION(watchForFirstFrame)
