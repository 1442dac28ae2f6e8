#pragma once

#include "update_notice.h"

#include <QObject>

#include <chrono>
#include <functional>
#include <vector>

class AppController;
class QWidget;

// Holds work that must land but need not delay the main window's first
// frame, such as a first start's settings write, which waits for the disk
// twice, and runs it on the user-interface thread once that frame has gone to
// the screen. A window that is never exposed (started minimised, on another
// desktop) is never painted; its work runs a moment after it was shown. The
// program's end never loses it: whatever still waits runs first.
class AfterFirstFrame final : public QObject {
public:
    // `frameUp` runs once, after the held work, when the frame is up (or the
    // wait for an unexposed window is over); not when the program ends first.
    explicit AfterFirstFrame(
        std::function<void()> frameUp = {},
        std::chrono::milliseconds unexposedWait = std::chrono::milliseconds(500));
    // Whatever still waits when the event loop has ended.
    ~AfterFirstFrame() override;

    // Takes work for later; it runs at once if the frame is already up.
    void post(std::function<void()> work);
    LaterWork taker();

    // Waits for this window's first frame.
    void watch(QWidget* window);
    // Lets the held work land before the controller ends the process.
    void landBeforeEnd(AppController& controller);

    // Runs every piece of work held, once each; nothing that fails in one
    // stops the others or the program.
    void run();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void frameUp();

    std::vector<std::function<void()>> waiting_;
    std::function<void()> frameUpWork_;
    std::chrono::milliseconds unexposedWait_;
    bool ran_ = false;
    bool frameUp_ = false;
};
