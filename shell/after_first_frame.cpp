#include "after_first_frame.h"

#include "app_controller.h"

#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>

AfterFirstFrame::AfterFirstFrame(std::function<void()> frameUp,
                                 std::chrono::milliseconds unexposedWait)
    : frameUpWork_(std::move(frameUp)), unexposedWait_(unexposedWait) {}

AfterFirstFrame::~AfterFirstFrame() {
    run();
}

void AfterFirstFrame::post(std::function<void()> work) {
    waiting_.push_back(std::move(work));
    if (ran_) {
        run();
    }
}

LaterWork AfterFirstFrame::taker() {
    return [this](std::function<void()> work) { post(std::move(work)); };
}

void AfterFirstFrame::watch(QWidget* window) {
    if (window) {
        window->installEventFilter(this);
    }
    QTimer::singleShot(unexposedWait_, this, &AfterFirstFrame::frameUp);
}

void AfterFirstFrame::landBeforeEnd(AppController& controller) {
    connect(&controller, &AppController::ending, this, &AfterFirstFrame::run);
}

bool AfterFirstFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        // Queued, so that it runs once the frame has gone to the screen. The
        // frame is then sent, not yet drawn: waiting for the display server's
        // answer lets it draw before the work takes the processor.
        QMetaObject::invokeMethod(
            this,
            [this] {
                QGuiApplication::sync();
                frameUp();
            },
            Qt::QueuedConnection);
    }
    return false;
}

void AfterFirstFrame::frameUp() {
    const bool first = !frameUp_;
    frameUp_ = true;
    run();
    if (first && frameUpWork_) {
        frameUpWork_();
    }
}

void AfterFirstFrame::run() {
    ran_ = true;
    std::vector<std::function<void()>> work;
    work.swap(waiting_);
    for (const std::function<void()>& piece : work) {
        try {
            piece();
        } catch (...) {
        }
    }
}
