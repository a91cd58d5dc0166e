#pragma once
// The settings editors that the configuration hub's and its "Input/Output"
// menu's buttons open, one slot per button. Which editor a slot opens is
// the window table's business (gui/app/WindowTable.cpp); the buttons ask
// OpenerFor(slot). Tests may put a stand-in into a slot for a while.
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
    InputOutput,
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

// The slot's editor: the stand-in while one is set, else the table's.
EditorOpener OpenerFor(EditorSlot slot);
// The editor the window table puts behind the slot.
EditorOpener TableEditor(EditorSlot slot);
// The caption of the slot's button.
const char* EditorCaption(EditorSlot slot);

// Puts a stand-in into slot (empty: none) and returns the one it replaces.
EditorOpener ReplaceEditor(EditorSlot slot, EditorOpener opener);

// A stand-in for the time of a scope (tests).
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
