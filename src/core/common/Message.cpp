#include "core/common/Message.h"

namespace volmar {

const char* MessageIconName(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information: return "information";
    case MessageIcon::Warning: return "warning";
    case MessageIcon::Error: return "error";
    case MessageIcon::Question: return "question";
    case MessageIcon::None: break;
    }
    return "message";
}

}  // namespace volmar
