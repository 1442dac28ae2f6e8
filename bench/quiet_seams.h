// Seams that answer at once and go nowhere, and a wait for a window's first
// paint: shared by the in-process benchmarks.
#pragma once

#include "printer_chooser.h"
#include "prompter.h"
#include "url_opener.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QPointer>
#include <QWidget>

class SilentPrompter final : public Prompter {
public:
    void inform(const QString&) override { ++shown; }
    bool askYesNo(const QString&) override {
        ++shown;
        return false;
    }
    int shown = 0;
};

class NoPrinter final : public PrinterChooser {
public:
    std::unique_ptr<QPagedPaintDevice> choose(QWidget*) override { return nullptr; }
};

class NoBrowser final : public UrlOpener {
public:
    void open(const QUrl&) override {}
};

// Notes the first paint event a window receives.
class PaintSpy final : public QObject {
public:
    explicit PaintSpy(QWidget* window) : window_(window) { window->installEventFilter(this); }
    ~PaintSpy() override {
        if (window_) {
            window_->removeEventFilter(this);
        }
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::Paint) {
            painted = true;
        }
        return false;
    }
    bool painted = false;

private:
    QPointer<QWidget> window_;
};

// Runs the event loop until the window has painted itself; false if that
// took more than five seconds.
inline bool waitUntilPainted(QWidget* window) {
    PaintSpy spy(window);
    QElapsedTimer guard;
    guard.start();
    while (!spy.painted && guard.elapsed() < 5000) {
        QCoreApplication::processEvents();
    }
    return spy.painted;
}
