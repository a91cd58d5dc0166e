#include "gui/common/ScreenshotRegistry.h"

#include <algorithm>

namespace volmar::gui {
namespace {

std::vector<ScreenshotEntry>& Registry()
{
    static std::vector<ScreenshotEntry> entries;
    return entries;
}

}  // namespace

bool RegisterScreenshot(std::string name, WindowFactory make)
{
    Registry().push_back({std::move(name), std::move(make)});
    return true;
}

std::vector<ScreenshotEntry> Screenshots()
{
    std::vector<ScreenshotEntry> all = Registry();
    std::sort(all.begin(), all.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
    return all;
}

}  // namespace volmar::gui
