#include "core/link/transfer/UnitStatus.h"

namespace volmar {

bool AcceptDeviceCode(UnitStatus& status)
{
    if (status[0] == kDeviceCodeSupported) return true;
    if (status[0] == kDeviceCodeEarly && status[1] == 1 && status[2] == 0 && status[3] == 0 &&
        status[4] == 0x1B) {
        status[0] = kDeviceCodeSupported;
        return true;
    }
    return false;
}

}  // namespace volmar
