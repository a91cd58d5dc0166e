#pragma once
// The alarm zone editor shared by the AI, PI and OI channels: "Partitions"
// and the pages "Basic", "Upward" and "Downward" over the editor's own copy
// of the channel's zones. OK checks every page and hands back Result(); the
// channel editor keeps it until it is confirmed itself. A member of the
// family (CDlgSetIoAiArea, ...) creates its three pages and calls Install().
#include "gui/editors/io/ZoneSet.h"
#include "gui/editors/kit/EditorDialog.h"

class QTabWidget;

namespace volmar::gui {

namespace kit {
class GuardedCombo;
}
class ZoneTabBase;
class ZoneTabEvents;

class ZoneArea : public kit::EditorDialog {
    Q_OBJECT
public:
    const ZoneSet& Result() const { return m_work; }
    QTabWidget* Tabs() const { return m_tabs; }

protected:
    // channel counts from 0; the title shows it from 1.
    ZoneArea(const ZoneFamily& family, int channel, const ZoneSet& zones, bool exponent,
             const SettingRecord& record, Interaction& ui, QWidget* parent, bool sumResetAllowed = true);

    // What the pages are built on.
    ZoneContext Context() { return m_context; }
    void Install(ZoneTabBase* basic, ZoneTabEvents* upward, ZoneTabEvents* downward);

    bool Confirm() override;

private:
    int Count() const;
    bool CountChangeAllowed(int from, int to);
    bool Fail(int page, const char* message);

    ZoneSet m_work;
    ZoneContext m_context;
    kit::GuardedCombo* m_partitions;
    QTabWidget* m_tabs;
    ZoneTabBase* m_basic = nullptr;
    ZoneTabEvents* m_upward = nullptr;
    ZoneTabEvents* m_downward = nullptr;
};

}  // namespace volmar::gui
