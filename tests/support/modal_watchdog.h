// Drives or guards modal dialogs in tests, so that no test can hang on one.
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

// While alive, polls for a modal widget and hands it to `onModal` (which
// should close it). Any modal still open after `timeoutMs` is closed and
// counted in `expired`, so a test fails instead of hanging.
class ModalWatchdog {
public:
    explicit ModalWatchdog(std::function<void(QWidget*)> onModal, int timeoutMs = 60000)
        : onModal_(std::move(onModal)) {
        poll_.setInterval(10);
        QObject::connect(&poll_, &QTimer::timeout, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                ++seen;
                if (onModal_) {
                    onModal_(modal);
                }
            }
        });
        poll_.start();
        deadline_.setSingleShot(true);
        QObject::connect(&deadline_, &QTimer::timeout, [this] {
            while (QWidget* modal = QApplication::activeModalWidget()) {
                ++expired;
                modal->close();
            }
        });
        deadline_.start(timeoutMs);
    }
    int seen = 0;
    int expired = 0;

private:
    std::function<void(QWidget*)> onModal_;
    QTimer poll_;
    QTimer deadline_;
};
