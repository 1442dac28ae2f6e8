#include "settings_store.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>

namespace {
// Passing the name as the organization too gives ~/.config/<name>.ini; an
// empty organization would land in "Unknown Organization" and fail.
QSettings open(const QString& applicationName) {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, applicationName);
}
} // namespace

IniSettingsStore::IniSettingsStore(QString applicationName)
    : applicationName_(std::move(applicationName)) {}

QString IniSettingsStore::executableBaseName() {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

QString IniSettingsStore::read(const QString& section, const QString& key) {
    const QVariant value = open(applicationName_).value(section + QLatin1Char('/') + key);
    // A value of another type (a list, a number written by hand) is no text of ours.
    return value.typeId() == QMetaType::QString ? value.toString() : QString();
}

bool IniSettingsStore::write(const QString& section, const QString& key, const QString& value) {
    QSettings settings = open(applicationName_);
    if (!settings.isWritable()) {
        return false;
    }
    settings.setValue(section + QLatin1Char('/') + key, value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}
