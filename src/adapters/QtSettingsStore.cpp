#include "adapters/QtSettingsStore.h"

#include <QFile>

namespace areamaker {

namespace {

QString keyOf(const std::string &section, const std::string &name)
{
    return QString::fromStdString(section + "/" + name);
}

} // namespace

QtSettingsStore::QtSettingsStore()
    : mSettings(QSettings::IniFormat, QSettings::UserScope, "Areamaker", "Areamaker")
{
}

QtSettingsStore::QtSettingsStore(const QString &organisation, const QString &application)
    : mSettings(QSettings::IniFormat, QSettings::UserScope, organisation, application)
{
}

QtSettingsStore::QtSettingsStore(const QString &iniFile) : mSettings(iniFile, QSettings::IniFormat)
{
}

std::optional<std::string> QtSettingsStore::read(const std::string &section,
                                                 const std::string &name) const
{
    const QVariant value = mSettings.value(keyOf(section, name));
    if (!value.isValid())
        return std::nullopt;
    return value.toString().toStdString();
}

void QtSettingsStore::write(const std::string &section, const std::string &name,
                            const std::string &value)
{
    mSettings.setValue(keyOf(section, name), QString::fromStdString(value));
}

void QtSettingsStore::removeAll()
{
    mSettings.clear();
    mSettings.sync();
    QFile::remove(mSettings.fileName());
}

} // namespace areamaker
