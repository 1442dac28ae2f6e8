#include "wayland_frames.h"

#include <QByteArray>
#include <QGuiApplication>

namespace {

constexpr char kTimeout[] = "QT_WAYLAND_FRAME_CALLBACK_TIMEOUT";
// 0: the plugin then never starts its timer, so no window is hidden for a late answer.
constexpr char kNoTimeout[] = "0";

struct UserValue {
    bool replaced = false;
    bool set = false;
    QByteArray value;
};

UserValue& userValue() {
    static UserValue saved;
    return saved;
}

} // namespace

void keepWaylandWindowsExposed() {
    UserValue& saved = userValue();
    if (saved.replaced || !QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        return;
    }
    saved.replaced = true;
    saved.set = qEnvironmentVariableIsSet(kTimeout);
    saved.value = qgetenv(kTimeout);
    qputenv(kTimeout, kNoTimeout);
}

void inUserEnvironment(const std::function<void()>& start) {
    const UserValue& saved = userValue();
    if (!saved.replaced) {
        start();
        return;
    }
    if (saved.set) {
        qputenv(kTimeout, saved.value);
    } else {
        qunsetenv(kTimeout);
    }
    start();
    qputenv(kTimeout, kNoTimeout);
}
