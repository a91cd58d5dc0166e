#pragma once
// The entries of the PI channel editor's combos and the record values they
// stand for.
#include <array>
#include <cstdint>

namespace volmar::gui::pi {

inline constexpr std::array<uint32_t, 5> kSamples{4, 8, 16, 32, 64};

enum Type : int32_t {
    kDisable = 0, kCard = 1, kModbus = 2, kReg = 3, kAnalogSum = 4, kDi = 5, kDemo = 6, kSlmp = 7
};
enum Mode : int { kAccumulation = 0, kEngineering = 1, kFloat = 2 };
enum Filter : int { kNoFilter = 0, kMovingAverage = 1, kDelayBuffer = 2 };

template <typename T, size_t N>
int EntryOf(const std::array<T, N>& values, T value)
{
    for (size_t i = 0; i < N; ++i) {
        if (values[i] == value) return static_cast<int>(i);
    }
    return 0;
}

}  // namespace volmar::gui::pi
