#include "sim/unit/UnitCodes.h"

#include <utility>

namespace volmar::sim {

uint8_t EchoCodeOf(std::string_view object)
{
    static constexpr std::pair<std::string_view, uint8_t> kEchoes[] = {
        {"CONFIG_P", 2}, {"TIME", 10}, {"DEL", 11},    {"LOG", 12},    {"MAIL", 14},
        {"SUM", 15},     {"FTPC", 16}, {"MBCLR", 20}, {"UDIR_P", 21}, {"UDAT_P", 22},
    };
    for (const auto& [name, echo] : kEchoes)
        if (name == object) return echo;
    return 0;
}

}  // namespace volmar::sim
