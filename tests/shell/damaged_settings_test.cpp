// Start-up in real processes: over a damaged settings store the main window
// always appears and the stored value changes only as the update notice's
// rules say; a start ended abruptly keeps its day; what a window not yet
// drawn has loaded.
#include "stored_settings.h"
#include "update_notice.h"
#include "waits.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRect>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <ostream>

namespace {

const QString kApp = QStringLiteral("program_host"); // the settings carry the executable's name

struct Damage {
    const char* name;
    std::function<void(const QString& configDir)> apply;
    bool valueRewrittenToToday; // otherwise the file is left as it was
};

void PrintTo(const Damage& damage, std::ostream* out) {
    *out << damage.name;
}

QString key() {
    return QStringLiteral("Settings/") + ScrambleSetting(QStringLiteral("Duration"));
}

void setValue(const QString& configDir, const QVariant& value) {
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, configDir);
    openStoredSettings(kApp)->setValue(key(), value);
}

QString storedText(const QString& configDir) {
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, configDir);
    const QVariant v = openStoredSettings(kApp)->value(key());
    return v.typeId() == QMetaType::QString ? UnscrambleSetting(v.toString()) : QString();
}

// A private home for one run: a runtime folder for the lock and the config
// folder the settings go to.
struct Home {
    Home() {
        EXPECT_TRUE(QDir(dir.path()).mkpath("runtime") && QDir(dir.path()).mkpath("config"));
        QFile::setPermissions(dir.filePath("runtime"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QString config() const { return dir.filePath("config"); }
    QProcessEnvironment environment() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_RUNTIME_DIR", dir.filePath("runtime"));
        env.insert("XDG_CONFIG_HOME", config());
        return env;
    }
    QTemporaryDir dir;
};

// The run may cross midnight: either day is the program's today.
void expectToday(const QString& stored, QDate firstDay) {
    EXPECT_TRUE(stored == firstDay.toString(Qt::ISODate) ||
                stored == QDate::currentDate().toString(Qt::ISODate))
        << stored.toStdString();
}

// Starts the program host, waits until start-up's work is done, hands its
// process id to `whileRunning` and kills it, as a crash or a lost session
// would end it. What it printed (with `channels` merged, its errors too, in
// the order written), or nothing if it never got that far.
std::optional<QByteArray>
runUntilStartedThenKill(const QProcessEnvironment& env,
                        const std::function<void(qint64)>& whileRunning = {},
                        QProcess::ProcessChannelMode channels = QProcess::SeparateChannels) {
    QProcess copy;
    copy.setProcessChannelMode(channels);
    copy.setProcessEnvironment(env);
    copy.start(QYAC_PROGRAM_HOST, QStringList{});
    QByteArray out;
    const bool started = waitForOutput(copy, out, "started");
    if (!started) {
        ADD_FAILURE() << out.constData() << copy.readAllStandardError().constData();
    } else if (whileRunning) {
        whileRunning(copy.processId());
    }
    copy.kill();
    copy.waitForFinished(kSafetyNetMs);
    return started ? std::optional(out) : std::nullopt;
}

class DamagedSettings : public testing::TestWithParam<Damage> {};

// Whether the main window is ever drawn.
class FirstStartEndedAbruptly : public testing::TestWithParam<bool> {};

} // namespace

// A first start records its day while the program runs, drawn or not: a
// program that is then killed, crashes or loses its session keeps it.
TEST_P(FirstStartEndedAbruptly, HasRecordedItsDay) {
    const Home home;
    QProcessEnvironment env = home.environment();
    if (!GetParam()) {
        env.insert("QYAC_HOST_NEVER_DRAWN", "1");
    }
    const QDate firstDay = QDate::currentDate();
    ASSERT_TRUE(runUntilStartedThenKill(env));
    expectToday(storedText(home.config()), firstDay);
}

INSTANTIATE_TEST_SUITE_P(MainWindow, FirstStartEndedAbruptly, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "drawn" : "never_drawn");
                         });

