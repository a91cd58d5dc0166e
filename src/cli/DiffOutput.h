#pragma once
// How volmar-cli prints the differences of two settings: by element path
// for scripts ("<VOL_MAR><IO><AI><AI1><POINT>: 1 -> 2") or with the labels
// the editors show ("Analog inputs · AI1 · Number of decimal places: 1 -> 2").
#include <cstdio>
#include <vector>

#include "settings/ElementLabels.h"

namespace volmar::cli {

void PrintDifferences(std::FILE* out, const std::vector<SettingDifference>& differences, bool labels);

}  // namespace volmar::cli
