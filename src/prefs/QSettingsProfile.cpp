#include "prefs/QSettingsProfile.h"

#include <QSettings>
#include <QString>

#include <atomic>
#include <map>

namespace volmar {
namespace {

QString Key(const std::string& section, const std::string& key)
{
    return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(key);
}

std::atomic<uint64_t> g_nextProfileId{1};

// The objects a thread other than a profile's creator uses, by profile id
// (never reused, so an object of a profile gone cannot serve a new one).
// They go when the thread ends.
thread_local std::map<uint64_t, std::unique_ptr<QSettings>> t_settings;

}  // namespace

QSettingsProfile::QSettingsProfile() : QSettingsProfile(std::string()) {}

QSettingsProfile::QSettingsProfile(const std::string& iniPath)
    : m_iniPath(iniPath), m_id(g_nextProfileId++), m_owner(std::this_thread::get_id()), m_settings(Open())
{
}

QSettingsProfile::~QSettingsProfile()
{
    // Other threads' objects go when their threads end; what they changed
    // sits in Qt's cache of the file, which this sync writes.
    t_settings.erase(m_id);
    m_settings->sync();
}

std::unique_ptr<QSettings> QSettingsProfile::Open() const
{
    if (m_iniPath.empty()) {
        return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("NORDWALD"),
                                           QStringLiteral("VOLMAR"));
    }
    return std::make_unique<QSettings>(QString::fromStdString(m_iniPath), QSettings::IniFormat);
}

QSettings& QSettingsProfile::Settings()
{
    if (std::this_thread::get_id() == m_owner) return *m_settings;
    std::unique_ptr<QSettings>& mine = t_settings[m_id];
    if (!mine) mine = Open();
    return *mine;
}

void QSettingsProfile::Sync() { Settings().sync(); }

int QSettingsProfile::GetInt(const std::string& section, const std::string& key, int fallback)
{
    bool ok = false;
    int v = Settings().value(Key(section, key), fallback).toInt(&ok);
    return ok ? v : fallback;
}

std::string QSettingsProfile::GetText(const std::string& section, const std::string& key, const std::string& fallback)
{
    return Settings().value(Key(section, key), QString::fromStdString(fallback)).toString().toStdString();
}

void QSettingsProfile::SetInt(const std::string& section, const std::string& key, int value)
{
    Settings().setValue(Key(section, key), value);
}

void QSettingsProfile::SetText(const std::string& section, const std::string& key, const std::string& value)
{
    Settings().setValue(Key(section, key), QString::fromStdString(value));
}

}  // namespace volmar
