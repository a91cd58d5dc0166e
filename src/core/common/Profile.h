#pragma once
// The per-user preferences: sections of integer and text values, as the
// registry profile of the original tool. The GUI and the CLI keep them with
// QSettings (organisation "NORDWALD", application "VOLMAR"); tests use the
// in-memory profile below.
#include <map>
#include <string>
#include <utility>

namespace volmar {

class Profile {
public:
    virtual ~Profile() = default;
    virtual int GetInt(const std::string& section, const std::string& key, int fallback) = 0;
    virtual std::string GetText(const std::string& section, const std::string& key, const std::string& fallback) = 0;
    virtual void SetInt(const std::string& section, const std::string& key, int value) = 0;
    virtual void SetText(const std::string& section, const std::string& key, const std::string& value) = 0;
};

class MemoryProfile final : public Profile {
public:
    int GetInt(const std::string& section, const std::string& key, int fallback) override
    {
        auto it = m_ints.find({section, key});
        return it == m_ints.end() ? fallback : it->second;
    }
    std::string GetText(const std::string& section, const std::string& key, const std::string& fallback) override
    {
        auto it = m_texts.find({section, key});
        return it == m_texts.end() ? fallback : it->second;
    }
    void SetInt(const std::string& section, const std::string& key, int value) override { m_ints[{section, key}] = value; }
    void SetText(const std::string& section, const std::string& key, const std::string& value) override
    {
        m_texts[{section, key}] = value;
    }

private:
    std::map<std::pair<std::string, std::string>, int> m_ints;
    std::map<std::pair<std::string, std::string>, std::string> m_texts;
};

// Section and value names of the preferences.
inline constexpr const char* kProfileSection = "VOLMAR";
inline constexpr const char* kPrefComType = "COMTYPE";
inline constexpr const char* kPrefCom = "COM";
inline constexpr const char* kPrefNetPort = "NETPORT";
inline constexpr const char* kPrefNet = "NET";
inline constexpr const char* kPrefTagMessage = "TAG_MESSAGE";
inline constexpr const char* kPrefConnectConfirm = "CONNECT_CONFIRM";
inline constexpr const char* kPrefUserView = "USER_VIEW";

// The serial device a COM number stands for, kept in the section "COMMAP"
// as "COM%d" = device path (the Connect dialog keeps it); empty when none.
inline std::string KeptComDevice(Profile& profile, int number)
{
    return profile.GetText("COMMAP", "COM" + std::to_string(number), "");
}

}  // namespace volmar
