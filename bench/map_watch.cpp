// Starts one program and times it against the X server's own view of it:
//   map_watch [--title T] [--timeout-ms N] [--settle-ms N] [--verbose] -- program [args...]
//   map_watch --park-pointer      (only moves the pointer, see below, and ends)
// prints one line "<map ms> <first frame ms> <peak RSS KiB>" on success;
// --verbose also prints the start on the monotonic clock, in ms, to stderr,
// so that time stamps the program writes itself can be put on the same scale.
//
// How: before the program starts, this client selects SubstructureNotify on
// the root window, so the server sends it a CreateNotify for every new
// top-level window and a MapNotify the moment one is mapped; the wait is a
// poll() on the connection, so the time is read within microseconds of the
// event. A DAMAGE object is made for each new top-level window as it is
// created (before it can be drawn into), so the first drawing into the
// mapped window is seen too: that is the first frame. The clock starts just
// before fork(). Once the window is mapped and drawn, and a settle time has
// passed, VmHWM (the high-water mark of resident memory) is read from
// /proc/<pid>/status and the program is sent SIGTERM (SIGKILL if it lingers).
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Windows come and go while we look at them; an error about one that is
// already gone is no reason to stop.
int ignoreXErrors(Display*, XErrorEvent*) {
    return 0;
}

std::string titleOf(Display* display, Window window) {
    const Atom netWmName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(display, window, netWmName, 0, 1024, False, utf8, &type, &format, &count,
                           &after, &data) == Success &&
        data) {
        title.assign(reinterpret_cast<char*>(data), count);
        XFree(data);
        return title;
    }
    char* name = nullptr;
    if (XFetchName(display, window, &name) && name) {
        title = name;
        XFree(name);
    }
    return title;
}

long peakResidentKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return -1;
}

// The program runs in a process group of its own, so that whatever it
// started (or a wrapper such as strace and what it runs) ends with it.
void stop(pid_t pid) {
    kill(-pid, SIGTERM);
    for (int i = 0; i < 200; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            kill(-pid, SIGKILL);
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(-pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

// Xvfb starts with the pointer in the middle of the screen, right over a
// centred window's name box: that window alone would load a text cursor and
// handle enter events. The far corner is under no window.
void parkPointer(Display* display) {
    const int screen = DefaultScreen(display);
    XWarpPointer(display, None, DefaultRootWindow(display), 0, 0, 0, 0,
                 DisplayWidth(display, screen) - 1, DisplayHeight(display, screen) - 1);
}

int usage() {
    std::fprintf(stderr, "usage: map_watch [--title T] [--timeout-ms N] [--settle-ms N] "
                         "[--verbose] -- program [args...]\n"
                         "       map_watch --park-pointer\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    std::string wanted = "QY Amoret Chart v1.0";
    int timeoutMs = 20000;
    int settleMs = 300;
    bool verbose = false;
    int first = 1;
    if (argc == 2 && std::string(argv[1]) == "--park-pointer") {
        Display* display = XOpenDisplay(nullptr);
        if (!display) {
            std::fprintf(stderr, "map_watch: cannot open display\n");
            return 1;
        }
        parkPointer(display);
        XCloseDisplay(display);
        return 0;
    }
    for (; first < argc; ++first) {
        const std::string arg = argv[first];
        if (arg == "--") {
            ++first;
            break;
        }
        if (arg == "--verbose") {
            verbose = true;
            continue;
        }
        if (first + 1 >= argc) {
            return usage();
        }
        if (arg == "--title") {
            wanted = argv[++first];
        } else if (arg == "--timeout-ms") {
            timeoutMs = std::atoi(argv[++first]);
        } else if (arg == "--settle-ms") {
            settleMs = std::atoi(argv[++first]);
        } else {
            return usage();
        }
    }
    if (first >= argc) {
        return usage();
    }

    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "map_watch: cannot open display\n");
        return 1;
    }
    XSetErrorHandler(ignoreXErrors);
    int damageEvent = 0;
    int damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "map_watch: the X server has no DAMAGE extension\n");
        return 1;
    }
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    parkPointer(display);
    // The selection must be in force before the program can create a window.
    XSync(display, False);

    const Clock::time_point start = Clock::now();
    if (verbose) {
        std::fprintf(stderr, "map_watch: start %.3f ms on the monotonic clock\n",
                     std::chrono::duration<double, std::milli>(start.time_since_epoch()).count());
    }
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("map_watch: fork");
        return 1;
    }
    if (pid == 0) {
        setpgid(0, 0);
        close(ConnectionNumber(display));
        execvp(argv[first], argv + first);
        std::perror("map_watch: exec");
        _exit(127);
    }
    // Both sides set the group, whichever runs first.
    setpgid(pid, pid);

    std::map<Window, Damage> damages;
    Window target = None;
    std::optional<double> mappedMs;
    std::optional<double> frameMs;
    // After the map, a frame normally follows within milliseconds; a program
    // that never draws still gets its map time reported.
    const double frameGraceMs = 5000;
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    while (!frameMs) {
        const double elapsed = msSince(start);
        if (mappedMs ? elapsed > *mappedMs + frameGraceMs : elapsed > timeoutMs) {
            break;
        }
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            std::fprintf(stderr, "map_watch: %s ended before its window was shown\n", argv[first]);
            kill(-pid, SIGKILL);
            return 1;
        }
        if (!XPending(display)) {
            poll(&connection, 1, 20);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == CreateNotify && event.xcreatewindow.parent == root) {
            damages[event.xcreatewindow.window] =
                XDamageCreate(display, event.xcreatewindow.window, XDamageReportNonEmpty);
        } else if (event.type == MapNotify && !mappedMs) {
            const double at = msSince(start);
            if (titleOf(display, event.xmap.window) == wanted) {
                mappedMs = at;
                target = event.xmap.window;
            }
        } else if (event.type == damageEvent + XDamageNotify) {
            const auto* notify = reinterpret_cast<XDamageNotifyEvent*>(&event);
            if (mappedMs && notify->drawable == target) {
                frameMs = msSince(start);
            }
            XDamageSubtract(display, notify->damage, None, None);
        }
    }
    if (!mappedMs) {
        std::fprintf(stderr, "map_watch: no window \"%s\" within %d ms\n", wanted.c_str(),
                     timeoutMs);
        stop(pid);
        return 1;
    }

    // Let the program finish what follows its first frame before its peak
    // memory is read.
    std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
    const long peak = peakResidentKiB(pid);
    stop(pid);
    std::printf("%.3f %.3f %ld\n", *mappedMs, frameMs ? *frameMs : -1.0, peak);
    XCloseDisplay(display);
    return 0;
}
