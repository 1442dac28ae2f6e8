#include "app_controller.h"
#include "banner.h"
#include "controls.h"
#include "fakes.h"
#include "frm_main.h"
#include "frm_peach_blossom_result.h"
#include "link_label.h"
#include "reading_record.h"
#include "shell_fakes.h"
#include "web_links.h"
#include "window_fixture.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>
#include <string>

namespace {

long residentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').value(0).toLong();
        }
    }
    return -1;
}

class WindowLifeCycle : public testing::Test {
protected:
    void TearDown() override { closeEveryWindow(); }

    frmPeachBlossomResult* readingFor(const QString& name) {
        frmMain* main = controller.showMain();
        control<QLineEdit>(main, "txtName")->setText(name);
        control<QComboBox>(main, "cboDate")->setCurrentIndex(4);
        control<QComboBox>(main, "cboMonth")->setCurrentIndex(2);
        control<QComboBox>(main, "cboYear")->setCurrentText("1975");
        QTest::mouseClick(control<QPushButton>(main, "cmdProceed"), Qt::LeftButton);
        flushDeletes();
        return controller.resultWindow();
    }
    int visibleWorkingWindows() const {
        int count = 0;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            count += w->isVisible() &&
                     (qobject_cast<frmMain*>(w) || qobject_cast<frmPeachBlossomResult*>(w));
        }
        return count;
    }

    engine::ReadingRecord record;
    FakePrompter prompter;
    FakePrinterChooser printers;
    FakeUrlOpener opener;
    WebLinks links{opener};
    FakeProcessEnd processEnd;
    AppController controller{record, prompter, printers, links, processEnd};
};

} // namespace

TEST_F(WindowLifeCycle, ReadingReplacesTheMainWindowWithTheResultAndGoesOn) {
    QPointer<frmMain> main = controller.showMain();
    control<QLineEdit>(main, "txtName")->setText("Li");
    QTest::mouseClick(control<QPushButton>(main, "cmdProceed"), Qt::LeftButton);
    flushDeletes();
    EXPECT_TRUE(main.isNull());
    ASSERT_NE(controller.resultWindow(), nullptr);
    EXPECT_TRUE(controller.resultWindow()->isVisible());
    EXPECT_EQ(visibleWorkingWindows(), 1);
    EXPECT_EQ(processEnd.ends, 0);
}

TEST_F(WindowLifeCycle, FailedCheckStaysInInput) {
    frmMain* main = controller.showMain();
    QTest::mouseClick(control<QPushButton>(main, "cmdProceed"), Qt::LeftButton); // empty name
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(controller.resultWindow(), nullptr);
    EXPECT_EQ(processEnd.ends, 0);
}

TEST_F(WindowLifeCycle, ClosingTheMainWindowAfterAFailedCheckEndsTheProgram) {
    frmMain* main = controller.showMain();
    QTest::mouseClick(control<QPushButton>(main, "cmdProceed"),
                      Qt::LeftButton); // empty name: refused
    ASSERT_EQ(prompter.shown.size(), 1u);
    // The refused reading is over: this close is the user's, not a hand-over.
    main->close();
    EXPECT_EQ(processEnd.ends, 1);
}

// A way of leaving the result window, named after the design's control.
struct Leave {
    const char* name;
    void (*act)(frmPeachBlossomResult&);
};

void PrintTo(const Leave& leave, std::ostream* out) {
    *out << leave.name;
}

std::string leaveName(const testing::TestParamInfo<Leave>& info) {
    return info.param.name;
}

class BackCommand : public WindowLifeCycle, public testing::WithParamInterface<Leave> {};

TEST_P(BackCommand, GivesANewEmptyMainWindowWithTheCoBrandBannerAndGoesOn) {
    QPointer<frmPeachBlossomResult> result = readingFor("Li");
    ASSERT_FALSE(result.isNull());
    // The main window comes before the result window goes: never no window.
    bool bothShownDuringHandOver = false;
    QObject::connect(result, &frmPeachBlossomResult::backRequested, [&] {
        bothShownDuringHandOver =
            result->isVisible() && controller.mainWindow() && controller.mainWindow()->isVisible();
    });
    GetParam().act(*result);
    EXPECT_TRUE(bothShownDuringHandOver);
    EXPECT_TRUE(result.isNull() || !result->isVisible()) << "hidden at once";
    flushDeletes();
    EXPECT_TRUE(result.isNull()) << "and destroyed";
    frmMain* main = controller.mainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->isVisible());
    EXPECT_TRUE(control<QLineEdit>(main, "txtName")->text().isEmpty());
    EXPECT_EQ(control<QComboBox>(main, "cboYear")->currentText(), "1936");
    EXPECT_FALSE(fullBrandInFront(*main));
    EXPECT_EQ(visibleWorkingWindows(), 1);
    EXPECT_EQ(processEnd.ends, 0);
    EXPECT_EQ(record.Name, "Li") << "the record keeps the reading until the next one";
}

