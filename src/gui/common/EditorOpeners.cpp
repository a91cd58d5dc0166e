#include "gui/common/EditorOpeners.h"

#include <array>

namespace volmar::gui {
namespace {

constexpr size_t kSlotCount = static_cast<size_t>(EditorSlot::DiscreteOutput) + 1;

std::array<EditorOpener, kSlotCount>& StandIns()
{
    static std::array<EditorOpener, kSlotCount> standIns;
    return standIns;
}

}  // namespace

EditorOpener ReplaceEditor(EditorSlot slot, EditorOpener opener)
{
    EditorOpener& current = StandIns().at(static_cast<size_t>(slot));
    EditorOpener old = std::move(current);
    current = std::move(opener);
    return old;
}

EditorOpener OpenerFor(EditorSlot slot)
{
    if (const EditorOpener& standIn = StandIns().at(static_cast<size_t>(slot))) return standIn;
    return TableEditor(slot);
}

const char* EditorCaption(EditorSlot slot)
{
    switch (slot) {
    case EditorSlot::System: return "System";
    case EditorSlot::InputOutput: return "Input/Output";
    case EditorSlot::Communication: return "Communication";
    case EditorSlot::Mail: return "E-mail";
    case EditorSlot::Display: return "Graph/Display";
    case EditorSlot::Record: return "Record";
    case EditorSlot::IoSlave: return "I/O slave setting";
    case EditorSlot::AnalogInput: return "Analog input (AI)";
    case EditorSlot::DiscreteInput: return "Discrete input (DI)";
    case EditorSlot::PulseInput: return "Pulse input (PI)";
    case EditorSlot::FunctionInput: return "Function input (OI)";
    case EditorSlot::DiscreteOutput: return "Discrete output (DO)";
    }
    return "";
}

}  // namespace volmar::gui
