#include "QSettingsProfile.h"

#include <QSettings>
#include <QString>

namespace volmar {
namespace {

QString Key(const std::string& section, const std::string& key)
{
    return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(key);
}

}  // namespace

QSettingsProfile::QSettingsProfile()
    : settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("NORDWALD"),
                                            QStringLiteral("VOLMAR")))
{
}

QSettingsProfile::QSettingsProfile(const std::string& iniPath)
    : settings_(std::make_unique<QSettings>(QString::fromStdString(iniPath), QSettings::IniFormat))
{
}

QSettingsProfile::~QSettingsProfile() = default;

int QSettingsProfile::GetInt(const std::string& section, const std::string& key, int fallback)
{
    bool ok = false;
    int v = settings_->value(Key(section, key), fallback).toInt(&ok);
    return ok ? v : fallback;
}

std::string QSettingsProfile::GetText(const std::string& section, const std::string& key, const std::string& fallback)
{
    return settings_->value(Key(section, key), QString::fromStdString(fallback)).toString().toStdString();
}

void QSettingsProfile::SetInt(const std::string& section, const std::string& key, int value)
{
    settings_->setValue(Key(section, key), value);
}

void QSettingsProfile::SetText(const std::string& section, const std::string& key, const std::string& value)
{
    settings_->setValue(Key(section, key), QString::fromStdString(value));
}

}  // namespace volmar
