#include "sim/unit/SimUnit.h"

#include <algorithm>

#include "sim/unit/UnitCodes.h"
#include "sim/unit/UnitDocument.h"

namespace volmar::sim {
namespace {

constexpr size_t kJournalDataBytes = 256;

std::string HexOf(const std::vector<uint8_t>& data)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    for (uint8_t b : data) {
        text += kDigits[b >> 4];
        text += kDigits[b & 15];
    }
    return text;
}

std::string Outcome(int code) { return code == 0 ? "ok" : "refused:" + std::to_string(code); }

}  // namespace

const char* UnitLinkName(UnitLink link)
{
    switch (link) {
    case UnitLink::Serial: return "serial";
    case UnitLink::Tcp: return "tcp";
    case UnitLink::Cipher: return "cipher";
    case UnitLink::Direct: break;
    }
    return "unit";
}

// The unit as seen over one link.
class SimUnit::View final : public UnitModel {
public:
    View(SimUnit& unit, UnitLink link) : m_unit(unit), m_link(link) {}
    std::array<uint8_t, 6> Status() override { return m_unit.StatusOn(m_link); }
    bool Login(const std::string& id, const std::string& pw) override { return m_unit.LoginOn(m_link, id, pw); }
    std::vector<std::string> LoginPasswords() override { return m_unit.LoginPasswords(); }
    bool Get(const std::string& object, std::vector<uint8_t>& out, int& code) override
    {
        return m_unit.GetOn(m_link, object, out, code);
    }
    PutOutcome Put(const std::string& object, const std::vector<uint8_t>& data) override
    {
        return m_unit.PutOn(m_link, object, data);
    }
    ResultReply QueryResult() override { return m_unit.QueryResultOn(m_link); }
    void Record(std::string_view operation, std::string_view object, size_t length,
                std::string_view outcome) override
    {
        m_unit.Note(m_link, operation, object, length, outcome);
    }

private:
    SimUnit& m_unit;
    UnitLink m_link;
};

SimUnit::SimUnit(SimUnitOptions options, const SettingRecord* record, std::unique_ptr<Journal> journal)
    : m_options(std::move(options)), m_journal(std::move(journal))
{
    m_views = {std::make_unique<View>(*this, UnitLink::Serial), std::make_unique<View>(*this, UnitLink::Tcp),
              std::make_unique<View>(*this, UnitLink::Cipher)};
    m_state.record = std::make_unique<SettingRecord>();
    if (record != nullptr)
        *m_state.record = *record;
    else
        ResetSettingRecord(*m_state.record);
    m_state.flags = m_options.flags;
    m_state.mac = m_options.mac;
    m_state.sdFreeBytes = m_options.sdFreeBytes;
    m_state.log.Add(m_state.clock.Stamp(), "System started");
}

SimUnit::~SimUnit() = default;

UnitModel& SimUnit::Link(UnitLink link)
{
    switch (link) {
    case UnitLink::Serial: return *m_views[0];
    case UnitLink::Tcp: return *m_views[1];
    case UnitLink::Cipher: return *m_views[2];
    case UnitLink::Direct: break;
    }
    return *this;
}

std::array<uint8_t, 6> SimUnit::StatusOn(UnitLink link)
{
    uint8_t flags;
    {
        std::lock_guard lock(m_mutex);
        flags = m_state.flags;
    }
    Note(link, "status", {}, 6, "ok");
    return {m_options.deviceCode, m_options.major, m_options.minor, static_cast<uint8_t>(m_options.build >> 8),
            static_cast<uint8_t>(m_options.build), flags};
}

bool SimUnit::AcceptsLocked(const std::string& id, const std::string& password) const
{
    for (const Account& a : m_state.record->VOLMAR.AUTH)
        if (a.MODE == kUse && id == a.LOGIN && password == a.PASSWORD) return true;
    return std::any_of(m_options.accounts.begin(), m_options.accounts.end(),
                       [&](const LoginAccount& a) { return a.id == id && a.password == password; });
}

