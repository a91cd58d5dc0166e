#include "core/settings/DoUses.h"

#include <cstdio>

namespace volmar {
namespace {

std::string Numbered(const char* kind, int number)
{
    char text[16];
    std::snprintf(text, sizeof text, "%s%02d", kind, number);
    return text;
}

constexpr const char* kDisabled = " (disabled)";

std::string Marked(std::string detail, bool inUse) { return inUse ? detail : detail + kDisabled; }

bool Drives(uint32_t word1, uint32_t word2, int out)
{
    const uint32_t word = out < 32 ? word1 : word2;
    return (word >> (out % 32)) & 1u;
}

// Rows for the zones of the channels of one kind.
template <typename Channels>
void AddZones(std::vector<DoUse>& rows, const Channels& channels, const char* kind, int out)
{
    int number = 0;
    for (const auto& ch : channels) {
        ++number;
        const int count = ch.TYPE != 0 && ch.USE_AREAS >= 2 && ch.USE_AREAS <= kZoneCount ? ch.USE_AREAS : 0;
        for (int zone = 1; zone <= kZoneCount; ++zone) {
            const Zone& z = ch.AREA[zone - 1];
            if (!Drives(z.DO_ON1, z.DO_ON2, out)) continue;
            rows.push_back({out, Numbered("DO", out + 1), "I/O (" + Numbered(kind, number) + ")",
                            Marked("Zone " + std::to_string(zone), zone <= count)});
        }
    }
}

bool ReportDrives(const MailReport& report, int out)
{
    return Drives(report.DO_ON1, report.DO_ON2, out) || Drives(report.DO_OFF1, report.DO_OFF2, out);
}

void AddMail(std::vector<DoUse>& rows, const MailReportBlock& mail, int out)
{
    const std::string channel = Numbered("DO", out + 1);
    std::string events;
    std::vector<int> disabled;
    for (int e = 0; e < kEventReportCount; ++e) {
        if (!ReportDrives(mail.EVENT[e], out)) continue;
        if (mail.EVENT[e].MODE == kUse)
            events += std::to_string(e + 1) + ", ";
        else
            disabled.push_back(e + 1);
    }
    if (!events.empty()) rows.push_back({out, channel, "E-mail", "Event report " + events});
    for (int e : disabled) rows.push_back({out, channel, "E-mail", Marked("Event report " + std::to_string(e), false)});
    if (ReportDrives(mail.TIME.REPORT, out))
        rows.push_back({out, channel, "E-mail", Marked("Regular report", mail.TIME.REPORT.MODE == kUse)});
    if (mail.ERROR == out + 1) rows.push_back({out, channel, "E-mail", "Delivery failure output"});
}

}  // namespace

std::vector<DoUse> DoUses(const SettingRecord& record)
{
    std::vector<DoUse> rows;
    for (int out = 0; out < kDoCount; ++out) {
        AddZones(rows, record.IO.AI, "AI", out);
        int number = 0;
        for (const DiChannel& di : record.IO.DI) {
            ++number;
            const std::string function = "I/O (" + Numbered("DI", number) + ")";
            const bool inUse = di.TYPE != 0;
            if (Drives(di.STATUS.ON.DO_ON1, di.STATUS.ON.DO_ON2, out))
                rows.push_back({out, Numbered("DO", out + 1), function, Marked("ON", inUse)});
            if (Drives(di.STATUS.OFF.DO_ON1, di.STATUS.OFF.DO_ON2, out))
                rows.push_back({out, Numbered("DO", out + 1), function, Marked("OFF", inUse)});
        }
        AddZones(rows, record.IO.PI, "PI", out);
        AddZones(rows, record.IO.OI, "OI", out);
        AddMail(rows, record.MAIL_REPORT, out);
    }
    return rows;
}

}  // namespace volmar
