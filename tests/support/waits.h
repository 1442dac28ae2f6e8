// Waits that end on an event or a state, never on the clock: the deadline is
// only a safety net, far beyond what a busy machine needs.
#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QProcess>
#include <QTest>
#include <QTimer>

#include <algorithm>

inline constexpr int kSafetyNetMs = 120000;

// Reads `process`'s standard output into `out` until it holds `line` (true)
// or the process has ended without it (false).
inline bool waitForOutput(QProcess& process, QByteArray& out, const QByteArray& line) {
    const QDeadlineTimer deadline(kSafetyNetMs);
    for (;;) {
        const bool ended = process.state() == QProcess::NotRunning;
        out += process.readAllStandardOutput();
        if (out.contains(line)) {
            return true;
        }
        if (ended || deadline.hasExpired()) {
            return false;
        }
        process.waitForReadyRead(
            static_cast<int>(std::min<qint64>(deadline.remainingTime(), 1000)));
    }
}

// Runs everything the last action queued (posted events, zero timers): a
// zero timer started now fires only after them. What has not happened by
// then did not happen.
[[nodiscard]] inline bool processQueuedWork() {
    bool reached = false;
    QTimer::singleShot(0, [&reached] { reached = true; });
    return QTest::qWaitFor([&reached] { return reached; }, kSafetyNetMs);
}
