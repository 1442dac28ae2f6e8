// The window tests' fixture: opens the program's working windows as the
// program does (each deletes itself when closed), with fakes for their seams,
// and makes sure none outlives its test.
#pragma once

#include "fakes.h"
#include "frm_main.h"
#include "frm_peach_blossom_result.h"
#include "reading_record.h"
#include "waits.h"

#include <QApplication>
#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

// Shows a window, makes it active and returns when it has the keyboard.
inline void showActive(QWidget* window) {
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window, kSafetyNetMs));
    window->activateWindow();
    QApplication::setActiveWindow(window);
    EXPECT_TRUE(QTest::qWaitForWindowActive(window, kSafetyNetMs));
}

// Runs what the event loop would: posted events, then the deletions of the
// windows that were unloaded.
inline void flushDeletes() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Closes every window a test left open, each deleting itself as it closes,
// so that none outlives its test.
inline void closeEveryWindow() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible()) {
            w->setAttribute(Qt::WA_DeleteOnClose, true);
            w->close();
        }
    }
    flushDeletes();
}

class WindowTest : public testing::Test {
protected:
    // A new main window over `record`, shown and holding the keyboard.
    frmMain* openMain() {
        auto* window = new frmMain(record, prompter);
        opened_.emplace_back(window);
        showActive(window);
        return window;
    }
    // A new result window showing `reading`; shown and active if asked.
    frmPeachBlossomResult* openResult(const engine::ReadingRecord& reading, bool shown = true) {
        auto* window = new frmPeachBlossomResult(reading, printers);
        opened_.emplace_back(window);
        if (shown) {
            showActive(window);
        }
        return window;
    }
    static void processDeletes() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void TearDown() override {
        for (const QPointer<QWidget>& window : opened_) {
            if (window) {
                window->setAttribute(Qt::WA_DeleteOnClose, false);
                delete window.data();
            }
        }
        processDeletes();
    }

    engine::ReadingRecord record;
    FakePrompter prompter;
    FakePrinterChooser printers; // cancels unless a test gives it a path

private:
    std::vector<QPointer<QWidget>> opened_;
};
