#include "fakes.h"
#include "shell_fakes.h"
#include "stored_settings.h"
#include "update_notice.h"
#include "web_links.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

const QDate kToday(2026, 12, 8);
const QString kQuestion = QStringLiteral(
    "There maybe an update to this software available\rDo you want to check for an update?");

// The notice over the real store: an INI file in a private configuration
// folder, or the registry on Windows.
class UpdateNotice : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(config.isValid());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config.path());
        removeStoredSettings("QYFreeAmoretChart");
        removeStoredSettings("RenamedCopy");
    }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    QString iniPath(const QString& app = QStringLiteral("QYFreeAmoretChart")) const {
        return config.filePath(app + ".ini");
    }
    void storeRaw(const QString& value) {
        openStoredSettings("QYFreeAmoretChart")
            ->setValue("Settings/" + ScrambleSetting("Duration"), value);
    }
    void storeDate(QDate date) { storeRaw(ScrambleSetting(date.toString(Qt::ISODate))); }
    QString storedText() {
        return UnscrambleSetting(store.read("Settings", ScrambleSetting("Duration")));
    }
    void remind() { RemindOfUpdate(store, clock, prompter, links); }

    QTemporaryDir config;
    UserSettingsStore store{QStringLiteral("QYFreeAmoretChart")};
    FakeClock clock{kToday};
    FakePrompter prompter;
    FakeUrlOpener opener;
    WebLinks links{opener};
};

} // namespace

TEST_F(UpdateNotice, FirstStartRecordsTodayAndAsksNothing) {
    remind();
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(storedText(), "2026-12-08");
    EXPECT_TRUE(settingsStored("QYFreeAmoretChart"));
    EXPECT_TRUE(opener.opened.isEmpty());
}

struct Offset {
    const char* name;
    int days; // from today to the stored day
    bool asks;
};

void PrintTo(const Offset& offset, std::ostream* out) {
    *out << offset.name;
}

class UpdateNoticeWindow : public UpdateNotice, public testing::WithParamInterface<Offset> {};

TEST_P(UpdateNoticeWindow, AsksOnlyFifteenOrMoreDaysAwayEitherWay) {
    const QDate stored = kToday.addDays(GetParam().days);
    storeDate(stored);
    remind();
    if (GetParam().asks) {
        ASSERT_EQ(prompter.shown.size(), 1u);
        EXPECT_EQ(prompter.shown[0].text, kQuestion);
        EXPECT_TRUE(prompter.shown[0].yesNo);
        EXPECT_EQ(storedText(), "2026-12-08");
    } else {
        EXPECT_TRUE(prompter.shown.empty());
        EXPECT_EQ(storedText(), stored.toString(Qt::ISODate)) << "nothing is written";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Days, UpdateNoticeWindow,
    testing::Values(Offset{"today", 0, false}, Offset{"fourteen_days_ago", -14, false},
                    Offset{"fourteen_days_ahead", 14, false}, Offset{"fifteen_days_ago", -15, true},
                    Offset{"fifteen_days_ahead", 15, true},
                    Offset{"four_hundred_days_ago", -400, true},
                    Offset{"ten_years_ahead", 3650, true}),
    [](const testing::TestParamInfo<Offset>& info) { return std::string(info.param.name); });

// The day is stored before the page opens, so that a browser that takes
// long or a program ended meanwhile cannot lose it.
TEST_F(UpdateNotice, YesStoresTheDayThenOpensTheDownloadPageOnce) {
    storeDate(kToday.addDays(-30));
    prompter.answers = {true};
    QStringList opened;
    QString storedWhenOpened;
    CallbackUrlOpener recording;
    recording.onOpen = [&] { storedWhenOpened = storedText(); };
    recording.onOpenUrl = [&](const QString& url) { opened << url; };
    WebLinks recordingLinks(recording);
    RemindOfUpdate(store, clock, prompter, recordingLinks);
    EXPECT_EQ(storedWhenOpened, "2026-12-08");
    EXPECT_EQ(opened, QStringList{linkAddress(Link::DownloadPage)});
}

TEST_F(UpdateNotice, NoRecordsTodayAndOpensNothingAndTheNextQuestionIsFifteenDaysOn) {
    storeDate(kToday.addDays(-20));
    prompter.answers = {false};
    remind();
    EXPECT_EQ(storedText(), "2026-12-08");
    EXPECT_TRUE(opener.opened.isEmpty());

    clock.day = kToday.addDays(14);
    remind();
    EXPECT_EQ(prompter.shown.size(), 1u);
    clock.day = kToday.addDays(15);
    remind();
    EXPECT_EQ(prompter.shown.size(), 2u);
}

TEST_F(UpdateNotice, ValueThatUnscramblesToEmptyIsAFirstStart) {
    storeRaw(QString(QChar(0x20AC))); // outside Latin-1: nothing survives unscrambling
    remind();
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(storedText(), "2026-12-08");
}

TEST_F(UpdateNotice, UnreadableValueStartsTheCountAgainInsteadOfSilencingTheReminder) {
    storeRaw(ScrambleSetting("not a date"));
    remind();
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(storedText(), "2026-12-08");
    clock.day = kToday.addDays(15);
    remind();
    EXPECT_EQ(prompter.shown.size(), 1u);
}

TEST_F(UpdateNotice, OldRegionalValueWithTwoDigitYearIsReadInTheNearestCentury) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); // M/d/yy
    storeRaw(ScrambleSetting(QLocale().toString(kToday.addDays(-3), QLocale::ShortFormat)));
    remind();
    EXPECT_TRUE(prompter.shown.empty()) << "3 days ago, not a century ago";

    storeRaw(ScrambleSetting(QLocale().toString(kToday.addDays(-40), QLocale::ShortFormat)));
    remind();
    EXPECT_EQ(prompter.shown.size(), 1u);
}