INSTANTIATE_TEST_SUITE_P(ButtonAndMenu, BackCommand,
                         testing::Values(Leave{"cmdBack",
                                               [](frmPeachBlossomResult& w) {
                                                   QTest::mouseClick(
                                                       control<QPushButton>(w, "cmdBack"),
                                                       Qt::LeftButton);
                                               }},
                                         Leave{"mnuBack",
                                               [](frmPeachBlossomResult& w) {
                                                   control<QAction>(w, "mnuBack")->trigger();
                                               }}),
                         leaveName);

TEST_F(WindowLifeCycle, ClosingTheMainWindowEndsTheProgram) {
    frmMain* main = controller.showMain();
    main->close();
    EXPECT_EQ(processEnd.ends, 1);
}

class ResultExit : public WindowLifeCycle, public testing::WithParamInterface<Leave> {};

TEST_P(ResultExit, ExitButtonMenuAndCloseBoxEndTheProgram) {
    QPointer<frmPeachBlossomResult> result = readingFor("Li");
    ASSERT_FALSE(result.isNull());
    GetParam().act(*result);
    // Once: the window's own close, run again by ExitProgram, reports nothing more.
    EXPECT_EQ(processEnd.ends, 1);
    EXPECT_EQ(processEnd.lastCode, 0);
    EXPECT_EQ(visibleWorkingWindows(), 0) << "no main window comes back";
    flushDeletes();
    EXPECT_TRUE(result.isNull()) << "a closed window is destroyed";
}

INSTANTIATE_TEST_SUITE_P(
    Ways, ResultExit,
    testing::Values(Leave{"cmdExit",
                          [](frmPeachBlossomResult& w) {
                              QTest::mouseClick(control<QPushButton>(w, "cmdExit"), Qt::LeftButton);
                          }},
                    Leave{"mnuExit",
                          [](frmPeachBlossomResult& w) {
                              control<QAction>(w, "mnuExit")->trigger();
                          }},
                    Leave{"close_box", [](frmPeachBlossomResult& w) { w.close(); }}),
    leaveName);

namespace {
class CountingWindow : public QWidget {
public:
    int closes = 0;

protected:
    void closeEvent(QCloseEvent* event) override {
        ++closes;
        QWidget::closeEvent(event);
    }
};
} // namespace

TEST_F(WindowLifeCycle, ExitProgramUnloadsEveryOtherWindowOnceAndEndsOnce) {
    frmMain* main = controller.showMain();
    CountingWindow other;
    other.show();
    bool otherClosedBeforeEnd = false;
    processEnd.onEnd = [&] { otherClosedBeforeEnd = other.closes == 1 && !main->isVisible(); };
    controller.ExitProgram();
    EXPECT_EQ(other.closes, 1);
    EXPECT_TRUE(otherClosedBeforeEnd);
    EXPECT_EQ(processEnd.ends, 1) << "the unload handlers it runs do not exit again";
}

TEST_F(WindowLifeCycle, LinksFromTheWindowsReachTheBrowser) {
    frmMain* main = controller.showMain();
    QTest::mouseClick(control<LinkLabel>(main, "Label14"), Qt::LeftButton);
    EXPECT_EQ(opener.opened, QStringList{linkAddress(Link::HomePage)});
}

TEST_F(WindowLifeCycle, AThousandReadingsAndBacksLeaveNoWindowBehind) {
    frmPeachBlossomResult* result = readingFor("Li");
    QTest::mouseClick(control<QPushButton>(result, "cmdBack"), Qt::LeftButton);
    flushDeletes();
    const auto widgetsAfterFirst = QApplication::allWidgets().size();
    const long rssBefore = residentKiB();
    for (int cycle = 0; cycle < 1000; ++cycle) {
        frmMain* main = controller.mainWindow();
        control<QLineEdit>(main, "txtName")->setText(QString("Reader %1").arg(cycle));
        control<QComboBox>(main, "cboYear")->setCurrentIndex(cycle % 73);
        QTest::mouseClick(control<QPushButton>(main, "cmdProceed"), Qt::LeftButton);
        flushDeletes();
        QTest::mouseClick(control<QPushButton>(controller.resultWindow(), "cmdBack"),
                          Qt::LeftButton);
        flushDeletes();
    }
    EXPECT_EQ(QApplication::allWidgets().size(), widgetsAfterFirst);
    EXPECT_EQ(visibleWorkingWindows(), 1);
    EXPECT_EQ(record.Name, "Reader 999");
    // For the record only: memory is the allocator's business, widgets are ours.
    std::printf("resident memory: %ld KiB after the first cycle, %ld KiB after 1000 more\n",
                rssBefore, residentKiB());
    EXPECT_EQ(processEnd.ends, 0);
}
