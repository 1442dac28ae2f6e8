// The place where UserSettingsStore keeps an application's values, opened as
// the product opens it, for tests that plant or inspect what is stored: an
// INI file under the folder QSettings::setPath gave (tests choose a private
// one), and on Windows the registry, HKEY_CURRENT_USER\Software\<app>\<app>.
#pragma once

#include <QSettings>
#include <QString>

#include <memory>

inline std::unique_ptr<QSettings> openStoredSettings(const QString& app) {
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, app, app);
#else
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, app);
#endif
}

inline bool settingsStored(const QString& app) {
    return !openStoredSettings(app)->allKeys().isEmpty();
}

// The registry outlives each test, unlike a private folder: a test on Windows
// starts by removing what earlier tests left.
inline void removeStoredSettings(const QString& app) {
    const auto settings = openStoredSettings(app);
    if (!settings->allKeys().isEmpty()) {
        settings->clear();
    }
}
