#pragma once
// The preferences kept by QSettings under the organisation "NORDWALD" and
// the application "VOLMAR": on Linux an INI file in the user's configuration
// folder, on Windows the registry key of the original tool. Shared by the
// GUI and the CLI; needs QtCore only.
#include <memory>
#include <string>

#include "common/Profile.h"

class QSettings;

namespace volmar {

class QSettingsProfile final : public Profile {
public:
    QSettingsProfile();
    // A profile kept in the given INI file (tests, or a portable setup).
    explicit QSettingsProfile(const std::string& iniPath);
    ~QSettingsProfile() override;

    int GetInt(const std::string& section, const std::string& key, int fallback) override;
    std::string GetText(const std::string& section, const std::string& key, const std::string& fallback) override;
    void SetInt(const std::string& section, const std::string& key, int value) override;
    void SetText(const std::string& section, const std::string& key, const std::string& value) override;

private:
    std::unique_ptr<QSettings> settings_;
};

}  // namespace volmar
