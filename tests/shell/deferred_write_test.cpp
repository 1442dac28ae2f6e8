// The first start's write of the update notice, which nobody waits for, handed
// to later work; and what start-up gives it: the main window's first frame.
#include "after_first_frame.h"
#include "app_controller.h"
#include "fakes.h"
#include "frm_main.h"
#include "reading_record.h"
#include "shell_fakes.h"
#include "start_up.h"
#include "update_notice.h"
#include "waits.h"
#include "web_links.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <chrono>
#include <stdexcept>
#include <thread>
#include <vector>

namespace {

const QDate kToday(2026, 12, 8);
const QString kSection = QStringLiteral("Settings");

// Later work that keeps what it is given until the test runs it.
struct HeldWork {
    LaterWork taker() {
        return [this](std::function<void()> w) { work.push_back(std::move(w)); };
    }
    void runAll() {
        for (auto& w : work) {
            w();
        }
        work.clear();
    }
    std::vector<std::function<void()>> work;
};

class DeferredWrite : public testing::Test {
protected:
    void TearDown() override {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            w->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QString key() const {
        return kSection + QLatin1Char('/') + ScrambleSetting(QStringLiteral("Duration"));
    }
    void store(const QString& text) { settings.values[key()] = ScrambleSetting(text); }
    QString stored() const { return UnscrambleSetting(settings.values.value(key())); }

    FakeSettings settings;
    FakeClock clock{kToday};
    FakePrompter prompter;
    FakeUrlOpener opener;
    WebLinks links{opener};
    HeldWork later;
};

} // namespace

TEST_F(DeferredWrite, FirstStartOrUnreadableValueHandsItsWriteOverWhichThenRecordsToday) {
    for (const QString& before : {QString(), QStringLiteral("not a date")}) {
        if (!before.isEmpty()) {
            store(before);
        }
        settings.writes = 0;
        RemindOfUpdate(settings, clock, prompter, links, later.taker());
        EXPECT_EQ(settings.writes, 0) << "nothing written at once";
        ASSERT_EQ(later.work.size(), 1u);
        later.runAll();
        EXPECT_EQ(stored(), QStringLiteral("2026-12-08"));
        EXPECT_TRUE(prompter.shown.empty());
        settings.values.clear();
    }
}

TEST_F(DeferredWrite, WriteAfterTheQuestionIsMadeAtOnceBeforeThePageOpens) {
    store(kToday.addDays(-30).toString(Qt::ISODate));
    prompter.answers = {true};
    QString storedWhenPageOpened;
    CallbackUrlOpener recording;
    recording.onOpen = [&] { storedWhenPageOpened = stored(); };
    WebLinks recordingLinks(recording);
    RemindOfUpdate(settings, clock, prompter, recordingLinks, later.taker());
    EXPECT_EQ(prompter.shown.size(), 1u);
    EXPECT_TRUE(later.work.empty());
    EXPECT_EQ(storedWhenPageOpened, QStringLiteral("2026-12-08"));
}

TEST_F(DeferredWrite, StartWithinFourteenDaysHandsNothingOverAndWritesNothing) {
    store(kToday.addDays(-3).toString(Qt::ISODate));
    RemindOfUpdate(settings, clock, prompter, links, later.taker());
    EXPECT_TRUE(later.work.empty());
    EXPECT_EQ(settings.writes, 0);
}

TEST_F(DeferredWrite, StartUpShowsTheMainWindowWithTheWritePending) {
    FakeInstanceGuard guard{false};
    FakeRandom random{0.5};
    FakePrinterChooser printers;
    FakeProcessEnd processEnd;
    engine::ReadingRecord record;
    AppController controller{record, prompter, printers, links, processEnd};
    StartUpServices services{guard, prompter, random, settings, clock, links};

    ASSERT_TRUE(StartUp(services, controller, later.taker()));
    ASSERT_NE(controller.mainWindow(), nullptr);
    EXPECT_TRUE(controller.mainWindow()->isVisible());
    EXPECT_EQ(settings.writes, 0);
    ASSERT_EQ(later.work.size(), 1u);
    later.runAll();
    EXPECT_EQ(stored(), QStringLiteral("2026-12-08"));
}

// Work waits for the watched window's first frame, then runs on this thread.
TEST(AfterFirstFrame, RunsHeldWorkOnTheUserInterfaceThreadOnceTheWindowHasPainted) {
    int settled = 0;
    // No wait for an unexposed window to end before the paint does.
    AfterFirstFrame later([&] { ++settled; }, std::chrono::milliseconds(10 * kSafetyNetMs));
    std::thread::id ranOn;
    later.post([&] { ranOn = std::this_thread::get_id(); });
    QWidget window;
    later.watch(&window);
    EXPECT_EQ(ranOn, std::thread::id()) << "nothing runs before the frame";
    window.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return settled > 0; }, kSafetyNetMs));
    EXPECT_EQ(ranOn, std::this_thread::get_id());
    int late = 0;
    later.post([&] { ++late; });
    EXPECT_EQ(late, 1) << "once the frame is up, work runs at once";
    EXPECT_EQ(settled, 1);
}

// The program ends at once when asked, so a write still held lands first.
TEST_F(DeferredWrite, EndingTheProgramLetsHeldWorkLandFirst) {
    FakePrinterChooser printers;
    FakeProcessEnd end;
    engine::ReadingRecord record;
    AppController controller{record, prompter, printers, links, end};
    int settled = 0;
    AfterFirstFrame afterFrame([&] { ++settled; });
    afterFrame.landBeforeEnd(controller);
    RemindOfUpdate(settings, clock, prompter, links, afterFrame.taker());
    int writesAtEnd = -1;
    end.onEnd = [&] { writesAtEnd = settings.writes; };
    controller.ExitProgram();
    EXPECT_EQ(writesAtEnd, 1);
    EXPECT_EQ(settled, 0) << "the frame never came";
}

TEST(AfterFirstFrame, FailingWorkEndsNothingAndTheRestStillRuns) {
    AfterFirstFrame later;
    LaterWork take = later.taker();
    int finished = 0;
    take([] { throw std::runtime_error("disk gone"); });
    take([&] { ++finished; });
    later.run();
    later.run();
    EXPECT_EQ(finished, 1) << "each piece runs once";
}
