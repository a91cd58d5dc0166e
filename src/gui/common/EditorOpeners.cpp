#include "gui/common/EditorOpeners.h"

#include <array>

#include "gui/common/AppContext.h"
#include "gui/common/NotAvailable.h"

namespace volmar::gui {
namespace {

constexpr size_t kSlotCount = static_cast<size_t>(EditorSlot::DiscreteOutput) + 1;

std::array<EditorOpener, kSlotCount>& Openers()
{
    static std::array<EditorOpener, kSlotCount> openers;
    return openers;
}

}  // namespace

EditorOpener ReplaceEditor(EditorSlot slot, EditorOpener opener)
{
    EditorOpener& current = Openers().at(static_cast<size_t>(slot));
    EditorOpener old = std::move(current);
    current = std::move(opener);
    return old;
}

EditorOpener OpenerFor(EditorSlot slot)
{
    if (const EditorOpener& opener = Openers().at(static_cast<size_t>(slot))) return opener;
    return [slot](SettingRecord&, AppContext& ctx, QWidget*) { ShowNotAvailable(ctx.ui, EditorCaption(slot)); };
}

const char* EditorCaption(EditorSlot slot)
{
    switch (slot) {
    case EditorSlot::System: return "System";
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
