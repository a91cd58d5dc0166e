#include "core/rules/VerdictCollector.h"

#include <algorithm>
#include <utility>

#include "core/settings/ElementLabels.h"

namespace volmar::rules {

void VerdictCollector::Push(std::string_view field, std::string message)
{
    const std::string path = m_base + "/" + std::string(field);
    std::string element = "<VOL_MAR>";
    size_t at = 0;
    while (at <= path.size()) {
        const size_t slash = std::min(path.find('/', at), path.size());
        element += "<" + path.substr(at, slash - at) + ">";
        at = slash + 1;
    }
    m_out.push_back({path, LabelOfElement(element).field, std::move(message)});
}

}  // namespace volmar::rules
