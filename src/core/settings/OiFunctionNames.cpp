#include "settings/OiFunctionNames.h"

namespace volmar {

const char* OiFunctionName(int32_t function)
{
    static const char* const kNames[kOiFunctionNames] = {
        "Disable", "Addition/Subtraction", "Multiplication", "Division", "Square root", "Moving average",
        "Delay buffer", "Peak hold (max)", "Valley hold (min)", "exp", "Common logarithm", "Natural logarithm",
        "Analog accumulation", "Power", "F value calculation", "Antilog", "Scaling",
    };
    return function >= 0 && function < kOiFunctionNames ? kNames[function] : "";
}

}  // namespace volmar
