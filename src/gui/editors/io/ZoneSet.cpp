#include "gui/editors/io/ZoneSet.h"

#include "core/rules/ZoneRules.h"

namespace volmar::gui {

const char* ZoneOrderError(const ZoneSet& set, bool exponent)
{
    return rules::StoredZoneOrderError(set.zones, set.count, exponent).message;
}

}  // namespace volmar::gui
