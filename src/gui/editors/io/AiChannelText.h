#pragma once
// The entries of the AI channel editor's combos and the record values they
// stand for.
#include <array>
#include <cstdint>

namespace volmar::gui::ai {

inline constexpr std::array<uint32_t, 5> kSamples{4, 8, 16, 32, 64};

enum Type : int32_t { kDisable = 0, kCard = 1, kModbus = 2, kReg = 3, kTime = 4, kSlmp = 7 };
enum DataType : int { kPercent = 0, kInt = 1, kUint = 2 };
enum Filter : int { kNoFilter = 0, kMovingAverage = 1, kDelayBuffer = 2 };

inline int EntryOfSamples(uint32_t samples)
{
    for (size_t i = 0; i < kSamples.size(); ++i) {
        if (kSamples[i] == samples) return static_cast<int>(i);
    }
    return 0;
}

}  // namespace volmar::gui::ai
