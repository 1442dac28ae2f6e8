// Test doubles for the shell's seams.
#pragma once

#include "clock.h"
#include "instance_guard.h"
#include "process_end.h"
#include "settings_store.h"
#include "url_opener.h"

#include <QMap>
#include <QStringList>
#include <QUrl>

#include <functional>

class FakeUrlOpener final : public UrlOpener {
public:
    void open(const QUrl& url) override { opened << url.toString(); }
    QStringList opened;
};

// Calls back as a page is opened, to look at the program's state at that moment.
class CallbackUrlOpener final : public UrlOpener {
public:
    void open(const QUrl& url) override {
        if (onOpen) {
            onOpen();
        }
        if (onOpenUrl) {
            onOpenUrl(url.toString());
        }
    }
    std::function<void()> onOpen;
    std::function<void(const QString&)> onOpenUrl;
};

class FakeSettings final : public SettingsStore {
public:
    QString read(const QString& section, const QString& key) override {
        ++reads;
        return values.value(section + '/' + key);
    }
    bool write(const QString& section, const QString& key, const QString& value) override {
        ++writes;
        if (onWrite) {
            onWrite();
        }
        if (!writable) {
            return false;
        }
        values[section + '/' + key] = value;
        return true;
    }
    QMap<QString, QString> values;
    bool writable = true;
    int reads = 0;
    int writes = 0;
    std::function<void()> onWrite;
};

class FakeClock final : public Clock {
public:
    explicit FakeClock(QDate day) : day(day) {}
    QDate today() override { return day; }
    QDate day;
};

class FakeProcessEnd final : public ProcessEnd {
public:
    void end(int exitCode) override {
        ++ends;
        lastCode = exitCode;
        if (onEnd) {
            onEnd();
        }
    }
    int ends = 0;
    int lastCode = -1;
    std::function<void()> onEnd;
};

class FakeInstanceGuard final : public InstanceGuard {
public:
    explicit FakeInstanceGuard(bool running) : running(running) {}
    bool anotherCopyRunning() override { return running; }
    bool running;
};
