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
    View(SimUnit& unit, UnitLink link) : unit_(unit), link_(link) {}
    std::array<uint8_t, 6> Status() override { return unit_.StatusOn(link_); }
    bool Login(const std::string& id, const std::string& pw) override { return unit_.LoginOn(link_, id, pw); }
    std::vector<std::string> LoginPasswords() override { return unit_.LoginPasswords(); }
    bool Get(const std::string& object, std::vector<uint8_t>& out, int& code) override
    {
        return unit_.GetOn(link_, object, out, code);
    }
    PutOutcome Put(const std::string& object, const std::vector<uint8_t>& data) override
    {
        return unit_.PutOn(link_, object, data);
    }
    ResultReply QueryResult() override { return unit_.QueryResultOn(link_); }
    void Record(std::string_view operation, std::string_view object, size_t length,
                std::string_view outcome) override
    {
        unit_.Note(link_, operation, object, length, outcome);
    }

private:
    SimUnit& unit_;
    UnitLink link_;
};

SimUnit::SimUnit(SimUnitOptions options, const SettingRecord* record, std::unique_ptr<Journal> journal)
    : options_(std::move(options)), journal_(std::move(journal))
{
    views_ = {std::make_unique<View>(*this, UnitLink::Serial), std::make_unique<View>(*this, UnitLink::Tcp),
              std::make_unique<View>(*this, UnitLink::Cipher)};
    state_.record = std::make_unique<SettingRecord>();
    if (record != nullptr)
        *state_.record = *record;
    else
        ResetSettingRecord(*state_.record);
    state_.flags = options_.flags;
    state_.mac = options_.mac;
    state_.sdFreeBytes = options_.sdFreeBytes;
    state_.log.Add(state_.clock.Stamp(), "System started");
}

SimUnit::~SimUnit() = default;

UnitModel& SimUnit::Link(UnitLink link)
{
    switch (link) {
    case UnitLink::Serial: return *views_[0];
    case UnitLink::Tcp: return *views_[1];
    case UnitLink::Cipher: return *views_[2];
    case UnitLink::Direct: break;
    }
    return *this;
}

std::array<uint8_t, 6> SimUnit::StatusOn(UnitLink link)
{
    uint8_t flags;
    {
        std::lock_guard lock(mutex_);
        flags = state_.flags;
    }
    Note(link, "status", {}, 6, "ok");
    return {options_.deviceCode, options_.major, options_.minor, static_cast<uint8_t>(options_.build >> 8),
            static_cast<uint8_t>(options_.build), flags};
}

bool SimUnit::AcceptsLocked(const std::string& id, const std::string& password) const
{
    for (const Account& a : state_.record->VOLMAR.AUTH)
        if (a.MODE == kUse && id == a.LOGIN && password == a.PASSWORD) return true;
    return std::any_of(options_.accounts.begin(), options_.accounts.end(),
                       [&](const LoginAccount& a) { return a.id == id && a.password == password; });
}

bool SimUnit::LoginOn(UnitLink link, const std::string& id, const std::string& password)
{
    bool ok;
    {
        std::lock_guard lock(mutex_);
        ok = !options_.refuseLogin && AcceptsLocked(id, password);
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
    std::lock_guard lock(mutex_);
    for (const Account& a : state_.record->VOLMAR.AUTH)
        if (a.MODE == kUse) add(a.PASSWORD);
    for (const LoginAccount& a : options_.accounts) add(a.password);
    return passwords;
}

bool SimUnit::GetOn(UnitLink link, const std::string& object, std::vector<uint8_t>& out, int& code)
{
    bool ok;
    {
        std::lock_guard lock(mutex_);
        ok = GetUnitObject(state_, object, out, code);
    }
    Note(link, "get", object, ok ? out.size() : 0, Outcome(ok ? 0 : code));
    return ok;
}

PutOutcome SimUnit::PutOn(UnitLink link, const std::string& object, const std::vector<uint8_t>& data)
{
    PutOutcome outcome;
    {
        std::lock_guard lock(mutex_);
        if (options_.refusePutCode != 0)
            outcome = {options_.refusePutCode, options_.refusePutText};
        else
            outcome = PutUnitObject(state_, object, data);
        if (outcome.code == 0 && object == "CONFIG_P" && !options_.alterAfterPut.empty())
            ApplyDocument(*state_.record, options_.alterAfterPut);
        lastPut_ = object;
        lastOutcome_ = outcome;
        processingLeft_ = options_.processingRounds;
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
        std::lock_guard lock(mutex_);
        object = lastPut_;
        reply.echo = EchoCodeOf(lastPut_);
        if (processingLeft_ > 0) {
            --processingLeft_;
            reply.status = kResultProcessing;
        } else {
            reply.status = static_cast<uint8_t>(lastOutcome_.code);
            reply.text = lastOutcome_.text;
        }
    }
    Note(link, "result", object, 0,
         reply.status == kResultProcessing ? std::string("processing") : Outcome(reply.status));
    return reply;
}

void SimUnit::CopyRecord(SettingRecord& out) const
{
    std::lock_guard lock(mutex_);
    out = *state_.record;
}

std::string SimUnit::LogText() const
{
    std::lock_guard lock(mutex_);
    return state_.log.Text();
}

std::vector<std::string> SimUnit::LoginIds() const
{
    std::vector<std::string> ids;
    std::lock_guard lock(mutex_);
    for (const Account& a : state_.record->VOLMAR.AUTH)
        if (a.MODE == kUse) ids.push_back(a.LOGIN);
    for (const LoginAccount& a : options_.accounts) ids.push_back(a.id);
    return ids;
}

void SimUnit::SetFlags(uint8_t flags)
{
    std::lock_guard lock(mutex_);
    state_.flags = flags;
}

void SimUnit::Note(UnitLink link, std::string_view operation, std::string_view object, size_t length,
                   std::string_view outcome)
{
    if (journal_) journal_->Write(UnitLinkName(link), operation, object, length, outcome);
}

}  // namespace volmar::sim
