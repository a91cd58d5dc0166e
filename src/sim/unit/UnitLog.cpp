#include "sim/unit/UnitLog.h"

namespace volmar::sim {

void UnitLog::Add(const std::string& stamp, const std::string& message)
{
    std::string line = stamp + " " + message + "\r\n";
    if (line.size() > kCapacity) line.erase(0, line.size() - kCapacity);
    m_text += line;
    while (m_text.size() > kCapacity) {
        const size_t end = m_text.find('\n');
        m_text.erase(0, end == std::string::npos ? m_text.size() - kCapacity : end + 1);
    }
}

}  // namespace volmar::sim