bool SimUnit::LoginOn(UnitLink link, const std::string& id, const std::string& password)
{
    bool ok;
    {
        std::lock_guard lock(m_mutex);
        ok = !m_options.refuseLogin && AcceptsLocked(id, password);
    }
    Note(link, "login", id, 0, ok ? "ok" : "refused");
    return ok;
}

std::vector<std::string> SimUnit::LoginPasswords()
{
    std::vector<std::string> passwords;
    auto add = [&](const std::string& pw) {
        if (std::find(passwords.begin(), passwords.end(), pw) == passwords.end()) passwords.push_back(pw);
    };
    std::lock_guard lock(m_mutex);
    for (const Account& a : m_state.record->VOLMAR.AUTH)
        if (a.MODE == kUse) add(a.PASSWORD);
    for (const LoginAccount& a : m_options.accounts) add(a.password);
    return passwords;
}

bool SimUnit::GetOn(UnitLink link, const std::string& object, std::vector<uint8_t>& out, int& code)
{
    bool ok;
    {
        std::lock_guard lock(m_mutex);
        ok = GetUnitObject(m_state, object, out, code);
    }
    Note(link, "get", object, ok ? out.size() : 0, Outcome(ok ? 0 : code));
    return ok;
}

PutOutcome SimUnit::PutOn(UnitLink link, const std::string& object, const std::vector<uint8_t>& data)
{
    PutOutcome outcome;
    {
        std::lock_guard lock(m_mutex);
        if (m_options.refusePutCode != 0)
            outcome = {m_options.refusePutCode, m_options.refusePutText};
        else
            outcome = PutUnitObject(m_state, object, data);
        if (outcome.code == 0 && object == "CONFIG_P" && !m_options.alterAfterPut.empty())
            ApplyDocument(*m_state.record, m_options.alterAfterPut);
        m_lastPut = object;
        m_lastOutcome = outcome;
        m_processingLeft = m_options.processingRounds;
    }
    Note(link, "put", object, data.size(), Outcome(outcome.code));
    // The bytes of a small put, so that a test (or a person) sees what arrived.
    if (!data.empty() && data.size() <= kJournalDataBytes) Note(link, "data", object, data.size(), HexOf(data));
    return outcome;
}

ResultReply SimUnit::QueryResultOn(UnitLink link)
{
    ResultReply reply;
    std::string object;
    {
        std::lock_guard lock(m_mutex);
        object = m_lastPut;
        reply.echo = EchoCodeOf(m_lastPut);
        if (m_processingLeft > 0) {
            --m_processingLeft;
            reply.status = kResultProcessing;
        } else {
            reply.status = static_cast<uint8_t>(m_lastOutcome.code);
            reply.text = m_lastOutcome.text;
        }
    }
    Note(link, "result", object, 0,
         reply.status == kResultProcessing ? std::string("processing") : Outcome(reply.status));
    return reply;
}

void SimUnit::CopyRecord(SettingRecord& out) const
{
    std::lock_guard lock(m_mutex);
    out = *m_state.record;
}

std::string SimUnit::LogText() const
{
    std::lock_guard lock(m_mutex);
    return m_state.log.Text();
}

std::vector<std::string> SimUnit::LoginIds() const
{
    std::vector<std::string> ids;
    std::lock_guard lock(m_mutex);
    for (const Account& a : m_state.record->VOLMAR.AUTH)
        if (a.MODE == kUse) ids.push_back(a.LOGIN);
    for (const LoginAccount& a : m_options.accounts) ids.push_back(a.id);
    return ids;
}

void SimUnit::SetFlags(uint8_t flags)
{
    std::lock_guard lock(m_mutex);
    m_state.flags = flags;
}

void SimUnit::Note(UnitLink link, std::string_view operation, std::string_view object, size_t length,
                   std::string_view outcome)
{
    if (m_journal) m_journal->Write(UnitLinkName(link), operation, object, length, outcome);
}

}  // namespace volmar::sim
