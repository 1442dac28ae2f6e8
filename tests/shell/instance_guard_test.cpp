// The single-instance guard across real processes of the program.
#include "instance_guard.h"
#include "stored_settings.h"
#include "waits.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <vector>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

// The user part of the lock file's name, as the guard forms it, and another user's.
#ifdef Q_OS_WIN
QString userTag() {
    return qEnvironmentVariable("USERNAME");
}
QString otherUserTag() {
    return userTag() + "-other";
}
#else
QString userTag() {
    return QString::number(getuid());
}
QString otherUserTag() {
    return QString::number(getuid() + 1);
}
#endif

// A private home for the copies: runtime folder (the lock; the temp folder on
// Windows) and configuration folder.
class SingleInstance : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(home.isValid());
        ASSERT_TRUE(QDir(home.path()).mkpath("runtime"));
        QFile::setPermissions(home.filePath("runtime"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        ASSERT_TRUE(QDir(home.path()).mkpath("config"));
    }
    void TearDown() override {
        for (auto& p : processes) {
            if (p->state() != QProcess::NotRunning) {
                p->kill();
                p->waitForFinished(kSafetyNetMs);
            }
        }
    }
    QString lockPath() const {
        return home.filePath(QStringLiteral("runtime/QYFreeAmoretChart-%1.lock").arg(userTag()));
    }
    // Waits until `p` holds the lock: the lock file names its process once
    // the lock is taken.
    bool holdsTheLock(QProcess* p) const {
        const QByteArray pid = QByteArray::number(p->processId()) + '\n';
        return QTest::qWaitFor(
            [&] {
                QFile lock(lockPath());
                return p->state() == QProcess::Running && lock.open(QIODevice::ReadOnly) &&
                       lock.readAll().startsWith(pid);
            },
            kSafetyNetMs);
    }
    QProcess* start(const char* program, const QString& config = "config",
                    const QString& platform = "offscreen") {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", platform);
        env.insert("XDG_RUNTIME_DIR", home.filePath("runtime"));
        env.insert("TMP", home.filePath("runtime"));
        env.insert("TEMP", home.filePath("runtime"));
        env.insert("XDG_CONFIG_HOME", home.filePath(config));
        env.insert("HOME", home.path());
        process->setProcessEnvironment(env);
        process->setProgram(program);
        process->start();
        processes.push_back(std::move(process));
        return processes.back().get();
    }
    // Waits until the copy has shown its main window or has ended.
    bool runs(QProcess* p) {
        if (waitForOutput(*p, output[p], "started")) {
            return true;
        }
        EXPECT_EQ(p->state(), QProcess::NotRunning) << "copy neither ran nor ended";
        return false;
    }

    QTemporaryDir home;
    std::vector<std::unique_ptr<QProcess>> processes;
    std::map<QProcess*, QByteArray> output; // what each copy printed
};

} // namespace

TEST_F(SingleInstance, OfEightCopiesStartedAtOnceExactlyOneRunsAndTheOthersRefuse) {
    std::vector<QProcess*> copies;
    for (int i = 0; i < 8; ++i) {
        copies.push_back(start(QYAC_PROGRAM_HOST));
    }
    int running = 0;
    QProcess* winner = nullptr;
    for (QProcess* copy : copies) {
        if (runs(copy)) {
            ++running;
            winner = copy;
        } else {
            copy->waitForFinished(kSafetyNetMs);
            // One box and nothing else; its text is checked with start-up.
            const QByteArray said = output[copy] + copy->readAll();
            EXPECT_TRUE(said.startsWith("box: ")) << said.constData();
            EXPECT_EQ(said.count('\n'), 1) << said.constData();
            EXPECT_EQ(copy->exitStatus(), QProcess::NormalExit);
            EXPECT_EQ(copy->exitCode(), 0);
        }
    }
    ASSERT_EQ(running, 1);

    // A killed copy leaves its lock file behind, yet the next start runs.
    winner->kill();
    winner->waitForFinished(kSafetyNetMs);
    EXPECT_TRUE(runs(start(QYAC_PROGRAM_HOST)));
}

