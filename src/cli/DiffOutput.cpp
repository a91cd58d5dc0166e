#include "cli/DiffOutput.h"

#include "core/settings/EditorEntries.h"

namespace volmar::cli {

void PrintDifferences(std::FILE* out, const std::vector<SettingDifference>& differences, bool labels)
{
    for (const SettingDifference& d : differences) {
        if (labels) {
            std::fprintf(out, "%s \xC2\xB7 %s: %s -> %s\n", d.label.section.c_str(), d.label.Full().c_str(),
                         EditorValue(d.path, d.left).c_str(), EditorValue(d.path, d.right).c_str());
        } else {
            std::fprintf(out, "%s: %s -> %s\n", d.path.c_str(), d.left.c_str(), d.right.c_str());
        }
    }
}

}  // namespace volmar::cli
