#include "gui/screenshots/ScreenshotList.h"

#include <algorithm>
#include <iterator>

#include "gui/screenshots/ScreenshotParts.h"

namespace volmar::gui {

std::vector<ScreenshotEntry> Screenshots()
{
    using Part = std::vector<ScreenshotEntry> (*)();
    const Part parts[] = {shots::AppWindows,           shots::LinkWindows,  shots::MaintenanceWindows,
                          shots::HubWindows,           shots::SystemSlaveAiWindows, shots::DiDoWindows,
                          shots::PiOiWindows,          shots::ComDisplayRecordWindows, shots::MailWindows,
                          shots::FleetWindows};
    std::vector<ScreenshotEntry> all;
    for (Part part : parts) {
        std::vector<ScreenshotEntry> windows = part();
        all.insert(all.end(), std::make_move_iterator(windows.begin()), std::make_move_iterator(windows.end()));
    }
    std::sort(all.begin(), all.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
    return all;
}

}  // namespace volmar::gui
