#pragma once

#include "update_notice.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <vector>

class QWidget;

// Holds what need not delay the main window's first frame (a first start's
// settings write, which waits for the disk twice, and the program icon) and
// runs it on the user-interface thread once that frame has gone to the
// screen. A window that is never exposed (started minimised, on another
// desktop) is never painted; its work runs a moment after it was shown.
// Whatever still waits when the program ends runs first: run() is called
// then, and ending the program must never lose a settings write.
class AfterFirstFrame final : public QObject {
public:
    // `done` is called once the frame is up and the work has run.
    explicit AfterFirstFrame(std::function<void()> done = {});

    // Takes work for later; it runs at once if the frame is already up.
    void post(std::function<void()> work);
    LaterWork taker();

    // Waits for this window's first frame.
    void watch(QWidget* window);

    // Runs every piece of work held, once each; nothing that fails in one
    // stops the others or the program.
    void run();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void frameUp();

    std::vector<std::function<void()>> waiting_;
    std::function<void()> done_;
    bool ran_ = false;
    bool frameUp_ = false;
};
