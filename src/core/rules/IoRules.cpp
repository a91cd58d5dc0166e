#include "core/rules/IoRules.h"

#include "core/rules/RealValues.h"
#include "core/rules/FieldRules.h"

namespace volmar::rules {

SourceLink LinkOfType(int32_t type, int32_t card, int32_t modbus, int32_t slmp)
{
    if (type == card) return SourceLink::Card;
    if (type == modbus) return SourceLink::Modbus;
    if (type == slmp) return SourceLink::Slmp;
    return SourceLink::None;
}

bool SlaveHasAddress(const SettingRecord& record, int slave)
{
    return slave >= 0 && slave < kSlaveCount && record.IO.MODBUS_MASTER.NODE[slave][0] != '\0';
}

const char* SlaveAddressError(const SettingRecord& record, SourceLink link, int slave)
{
    if (link != SourceLink::Modbus && link != SourceLink::Slmp) return nullptr;
    return SlaveHasAddress(record, slave) ? nullptr : kSlaveWithoutAddress;
}

const char* PercentScalingError(std::string_view scale0, std::string_view scale100, bool exponent)
{
    if (!RealTextValid(scale0, exponent)) return kScale0;
    if (!RealTextValid(scale100, exponent)) return kScale100;
    return AiScalingsEqual(ReadReal(scale0), ReadReal(scale100)) ? kAiScalingEqual : nullptr;
}

const char* DivisorScalingError(std::string_view scale, bool exponent)
{
    return DivisorTextValid(scale, exponent) ? nullptr : kScaling;
}

const char* MailEventsError(int checked)
{
    return checked > kMaxMailEvents ? kTooManyMailEvents : nullptr;
}

int MailEventCount(uint32_t mask)
{
    int n = 0;
    for (int row = 0; row < kEventReportCount && row < 32; ++row) n += (mask >> row) & 1u;
    return n;
}

}  // namespace volmar::rules
