#pragma once
// The simulated QN70G unit: its setting, identity, clock, log and the other
// objects a tool reads and writes, behind the UnitModel interface that the
// serial, plain TCP and encrypted endpoints call. The endpoints may run on
// threads of their own at once; one lock keeps the unit consistent.
#include <array>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "core/settings/SettingRecord.h"
#include "sim/UnitModel.h"
#include "sim/unit/Journal.h"
#include "sim/unit/SimUnitOptions.h"
#include "sim/unit/UnitObjects.h"

namespace volmar::sim {

enum class UnitLink { Direct, Serial, Tcp, Cipher };

const char* UnitLinkName(UnitLink link);

class SimUnit : public UnitModel {
public:
    // record: the unit's setting; null for the default setting. journal:
    // where to record the requests; null for none.
    explicit SimUnit(SimUnitOptions options = {}, const SettingRecord* record = nullptr,
                     std::unique_ptr<Journal> journal = nullptr);
    ~SimUnit() override;
    SimUnit(const SimUnit&) = delete;
    SimUnit& operator=(const SimUnit&) = delete;

    // The unit as one link reaches it: the same unit, with requests journaled
    // under the link's name. Give each endpoint its own.
    UnitModel& Link(UnitLink link);

    // UnitModel, journaled as link "unit".
    std::array<uint8_t, 6> Status() override { return StatusOn(UnitLink::Direct); }
    bool Login(const std::string& id, const std::string& password) override
    {
        return LoginOn(UnitLink::Direct, id, password);
    }
    std::vector<std::string> LoginPasswords() override;
    bool Get(const std::string& object, std::vector<uint8_t>& out, int& code) override
    {
        return GetOn(UnitLink::Direct, object, out, code);
    }
    PutOutcome Put(const std::string& object, const std::vector<uint8_t>& data) override
    {
        return PutOn(UnitLink::Direct, object, data);
    }
    ResultReply QueryResult() override { return QueryResultOn(UnitLink::Direct); }
    void Record(std::string_view operation, std::string_view object, size_t length,
                std::string_view outcome) override
    {
        Note(UnitLink::Direct, operation, object, length, outcome);
    }

    // For the simulator's owner and tests.
    void CopyRecord(SettingRecord& out) const;
    std::string LogText() const;
    // The login IDs the unit accepts now.
    std::vector<std::string> LoginIds() const;
    void SetFlags(uint8_t flags);

private:
    class View;

    std::array<uint8_t, 6> StatusOn(UnitLink link);
    bool LoginOn(UnitLink link, const std::string& id, const std::string& password);
    bool GetOn(UnitLink link, const std::string& object, std::vector<uint8_t>& out, int& code);
    PutOutcome PutOn(UnitLink link, const std::string& object, const std::vector<uint8_t>& data);
    ResultReply QueryResultOn(UnitLink link);
    bool AcceptsLocked(const std::string& id, const std::string& password) const;
    void Note(UnitLink link, std::string_view operation, std::string_view object, size_t length,
              std::string_view outcome);

    const SimUnitOptions m_options;
    const std::unique_ptr<Journal> m_journal;
    std::array<std::unique_ptr<View>, 3> m_views;

    mutable std::mutex m_mutex;
    UnitState m_state;
    // The last put, for the serial result query.
    std::string m_lastPut;
    PutOutcome m_lastOutcome;
    int m_processingLeft = 0;
};

}  // namespace volmar::sim