#ifdef Q_OS_LINUX
// Up to its first painting the program neither loads an image plugin nor
// looks through them (JPEG, GIF, SVG, ...): its icon is raw pixels, and the
// plugins are found and loaded by the first painting that needs one, after
// the window has appeared.
TEST(MainWindowNotYetDrawn, HasLoadedNoImagePlugin) {
    const Home home;
    QProcessEnvironment env = home.environment();
    env.insert("QYAC_HOST_NEVER_DRAWN", "1");
    // Qt then reports every plugin folder it reads, as it reads it.
    env.insert("QT_DEBUG_PLUGINS", "1");
    const auto out = runUntilStartedThenKill(
        env,
        [](qint64 pid) {
            QFile maps(QStringLiteral("/proc/%1/maps").arg(pid));
            ASSERT_TRUE(maps.open(QIODevice::ReadOnly));
            for (const QByteArray& mapping : maps.readAll().split('\n')) {
                EXPECT_FALSE(mapping.contains("/imageformats/")) << mapping.constData();
            }
        },
        QProcess::MergedChannels);
    ASSERT_TRUE(out);
    EXPECT_TRUE(out->contains("platforms")) << "Qt reported no plugin folder at all";
    EXPECT_FALSE(out->contains("imageformats")) << out->constData();
}
#endif

TEST_P(DamagedSettings, MainWindowStillAppears) {
    const Home home;
    const QString config = home.config();
    GetParam().apply(config);
    const QString iniPath = config + "/" + kApp + ".ini";
    QByteArray before;
    if (QFile file(iniPath); file.open(QIODevice::ReadOnly)) {
        before = file.readAll();
    }

    QProcessEnvironment env = home.environment();
    if (QString(GetParam().name) == "unwritable_folder") {
        env.insert("XDG_CONFIG_HOME", "/proc/self/no-config-here");
    }
    const QDate firstDay = QDate::currentDate();
    const auto out = runUntilStartedThenKill(env);
    EXPECT_FALSE(out && out->contains("question")) << "no damage makes the reminder ask";

    if (GetParam().valueRewrittenToToday) {
        expectToday(storedText(config), firstDay);
    } else {
        QFile file(iniPath);
        QByteArray after;
        if (file.open(QIODevice::ReadOnly)) {
            after = file.readAll();
        }
        EXPECT_EQ(after, before);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, DamagedSettings,
    testing::Values(
        Damage{"garbage_bytes",
               [](const QString& dir) {
                   QFile f(dir + "/" + kApp + ".ini");
                   ASSERT_TRUE(f.open(QIODevice::WriteOnly));
                   QByteArray junk;
                   for (int i = 0; i < 4096; ++i) {
                       junk.append(static_cast<char>((i * 7919) % 256));
                   }
                   f.write(junk);
               },
               true},
        Damage{"one_megabyte_value",
               [](const QString& dir) {
                   // Written as QSettings writes it: QSettings itself takes
                   // minutes for this under the address sanitizer.
                   QFile f(dir + "/" + kApp + ".ini");
                   ASSERT_TRUE(f.open(QIODevice::WriteOnly));
                   f.write("[Settings]\n");
                   for (const QChar c : ScrambleSetting("Duration")) {
                       f.write("%" + QByteArray::number(c.unicode(), 16).toUpper());
                   }
                   f.write("=" + QByteArray("\\x96").repeated(1 << 20) +
                           "\n"); // unscrambles to "777..."
               },
               true},
        Damage{"text_that_is_no_date",
               [](const QString& dir) { setValue(dir, ScrambleSetting("31 Smarch 20x6")); }, true},
        Damage{"value_of_another_type",
               [](const QString& dir) { setValue(dir, QVariant(QRect(1, 2, 3, 4))); }, true},
        Damage{"list_value",
               [](const QString& dir) {
                   setValue(dir, QStringList{"a", "b"});
               },
               true},
        Damage{"settings_file_is_a_folder",
               [](const QString& dir) { ASSERT_TRUE(QDir(dir).mkpath(kApp + ".ini")); }, false},
        Damage{"unwritable_folder", [](const QString&) {}, false}),
    [](const testing::TestParamInfo<Damage>& info) { return std::string(info.param.name); });
