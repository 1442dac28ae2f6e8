#include "app_controller.h"
#include "banner.h"
#include "controls.h"
#include "fakes.h"
#include "frm_main.h"
#include "frm_peach_blossom_result.h"
#include "link_label.h"
#include "reading_record.h"
#include "shell_fakes.h"
#include "start_up.h"
#include "update_notice.h"
#include "web_links.h"
#include "window_fixture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

const QDate kToday(2026, 12, 8);

class StartUpOrder : public testing::Test {
protected:
    void TearDown() override { closeEveryWindow(); }
    void storeDaysAgo(int days) {
        settings.values["Settings/" + ScrambleSetting("Duration")] =
            ScrambleSetting(kToday.addDays(-days).toString(Qt::ISODate));
    }

    FakeInstanceGuard guard{false};
    FakePrompter prompter;
    FakeRandom random{0.5}; // n = 4: the full-brand banner
    FakeSettings settings;
    FakeClock clock{kToday};
    FakeUrlOpener opener;
    WebLinks links{opener};
    FakePrinterChooser printers;
    FakeProcessEnd processEnd;
    engine::ReadingRecord record;
    AppController controller{record, prompter, printers, links, processEnd};
    StartUpServices services{guard, prompter, random, settings, clock, links};
};

} // namespace

TEST_F(StartUpOrder, SecondCopyShowsItsMessageEndsAndTouchesNothingElse) {
    guard.running = true;
    EXPECT_FALSE(StartUp(services, controller));
    EXPECT_EQ(prompter.texts(), QStringList{"Application is already running"});
    EXPECT_FALSE(prompter.shown[0].yesNo);
    EXPECT_EQ(processEnd.ends, 1);
    EXPECT_EQ(settings.reads + settings.writes, 0);
    EXPECT_EQ(random.seeds + random.draws, 0);
    EXPECT_EQ(controller.mainWindow(), nullptr);
}

TEST_F(StartUpOrder, UpdateQuestionComesBeforeAnyWindowThenMainWindowAndOneBannerChoice) {
    storeDaysAgo(30);
    int visibleAtQuestion = -1;
    prompter.onShow = [&] {
        visibleAtQuestion = 0;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            visibleAtQuestion += w->isVisible();
        }
        EXPECT_EQ(random.seeds, 1) << "seeded before the reminder";
        EXPECT_EQ(random.draws, 0) << "the banner is chosen after it";
    };
    EXPECT_TRUE(StartUp(services, controller));
    EXPECT_EQ(visibleAtQuestion, 0);
    frmMain* main = controller.mainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(random.draws, 1);
    EXPECT_TRUE(fullBrandInFront(*main));
    EXPECT_EQ(processEnd.ends, 0);
}

// A first start records its day at once, before the main window appears:
// a program that is ended right after keeps it.
TEST_F(StartUpOrder, FirstStartRecordsItsDayBeforeTheMainWindow) {
    bool windowAtWrite = true;
    settings.onWrite = [&] { windowAtWrite = controller.mainWindow() != nullptr; };
    EXPECT_TRUE(StartUp(services, controller));
    EXPECT_FALSE(windowAtWrite);
    EXPECT_EQ(settings.writes, 1);
    EXPECT_EQ(UnscrambleSetting(settings.values.value("Settings/" + ScrambleSetting("Duration"))),
              "2026-12-08");
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(StartUpOrder, MainWindowAfterBackGetsNoNewBannerChoice) {
    ASSERT_TRUE(StartUp(services, controller));
    frmMain* main = controller.mainWindow();
    control<QLineEdit>(main, "txtName")->setText("Li");
    QTest::mouseClick(control<QPushButton>(main, "cmdProceed"), Qt::LeftButton);
    QTest::mouseClick(control<QPushButton>(controller.resultWindow(), "cmdBack"), Qt::LeftButton);
    EXPECT_EQ(random.draws, 1);
    EXPECT_FALSE(fullBrandInFront(*controller.mainWindow()));
}

TEST_F(StartUpOrder, FailureInsideTheReminderIsIgnored) {
    struct BrokenSettings : SettingsStore {
        QString read(const QString&, const QString&) override {
            throw std::runtime_error("store unavailable");
        }
        bool write(const QString&, const QString&, const QString&) override { return false; }
    } broken;
    StartUpServices brokenServices{guard, prompter, random, broken, clock, links};
    EXPECT_TRUE(StartUp(brokenServices, controller));
    ASSERT_NE(controller.mainWindow(), nullptr);
    EXPECT_TRUE(controller.mainWindow()->isVisible());
    EXPECT_TRUE(prompter.shown.empty());
}
