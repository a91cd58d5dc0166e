#pragma once
// How volmar-cli prints the differences of two settings: by element path and
// document value for scripts ("<VOL_MAR><IO><AI><AI1><TYPE>: NONE -> CARD")
// or with the labels and values the editors show ("Analog inputs · AI1 ·
// CH setting: Disable -> I/O module").
#include <ostream>
#include <vector>

#include "core/settings/ElementLabels.h"

namespace volmar::cli {

void PrintDifferences(std::ostream& out, const std::vector<SettingDifference>& differences, bool labels);

}  // namespace volmar::cli
