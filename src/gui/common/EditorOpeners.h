#pragma once
// The settings editors that the configuration hub and its "Input/Output"
// menu open, one slot per button. An editor plugs itself in from its own
// .cpp, and the buttons pick it up without further change:
//
//   VOLMAR_EDITOR(EditorSlot::System, [](SettingRecord& r, AppContext& c, QWidget* p) {
//       CDlgSetSystem(r, c, p).exec();
//   });
//
// A slot nobody has filled shows the not-available notice naming its button.
#include <functional>

class QWidget;

namespace volmar {
struct SettingRecord;
}

namespace volmar::gui {

struct AppContext;

enum class EditorSlot {
    // The hub's buttons.
    System,
    Communication,
    Mail,
    Display,
    Record,
    // The "Input/Output" menu's buttons.
    IoSlave,
    AnalogInput,
    DiscreteInput,
    PulseInput,
    FunctionInput,
    DiscreteOutput,
};

// Opens an editor modally on the record; the caller ignores its result.
using EditorOpener = std::function<void(SettingRecord& record, AppContext& ctx, QWidget* parent)>;

// Puts opener into slot and returns the one it replaces (empty if none).
EditorOpener ReplaceEditor(EditorSlot slot, EditorOpener opener);
// The slot's editor, or the notice when none is plugged in.
EditorOpener OpenerFor(EditorSlot slot);
// The caption of the slot's button, as the notice names it.
const char* EditorCaption(EditorSlot slot);

// Swaps an editor for the time of a scope (tests).
class ScopedEditor {
public:
    ScopedEditor(EditorSlot slot, EditorOpener opener) : m_slot(slot), m_old(ReplaceEditor(slot, std::move(opener))) {}
    ~ScopedEditor() { ReplaceEditor(m_slot, std::move(m_old)); }
    ScopedEditor(const ScopedEditor&) = delete;
    ScopedEditor& operator=(const ScopedEditor&) = delete;

private:
    EditorSlot m_slot;
    EditorOpener m_old;
};

}  // namespace volmar::gui

#define VOLMAR_EDITOR_CAT2(a, b) a##b
#define VOLMAR_EDITOR_CAT(a, b) VOLMAR_EDITOR_CAT2(a, b)
#define VOLMAR_EDITOR(slot, opener)                                                         \
    static const bool VOLMAR_EDITOR_CAT(volmarEditor_, __LINE__) [[maybe_unused]] = \
        (::volmar::gui::ReplaceEditor(slot, opener), true)
