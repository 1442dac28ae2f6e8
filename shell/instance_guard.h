#pragma once

#include <QString>

#include <memory>

class QLockFile;

// Whether another copy of the program runs for this user; a seam, so tests
// can be the second copy.
class InstanceGuard {
public:
    virtual ~InstanceGuard() = default;
    // True when another copy holds the guard. A copy that finds the guard
    // free keeps it until the process ends.
    virtual bool anotherCopyRunning() = 0;
};

// A lock file in the user's runtime folder. The file outlives a crashed or
// killed copy, but the lock held on it ends with the process, so the next
// start recognises the file as stale and takes it over.
class LockFileInstanceGuard final : public InstanceGuard {
public:
    // An empty folder means the platform's per-user runtime (or temp) folder.
    explicit LockFileInstanceGuard(QString folder = {});
    ~LockFileInstanceGuard() override;
    bool anotherCopyRunning() override;

    QString lockFilePath() const { return path_; }

private:
    QString path_;
    std::unique_ptr<QLockFile> lock_;
};
