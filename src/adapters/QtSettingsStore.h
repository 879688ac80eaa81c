#pragma once

#include "platform/SettingsStore.h"

#include <QSettings>

namespace areamaker {

// The settings under the key "Areamaker" in the user's configuration (an INI file outside
// Windows); every value is written as a string.
class QtSettingsStore : public SettingsStore
{
public:
    QtSettingsStore();
    // A store kept in the given INI file, for tests and portable set-ups.
    explicit QtSettingsStore(const QString &iniFile);
    // The settings another program of the same maker keeps under its own name.
    QtSettingsStore(const QString &organisation, const QString &application);

    std::optional<std::string> read(const std::string &section,
                                    const std::string &name) const override;
    void write(const std::string &section, const std::string &name,
               const std::string &value) override;
    // Clears the settings and deletes their file.
    void removeAll() override;
    void sync() { mSettings.sync(); }

private:
    mutable QSettings mSettings;
};

} // namespace areamaker
