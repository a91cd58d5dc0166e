#include "core/rules/ComRules.h"

#include "core/rules/FieldRules.h"
#include "core/rules/VerdictCollector.h"
#include "core/settings/TextConvert.h"

namespace volmar::rules {

namespace {

constexpr int kServiceChars = 64;
constexpr int kFtpServerChars = 16;

// IDs, passwords and server names the unit takes: ASCII only besides the length.
const char* PlainError(std::string_view text, size_t maxChars, const char* message)
{
    return IsPlainCredential(text, maxChars) ? nullptr : message;
}

const char* FitsError(std::string_view text, int maxChars, const char* message)
{
    return EditChars(text) > maxChars ? message : nullptr;
}

std::string AccountMessage(const char* text, int account)
{
    return std::string(text) + "(ID" + std::to_string(account + 1) + ")";
}

}  // namespace

std::vector<AccountProblem> CheckAccountTexts(std::span<const AccountView> accounts)
{
    std::vector<AccountProblem> out;
    for (size_t i = 0; i < accounts.size(); ++i) {
        const int n = static_cast<int>(i);
        if (!IsPlainCredential(accounts[i].login, kAccountChars))
            out.push_back({n, "LOGIN", AccountMessage("Setting error: Login ID", n)});
        if (!IsPlainCredential(accounts[i].password, kAccountChars))
            out.push_back({n, "PASSWORD", AccountMessage("Setting error: Password", n)});
    }
    return out;
}

std::vector<AccountProblem> CheckDuplicateLogins(std::span<const AccountView> accounts)
{
    std::vector<AccountProblem> out;
    for (size_t i = 0; i < accounts.size(); ++i) {
        if (!accounts[i].enabled) continue;
        for (size_t j = i + 1; j < accounts.size(); ++j) {
            if (accounts[j].enabled && accounts[i].login == accounts[j].login)
                out.push_back(
                    {static_cast<int>(j), "LOGIN", "Login ID: " + std::string(accounts[i].login) + " duplicated"});
        }
    }
    return out;
}

FieldProblems CheckFtpServer(const FtpServerFields& f)
{
    FieldProblems out;
    if (!f.enabled) return out;
    AddProblem(out, "ID", PlainError(f.id, kFtpServerChars, "Setting error: Login"));
    AddProblem(out, "PASSWORD", PlainError(f.password, kFtpServerChars, "Setting error: Password"));
    AddProblem(out, "PORT", PortError(f.port, "Setting error: Port address"));
    return out;
}

FieldProblems CheckFtpClient(const FtpClientFields& f)
{
    FieldProblems out;
    if (!f.enabled) return out;
    AddProblem(out, "PORT", PortError(f.port, "Setting error: Port address"));
    AddProblem(out, "FTP_SERVER", PlainError(f.server, kServiceChars, "Setting error: FTP server address"));
    AddProblem(out, "FTP_LOGIN", PlainError(f.login, kServiceChars, "Setting error: FTP log in ID"));
    AddProblem(out, "FTP_PASSWORD", PlainError(f.password, kServiceChars, "Setting error: FTP password"));
    AddProblem(out, "FTP_SUBFOLDER", FitsError(f.subfolder, kServiceChars, "Setting error: FTP subfolder"));
    return out;
}

const char* SntpServerError(std::string_view server)
{
    return FitsError(server, kServiceChars, "Setting error: Server");
}

FieldProblems CheckModbus(const ModbusFields& f)
{
    constexpr const char* kLinger = "Setting error: Linger time.";
    FieldProblems out;
    // A linger time that is no number is refused before the port.
    if (!f.linger) AddProblem(out, "RINGER_TIME", kLinger);
    AddProblem(out, "PORT", PortError(f.port, "Setting error: Port address"));
    if (f.linger && (*f.linger < 0 || *f.linger > kLingerMax)) AddProblem(out, "RINGER_TIME", kLinger);
    return out;
}

FieldProblems CheckSmtp(const SmtpFields& f)
{
    FieldProblems out;
    AddProblem(out, "SMTP_AUTH/ID", PlainError(f.authId, kServiceChars, "Setting error: SMTP ID."));
    AddProblem(out, "SMTP_AUTH/PASSWORD", PlainError(f.authPassword, kServiceChars, "Setting error: SMTP password."));
    AddProblem(out, "POP_BEFORE_SMTP_AUTH/ID",
               PlainError(f.popId, kServiceChars, "Setting error: POP before SMTP, POP3 ID."));
    AddProblem(out, "POP_BEFORE_SMTP_AUTH/PASSWORD",
               PlainError(f.popPassword, kServiceChars, "Setting error: POP before SMTP, POP3 password."));
    AddProblem(out, "MY_ADDRESS", FitsError(f.myAddress, kServiceChars, "Setting error: QN70G e-mail address"));
    AddProblem(out, "SMTP_SERVER", FitsError(f.smtpServer, kServiceChars, "Setting error: IP address of SMTP server."));
    AddProblem(out, "POP3_SERVER", FitsError(f.popServer, kServiceChars, "Setting error: IP address of POP3 server."));
    AddProblem(out, "ACCOUNT", FitsError(f.account, kServiceChars, "Setting error: QN70G e-mail acount"));
    AddProblem(out, "NAME", FitsError(f.sender, kServiceChars, "Setting error: Sender's name"));
    AddProblem(out, "SMTP_PORT", PortError(f.smtpPort, "Setting error: SMTP port address"));
    AddProblem(out, "POP3_PORT", PortError(f.popPort, "Setting error: POP3 port address"));
    return out;
}

bool AnyAccountAtDefaults(std::span<const Account> accounts)
{
    constexpr std::string_view kFactoryLogin = "kovan";
    for (const Account& a : accounts) {
        if (a.MODE != kUse) continue;
        if (a.LOGIN[0] == '\0' || a.PASSWORD[0] == '\0') return true;
        if (a.LOGIN == kFactoryLogin && a.PASSWORD == kFactoryLogin) return true;
    }
    return false;
}

unsigned DefaultCredentialFlags(const SettingRecord& record)
{
    const FtpBlock& ftp = record.COM.FTP;
    const bool ftpDefault =
        ftp.MODE == kUse && (ftp.ID[0] == '\0' || ftp.PASSWORD[0] == '\0' ||
                             (std::string_view(ftp.ID) == "QN70G" && std::string_view(ftp.PASSWORD) == "KD57T"));
    unsigned flags = 0;
    if (AnyAccountAtDefaults(record.COM.WEB.AUTH)) flags |= kWebCredentialsDefault;
    if (ftpDefault) flags |= kFtpCredentialsDefault;
    return flags;
}

namespace {

void AddAll(const char* base, const FieldProblems& problems, std::vector<RuleVerdict>& out)
{
    VerdictCollector c(out, base);
    for (const FieldProblem& p : problems) c.Add(p.field, p.message);
}

void CheckWeb(const WebBlock& web, std::vector<RuleVerdict>& out)
{
    AccountView views[kAccountCount];
    for (int i = 0; i < kAccountCount; ++i)
        views[i] = {web.AUTH[i].MODE == kUse, web.AUTH[i].LOGIN, web.AUTH[i].PASSWORD};
    VerdictCollector c(out, "COM/WEB");
    auto add = [&c](const AccountProblem& p) { c.Add("AUTH" + std::to_string(p.account) + "/" + p.field, p.message); };
    for (const AccountProblem& p : CheckAccountTexts(views)) add(p);
    c.Add("PORT", PortError(web.PORT, kWebPort));
    bool reported[kAccountCount] = {};
    for (const AccountProblem& p : CheckDuplicateLogins(views)) {
        if (!reported[p.account]) add(p);
        reported[p.account] = true;
    }
}

}  // namespace

void CheckComRules(const SettingRecord& record, std::vector<RuleVerdict>& out)
{
    const ComBlock& com = record.COM;
    CheckWeb(com.WEB, out);
    AddAll("COM/FTP", CheckFtpServer({com.FTP.MODE == kUse, com.FTP.ID, com.FTP.PASSWORD, PortOf(com.FTP.PORT)}), out);
    const FtpClientBlock& ftpc = com.FTPC;
    AddAll("COM/FTPC",
           CheckFtpClient({ftpc.MODE == kUse, PortOf(ftpc.PORT), ftpc.FTP_SERVER, ftpc.FTP_LOGIN, ftpc.FTP_PASSWORD,
                           ftpc.FTP_SUBFOLDER}),
           out);
    VerdictCollector(out, "COM/SNTP").Add("SERVER", SntpServerError(com.SNTP.SERVER));
    AddAll("COM/MODBUS_TCP", CheckModbus({com.MODBUS_TCP.RINGER_TIME, PortOf(com.MODBUS_TCP.PORT)}), out);
    const SmtpPop3Block& s = com.SMTP_POP3;
    AddAll("COM/SMTP_POP3",
           CheckSmtp({s.SMTP_AUTH.ID, s.SMTP_AUTH.PASSWORD, s.POP_BEFORE_SMTP_AUTH.ID, s.POP_BEFORE_SMTP_AUTH.PASSWORD,
                      s.MY_ADDRESS, s.SMTP_SERVER, s.POP3_SERVER, s.ACCOUNT, s.NAME, PortOf(s.SMTP_PORT),
                      PortOf(s.POP3_PORT)}),
           out);
}

}  // namespace volmar::rules
