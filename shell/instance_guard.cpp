#include "instance_guard.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {
QString defaultFolder() {
#ifdef Q_OS_WIN
    // The runtime location is the home folder on Windows.
    return QStandardPaths::writableLocation(QStandardPaths::TempLocation);
#else
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
#endif
}

QString userTag() {
#ifdef Q_OS_UNIX
    return QString::number(::getuid());
#else
    return qEnvironmentVariable("USERNAME");
#endif
}
} // namespace

LockFileInstanceGuard::LockFileInstanceGuard(QString folder) {
    if (folder.isEmpty()) {
        folder = defaultFolder();
    }
    // The user in the name keeps users apart should the folder be shared.
    path_ = QDir(folder).filePath(QStringLiteral("QYFreeAmoretChart-%1.lock").arg(userTag()));
}

LockFileInstanceGuard::~LockFileInstanceGuard() = default;

bool LockFileInstanceGuard::anotherCopyRunning() {
    if (lock_ && lock_->isLocked()) {
        return false;
    }
    lock_ = std::make_unique<QLockFile>(path_);
    // A lock is stale only when its process is gone, never by age.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0)) {
        return false;
    }
    // Only a lock held by a live copy refuses the start; a folder we cannot
    // write to must not keep the user out of the program.
    return lock_->error() == QLockFile::LockFailedError;
}
