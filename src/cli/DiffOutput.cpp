#include "cli/DiffOutput.h"

#include "cli/Console.h"
#include "core/settings/EditorEntries.h"

namespace volmar::cli {

void PrintDifferences(std::ostream& out, const std::vector<SettingDifference>& differences, bool labels)
{
    for (const SettingDifference& d : differences) {
        if (labels) {
            Print(out, "%s \xC2\xB7 %s: %s -> %s\n", d.label.section.c_str(), d.label.Full().c_str(),
                  EditorValue(d.path, d.left).c_str(), EditorValue(d.path, d.right).c_str());
        } else {
            Print(out, "%s: %s -> %s\n", d.path.c_str(), d.left.c_str(), d.right.c_str());
        }
    }
}

}  // namespace volmar::cli
