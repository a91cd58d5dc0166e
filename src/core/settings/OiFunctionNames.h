#pragma once
// The names of a function input's sixteen functions, as the channel editor's
// "CH setting" list and the settings report show them.
#include <cstdint>

namespace volmar {

inline constexpr int32_t kOiFunctionNames = 17;  // "Disable" and the sixteen

// The entry of stored function; empty text for a value out of range.
const char* OiFunctionName(int32_t function);

}  // namespace volmar
