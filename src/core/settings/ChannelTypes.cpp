#include "core/settings/ChannelTypes.h"

namespace volmar {
namespace {

constexpr TypeChoice kAi[] = {
    {0, "Disable"}, {1, "I/O module"}, {2, "Modbus/TCP"}, {7, "SLMP"}, {3, "Control input"}, {4, "Time"},
    {5, "Demo (sine wave)"}, {6, "Demo (square wave)"},
};
constexpr TypeChoice kDi[] = {
    {0, "Disable"}, {1, "I/O module"}, {2, "Modbus/TCP"}, {7, "SLMP"}, {6, "AI"}, {3, "Control input"},
    {4, "Logic function"}, {5, "Demo"},
};
constexpr TypeChoice kPi[] = {
    {0, "Disable"}, {1, "I/O module"}, {2, "Modbus/TCP"}, {7, "SLMP"}, {3, "Control input"},
    {4, "Analog accumulation"}, {5, "DI"}, {6, "Demo"},
};
constexpr TypeChoice kDo[] = {{0, "Disable"}, {1, "I/O module"}, {2, "Modbus/TCP"}, {3, "SLMP"}};

}  // namespace

TypeChoices AiTypeChoices() { return kAi; }
TypeChoices DiTypeChoices() { return kDi; }
TypeChoices PiTypeChoices() { return kPi; }
TypeChoices DoTypeChoices() { return kDo; }

int32_t TypeOfEntry(TypeChoices choices, int entry)
{
    return entry >= 0 && static_cast<size_t>(entry) < choices.size() ? choices[static_cast<size_t>(entry)].type : 0;
}

int EntryOfType(TypeChoices choices, int32_t type)
{
    for (size_t i = 0; i < choices.size(); ++i) {
        if (choices[i].type == type) return static_cast<int>(i);
    }
    return 0;
}

const char* TextOfType(TypeChoices choices, int32_t type)
{
    for (const TypeChoice& c : choices) {
        if (c.type == type) return c.text;
    }
    return nullptr;
}

}  // namespace volmar