TEST_F(SingleInstance, RefusedCopyWritesNoSettings) {
    ASSERT_TRUE(runs(start(QYAC_PROGRAM_HOST)));
#ifdef Q_OS_WIN
    // Both copies share the one registry: the first copy's entry goes, and
    // the second must not bring it back.
    removeStoredSettings("program_host");
#endif
    ASSERT_TRUE(QDir(home.path()).mkpath("config-second"));
    QProcess* second = start(QYAC_PROGRAM_HOST, "config-second");
    EXPECT_FALSE(runs(second));
    EXPECT_TRUE(QDir(home.filePath("config-second")).isEmpty());
#ifdef Q_OS_WIN
    EXPECT_FALSE(settingsStored("program_host"));
#endif
}

TEST_F(SingleInstance, CopyStartedAfterTheFirstEndedRuns) {
#ifdef Q_OS_WIN
    // terminate() asks a Windows program to close its windows, as a user
    // would; an offscreen window would never hear it.
    QProcess* first = start(QYAC_PROGRAM_HOST, "config", "windows");
#else
    QProcess* first = start(QYAC_PROGRAM_HOST);
#endif
    ASSERT_TRUE(runs(first));
    first->terminate();
    first->waitForFinished(kSafetyNetMs);
    EXPECT_TRUE(runs(start(QYAC_PROGRAM_HOST)));
}

TEST_F(SingleInstance, TheRealProgramHoldsTheGuard) {
    QProcess* program = start(QYAC_PROGRAM);
    ASSERT_TRUE(holdsTheLock(program)) << program->readAllStandardError().constData();
    EXPECT_FALSE(runs(start(QYAC_PROGRAM_HOST)));
    program->kill();
    program->waitForFinished(kSafetyNetMs);
    // The file outlives the killed copy; the next start finds it stale.
    EXPECT_TRUE(QFile::exists(lockPath()));
    EXPECT_TRUE(runs(start(QYAC_PROGRAM_HOST)));
}

#ifdef Q_OS_WIN
// Wine hands the program a Linux session's DISPLAY and WAYLAND_DISPLAY; they
// must not make it ask for a Linux platform, which Windows does not have.
TEST_F(SingleInstance, TheRealProgramStartsWhateverDisplaysWineHandsOn) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("QT_QPA_PLATFORM");
    env.insert("WAYLAND_DISPLAY", "wayland-0");
    if (!env.contains("DISPLAY")) { // Wine's own X display stays as it is
        env.insert("DISPLAY", ":0");
    }
    env.insert("TMP", home.filePath("runtime"));
    env.insert("TEMP", home.filePath("runtime"));
    QProcess* program = processes.emplace_back(std::make_unique<QProcess>()).get();
    program->setProcessEnvironment(env);
    program->start(QYAC_PROGRAM, QStringList{});
    EXPECT_TRUE(holdsTheLock(program)) << program->readAllStandardError().constData();
}
#endif

TEST_F(SingleInstance, LockOfAnotherUserNeverRefuses) {
    // Another user's live copy (this very process stands in for it).
    QFile other(home.filePath("runtime/QYFreeAmoretChart-%1.lock").arg(otherUserTag()));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write(QByteArray::number(QCoreApplication::applicationPid()) + "\nx\nhost\n");
    other.close();
    EXPECT_TRUE(runs(start(QYAC_PROGRAM_HOST)));
}

TEST(LockFileGuard, SecondGuardInTheSameFolderIsRefusedUntilTheFirstGoes) {
    QTemporaryDir folder;
    auto first = std::make_unique<LockFileInstanceGuard>(folder.path());
    EXPECT_FALSE(first->anotherCopyRunning());
    EXPECT_FALSE(first->anotherCopyRunning()) << "asking again keeps the lock";
    LockFileInstanceGuard second(folder.path());
    EXPECT_TRUE(second.anotherCopyRunning());
    EXPECT_TRUE(QFile::exists(first->lockFilePath()));
    first.reset();
    EXPECT_FALSE(QFile::exists(second.lockFilePath()));
    EXPECT_FALSE(second.anotherCopyRunning()) << "free again once the first has gone";
}

TEST(LockFileGuard, UnwritableFolderDoesNotLockTheUserOut) {
    LockFileInstanceGuard guard("/proc/no-such-folder");
    EXPECT_FALSE(guard.anotherCopyRunning());
}
