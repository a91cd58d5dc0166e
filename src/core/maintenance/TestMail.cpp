#include "core/maintenance/TestMail.h"

#include <algorithm>
#include <iterator>

#include "core/maintenance/MaintenanceTexts.h"

namespace volmar {

const char* TestMailRefusal(const SettingRecord& record, uint8_t report)
{
    const bool regular = report == kRegularReportByte;
    if (!regular && report >= kEventReportCount) return kMsgEventDisabled;
    const MailReport& r = regular ? record.MAIL_REPORT.TIME.REPORT : record.MAIL_REPORT.EVENT[report];
    if (r.MODE != kUse) return regular ? kMsgRegularDisabled : kMsgEventDisabled;
    const bool anyRecipient = std::any_of(std::begin(r.DST), std::end(r.DST), [](int32_t kind) { return kind != 0; });
    if (!anyRecipient) return regular ? kMsgNoAddress : kMsgNoEventAddress;
    return nullptr;
}

}  // namespace volmar
