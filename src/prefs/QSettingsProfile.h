#pragma once
// The preferences kept by QSettings under the organisation "NORDWALD" and
// the application "VOLMAR": on Linux an INI file in the user's configuration
// folder, on Windows the registry key of the original tool. Shared by the
// GUI and the CLI; needs QtCore only.
//
// A QSettings object must not be used from two threads at once, but distinct
// objects on the same file may be (they share Qt's cache, so a value one
// thread writes is seen by the others at once). This profile therefore reads
// and writes through one QSettings object per thread: the window's thread
// and a device operation's worker never share one.
#include <cstdint>
#include <memory>
#include <string>
#include <thread>

#include "core/common/Profile.h"

class QSettings;

namespace volmar {

class QSettingsProfile final : public Profile {
public:
    QSettingsProfile();
    // A profile kept in the given INI file (tests, or a portable setup).
    explicit QSettingsProfile(const std::string& iniPath);
    ~QSettingsProfile() override;
    QSettingsProfile(const QSettingsProfile&) = delete;
    QSettingsProfile& operator=(const QSettingsProfile&) = delete;

    int GetInt(const std::string& section, const std::string& key, int fallback) override;
    std::string GetText(const std::string& section, const std::string& key, const std::string& fallback) override;
    void SetInt(const std::string& section, const std::string& key, int value) override;
    void SetText(const std::string& section, const std::string& key, const std::string& value) override;

    // Writes what any thread has changed to the file.
    void Sync();

private:
    // The calling thread's object on this profile's file.
    QSettings& Settings();
    std::unique_ptr<QSettings> Open() const;

    const std::string m_iniPath;  // empty: the user's own preferences
    const uint64_t m_id;          // tells this profile's objects apart in other threads
    const std::thread::id m_owner;
    std::unique_ptr<QSettings> m_settings;  // the creating thread's object
};

}  // namespace volmar
