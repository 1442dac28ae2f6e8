// QY Amoret Chart: a Chinese-astrology Peach Blossom romance reading for a
// birth date. The program takes no command-line arguments.
#include "platform_choice.h"
#include "prompter.h"
#include "run_application.h"

#include <QApplication>

#include <cstdlib>
#include <string>
#include <vector>

namespace {
std::string_view environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}
} // namespace

int main(int argc, char** argv) {
    // The platform goes to Qt as an argument rather than through the
    // environment, so that a browser the program starts inherits nothing.
    std::string platform(
        preferredPlatform({environment("QT_QPA_PLATFORM"), environment("WAYLAND_DISPLAY"),
                           environment("XDG_SESSION_TYPE"), environment("DISPLAY")}));
#ifdef Q_OS_WIN
    // Windows has one platform, though Wine hands the program DISPLAY and
    // WAYLAND_DISPLAY from a Linux session.
    platform.clear();
#endif
    std::string platformOption = "-platform";
    std::vector<char*> args(argv, argv + argc);
    if (!platform.empty() && argc > 0) {
        args.insert(args.begin() + 1, {platformOption.data(), platform.data()});
    }
    int count = static_cast<int>(args.size());
    args.push_back(nullptr);

    QApplication app(count, args.data());
    MessageBoxPrompter prompter;
    return runApplication(prompter);
}
