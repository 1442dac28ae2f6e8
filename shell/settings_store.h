#pragma once

#include <QString>

// The per-user settings store: text values by section and key. A seam, so
// tests can use a store of their own.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // Empty text when the section, the key or the whole store is absent.
    virtual QString read(const QString& section, const QString& key) = 0;
    // Creates what is missing; false when the value did not reach the store.
    virtual bool write(const QString& section, const QString& key, const QString& value) = 0;
};

// The platform's own per-user store, named after the running executable: an
// INI file in the user's configuration folder (~/.config/<name>.ini on Linux),
// the registry on Windows (HKEY_CURRENT_USER\Software\<name>\<name>).
class UserSettingsStore final : public SettingsStore {
public:
    explicit UserSettingsStore(QString applicationName);
    QString read(const QString& section, const QString& key) override;
    bool write(const QString& section, const QString& key, const QString& value) override;

    // The running executable's file name without its extension.
    static QString executableBaseName();

private:
    QString applicationName_;
};
