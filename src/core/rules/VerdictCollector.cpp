#include "core/rules/VerdictCollector.h"

#include <utility>

#include "core/settings/ElementLabels.h"
#include "core/settings/SettingPaths.h"

namespace volmar::rules {

void VerdictCollector::Push(std::string_view field, std::string message)
{
    std::string path = m_base;
    path.append("/").append(field);
    const std::string element = "<VOL_MAR>" + ElementPath(path);
    m_out.push_back({path, LabelOfElement(element).field, std::move(message)});
}

}  // namespace volmar::rules
