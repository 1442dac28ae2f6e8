// A wait for a window's first paint that ends on the paint event itself;
// the deadline is only a safety net, as in the tests' waits.h. Needs Qt
// Widgets alone, not Qt Test, as the benchmarks do.
#pragma once

#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <QWidget>

// Runs the event loop until `window` has handled a paint event and control
// has come back to the loop: Qt paints a widget tree and flushes it in one
// pass, so by then every control has drawn itself into the surface the
// platform shows. False only when the safety net ran out first.
[[nodiscard]] inline bool waitUntilPainted(QWidget* window) {
    class PaintWatch final : public QObject {
    public:
        explicit PaintWatch(QEventLoop& loop) : loop_(loop) {}
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint) {
                painted = true;
                // The loop ends once this paint is done.
                loop_.quit();
            }
            return false;
        }
        bool painted = false;

    private:
        QEventLoop& loop_;
    };
    // The same safety net as waits.h's kSafetyNetMs, far beyond what a busy
    // machine needs.
    constexpr int kPaintSafetyNetMs = 120000;
    QEventLoop loop;
    PaintWatch watch(loop);
    const QPointer<QWidget> watched(window);
    window->installEventFilter(&watch);
    QTimer::singleShot(kPaintSafetyNetMs, &loop, &QEventLoop::quit);
    loop.exec();
    if (watched) {
        watched->removeEventFilter(&watch);
    }
    return watch.painted;
}