TEST(ReadStoredDate, ReadsIsoAndRegionalTextAndRejectsTheRest) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(readStoredDate("2026-11-30", kToday), QDate(2026, 11, 30));
    EXPECT_EQ(readStoredDate("11/30/26", kToday), QDate(2026, 11, 30));
    EXPECT_EQ(readStoredDate("12/31/99", QDate(2000, 1, 5)), QDate(1999, 12, 31));
    EXPECT_EQ(readStoredDate("1/2/01", QDate(2099, 12, 30)), QDate(2101, 1, 2));
    EXPECT_FALSE(readStoredDate("", kToday));
    EXPECT_FALSE(readStoredDate("2026-13-01", kToday));
    EXPECT_FALSE(readStoredDate("yesterday", kToday));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom)); // dd/MM/yyyy
    EXPECT_EQ(readStoredDate("30/11/2026", kToday), QDate(2026, 11, 30));
    QLocale::setDefault(QLocale::c());
}

TEST_F(UpdateNotice, RefusedWriteStillOpensThePageOnYesAndShowsNothingOfItsOwn) {
    FakeSettings refusing;
    refusing.values["Settings/" + ScrambleSetting("Duration")] =
        ScrambleSetting(kToday.addDays(-20).toString(Qt::ISODate));
    refusing.writable = false;
    prompter.answers = {true};
    RemindOfUpdate(refusing, clock, prompter, links);
    EXPECT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(refusing.writes, 1);
    EXPECT_EQ(opener.opened, QStringList{linkAddress(Link::DownloadPage)});

    prompter.answers = {false};
    RemindOfUpdate(refusing, clock, prompter, links);
    EXPECT_EQ(prompter.shown.size(), 2u);
    EXPECT_EQ(opener.opened.size(), 1);
}

TEST_F(UpdateNotice, ReadOnlyConfigurationFolderIsNoFailure) {
    QFile::setPermissions(config.path(), QFile::ReadOwner | QFile::ExeOwner);
    if (QFileInfo(config.path()).isWritable()) {
        QFile::setPermissions(config.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        GTEST_SKIP() << "running as a user who may write anywhere";
    }
    remind();
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_FALSE(QFileInfo::exists(iniPath()));
    QFile::setPermissions(config.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST_F(UpdateNotice, AnotherExecutableNameHasItsOwnSettings) {
    storeDate(kToday.addDays(-30));
    UserSettingsStore other(QStringLiteral("RenamedCopy"));
    RemindOfUpdate(other, clock, prompter, links);
    EXPECT_TRUE(prompter.shown.empty()) << "a first start for the renamed copy";
    EXPECT_TRUE(settingsStored("RenamedCopy"));
    EXPECT_EQ(storedText(), kToday.addDays(-30).toString(Qt::ISODate));
}

TEST_F(UpdateNotice, ScrambledKeyAndValueSurviveTheRealStore) {
    remind();
#ifdef Q_OS_WIN
    // Where the README says: the scrambled key names a value under Settings.
    QSettings registry(R"(HKEY_CURRENT_USER\Software\QYFreeAmoretChart\QYFreeAmoretChart\Settings)",
                       QSettings::NativeFormat);
    const QString key = QString::fromLatin1("\xA3\xD4\xD1\xC0\xD3\xC8\xCE\xCD");
    EXPECT_EQ(registry.childKeys(), QStringList{key});
    EXPECT_EQ(registry.value(key).toString(), ScrambleSetting("2026-12-08"));
#else
    QFile file(iniPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    // The form earlier versions wrote, so that their stored day is still found.
    EXPECT_TRUE(content.contains("[Settings]\n%A3%D4%D1%C0%D3%C8%CE%CD=")) << content.constData();
    EXPECT_FALSE(content.contains("2026-12-08"));
#endif
    // A fresh store object reads it back from the file, not from a cache.
    EXPECT_EQ(
        UnscrambleSetting(
            UserSettingsStore("QYFreeAmoretChart").read("Settings", ScrambleSetting("Duration"))),
        "2026-12-08");
}

TEST(Scramble, RoundTripsEveryAsciiText) {
    QString all;
    for (int c = 0; c < 128; ++c) {
        all.append(QChar(c));
    }
    EXPECT_EQ(UnscrambleSetting(ScrambleSetting(all)), all);
    EXPECT_EQ(ScrambleSetting(all).size(), all.size());
}

TEST(Scramble, SkipsCharactersThatLeaveTheCodePage) {
    const QChar high(0xFF - kScrambleOffset + 1); // shifted past 255
    EXPECT_EQ(ScrambleSetting(QString("a") + high + "b").size(), 2);
    EXPECT_EQ(UnscrambleSetting(QString(QChar(kScrambleOffset - 1)) + QChar('a' + kScrambleOffset)),
              "a");
    EXPECT_EQ(ScrambleSetting(QString(QChar(0x4E2D))), ""); // no Latin-1 code at all
}
