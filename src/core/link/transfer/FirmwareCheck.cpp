#include "core/link/transfer/FirmwareCheck.h"

#include <string>

namespace volmar {
namespace {

constexpr int32_t kPiTypeSlmp = 7;

bool EarlySlmpDevice(uint16_t code)
{
    return code == 0x52 /* LTN */ || code == 0x56 /* LCN */ || code == 0x5A /* LSTN */ ||
           code == 0x62 /* LZ */;
}

}  // namespace

std::optional<Message> CheckUnitFirmware(const SettingRecord& record, int major, int minor)
{
    if (major > 2 || (major == 2 && minor >= 2)) return std::nullopt;
    for (int i = 0; i < kPiCount; ++i) {
        const PiChannel& pi = record.IO.PI[i];
        if (pi.TYPE == kPiTypeSlmp && !EarlySlmpDevice(pi.SLMP_DEV_CODE)) {
            return Message{MessageIcon::Error, "Setting error: PI" + std::to_string(i + 1) +
                                                   "\nSLMP device not supported by this QN70 version."};
        }
    }
    return std::nullopt;
}

}  // namespace volmar
