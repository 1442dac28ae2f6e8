// The first start's write of the update notice, which nobody waits for, handed
// to later work; and the background runner that start-up gives it.
#include "app_controller.h"
#include "background_work.h"
#include "fakes.h"
#include "frm_main.h"
#include "reading_record.h"
#include "settings_store.h"
#include "shell_fakes.h"
#include "start_up.h"
#include "update_notice.h"
#include "web_links.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
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

TEST(BackgroundWork, RunsWorkOnAnotherThreadAndFinishWaitsForIt) {
    BackgroundWork background;
    std::atomic<bool> done{false};
    std::thread::id ranOn;
    background.post([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        ranOn = std::this_thread::get_id();
        done = true;
    });
    background.finish();
    EXPECT_TRUE(done);
    EXPECT_NE(ranOn, std::this_thread::get_id());
    background.finish(); // nothing left: returns at once
}

// Held work waits; the program ends at once when asked, so a write held or
// still going on lands first.
TEST(BackgroundWork, HeldWorkWaitsAndEndingTheProgramLetsItLandFirst) {
    BackgroundWork background;
    background.hold();
    std::atomic<int> done{0};
    background.post([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        ++done;
    });
    background.post([&] { ++done; });
    EXPECT_EQ(done, 0);
    FakeProcessEnd end;
    int doneAtEnd = 0;
    end.onEnd = [&] { doneAtEnd = done; };
    FinishingProcessEnd(end, background).end(3);
    EXPECT_EQ(doneAtEnd, 2);
    EXPECT_EQ(end.lastCode, 3);
}

TEST(BackgroundWork, FailingWorkEndsNothingAndTheRestStillRunsBeforeDestruction) {
    std::atomic<int> finished{0};
    {
        BackgroundWork background;
        LaterWork take = background.taker();
        take([] { throw std::runtime_error("disk gone"); });
        take([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(30));
            ++finished;
        });
    }
    EXPECT_EQ(finished, 1);
}

TEST(BackgroundWork, FirstStartWrittenOnTheWorkerIsInTheRealFileOnceFinished) {
    QTemporaryDir config;
    ASSERT_TRUE(config.isValid());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config.path());
    UserSettingsStore store(QStringLiteral("DeferredWriteTest"));
    FakeClock clock{kToday};
    FakePrompter prompter;
    FakeUrlOpener opener;
    WebLinks links{opener};
    BackgroundWork background;
    RemindOfUpdate(store, clock, prompter, links, background.taker());
    background.finish();
    EXPECT_EQ(UnscrambleSetting(store.read(kSection, ScrambleSetting(QStringLiteral("Duration")))),
              QStringLiteral("2026-12-08"));
}
