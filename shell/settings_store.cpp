#include "settings_store.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>

namespace {
QSettings open(const QString& applicationName) {
#ifdef Q_OS_WIN
    // The registry is where Windows programs keep per-user values. The name
    // serves as organization too: an empty one writes nothing there.
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, applicationName,
                     applicationName);
#else
    // Passing the name as the organization gives ~/.config/<name>.ini; an
    // empty organization would land in "Unknown Organization" and fail.
    return QSettings(QSettings::IniFormat, QSettings::UserScope, applicationName);
#endif
}
} // namespace

UserSettingsStore::UserSettingsStore(QString applicationName)
    : applicationName_(std::move(applicationName)) {}

QString UserSettingsStore::executableBaseName() {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

QString UserSettingsStore::read(const QString& section, const QString& key) {
    const QVariant value = open(applicationName_).value(section + QLatin1Char('/') + key);
    // A value of another type (a list, a number written by hand) is no text of ours.
    return value.typeId() == QMetaType::QString ? value.toString() : QString();
}

bool UserSettingsStore::write(const QString& section, const QString& key, const QString& value) {
    QSettings settings = open(applicationName_);
    if (!settings.isWritable()) {
        return false;
    }
    settings.setValue(section + QLatin1Char('/') + key, value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}
