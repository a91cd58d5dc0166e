#pragma once
// The checks of the communication editors (web server and the network
// access accounts, FTP server and client, SNTP, Modbus/TCP slave, SMTP/POP3)
// without widgets. Each takes the fields as the editor reads them and
// returns the refusals in the editor's order of checks.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/rules/FieldProblems.h"
#include "core/rules/SettingRules.h"
#include "core/settings/SettingRecord.h"

namespace volmar::rules {

inline constexpr uint64_t kPortMax = 65535;
// A port field: 0 to 65535 (a digits text too long to hold reads as UINT64_MAX).
inline const char* PortError(uint64_t port, const char* message)
{
    return port > kPortMax ? message : nullptr;
}
// A stored port as a port field reads it (a negative one as too big).
inline uint64_t PortOf(int64_t stored)
{
    return stored < 0 ? UINT64_MAX : static_cast<uint64_t>(stored);
}

// Web server and network access accounts ("ID1" to "ID8").
inline constexpr int kAccountChars = 16;
struct AccountView {
    bool enabled;
    std::string_view login, password;
};
struct AccountProblem {
    int account;        // from 0
    const char* field;  // "LOGIN" or "PASSWORD"
    std::string message;
};
// Lengths and character codes, account 1 to 8, login ID before password:
// "Setting error: Login ID(ID3)".
std::vector<AccountProblem> CheckAccountTexts(std::span<const AccountView> accounts);
// Two enabled accounts with the same login ID (case counts), pair by pair in
// the order the editor looks: "Login ID: <id> duplicated", at the later one.
std::vector<AccountProblem> CheckDuplicateLogins(std::span<const AccountView> accounts);
inline constexpr const char* kWebPort = "Setting error: Port address";
// The network access editor's port: at least one digit, and a port.
inline const char* AccessPortError(std::string_view digits, uint64_t port)
{
    return digits.empty() ? kWebPort : PortError(port, kWebPort);
}

// FTP server.
struct FtpServerFields {
    bool enabled;
    std::string_view id, password;
    uint64_t port;
};
FieldProblems CheckFtpServer(const FtpServerFields& f);

// FTP client.
struct FtpClientFields {
    bool enabled;
    uint64_t port;
    std::string_view server, login, password, subfolder;
};
FieldProblems CheckFtpClient(const FtpClientFields& f);

// SNTP.
const char* SntpServerError(std::string_view server);

// Modbus/TCP slave. linger is empty when its text is no number.
inline constexpr int64_t kLingerMax = 3000;
struct ModbusFields {
    std::optional<int64_t> linger;
    uint64_t port;
};
FieldProblems CheckModbus(const ModbusFields& f);

// SMTP/POP3.
struct SmtpFields {
    std::string_view authId, authPassword, popId, popPassword;
    std::string_view myAddress, smtpServer, popServer, account, sender;
    uint64_t smtpPort, popPort;
};
FieldProblems CheckSmtp(const SmtpFields& f);

// The ID/password check before an upload: which servers still have empty or
// factory credentials. A recommendation to the user, never a refusal.
enum CredentialFlag : unsigned {
    kWebCredentialsDefault = 1,  // an enabled web account
    kFtpCredentialsDefault = 2,  // the enabled FTP server
};
// Whether an enabled account has an empty login ID or password, or the
// factory login "kovan" / "kovan".
bool AnyAccountAtDefaults(std::span<const Account> accounts);
unsigned DefaultCredentialFlags(const SettingRecord& record);

// Every check above (the access accounts stay out: they are no part of a
// settings file) over the communication settings of a record.
void CheckComRules(const SettingRecord& record, std::vector<RuleVerdict>& out);

}  // namespace volmar::rules
