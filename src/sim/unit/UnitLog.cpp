#include "sim/unit/UnitLog.h"

namespace volmar::sim {

void UnitLog::Add(const std::string& stamp, const std::string& message)
{
    std::string line = stamp + " " + message + "\r\n";
    if (line.size() > kCapacity) line.erase(0, line.size() - kCapacity);
    text_ += line;
    while (text_.size() > kCapacity) {
        const size_t end = text_.find('\n');
        text_.erase(0, end == std::string::npos ? text_.size() - kCapacity : end + 1);
    }
}

}  // namespace volmar::sim
