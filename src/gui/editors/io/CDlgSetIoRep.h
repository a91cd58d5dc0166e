#pragma once
// The e-mail event selection ("Select event", "Select event: status ON",
// "Select event: status OFF"): check marks on the 32 event reports, at most
// three, only on events that are enabled.
#include <cstdint>

#include "gui/editors/kit/EditorDialog.h"
#include "core/settings/SettingRecord.h"

class QTableWidgetItem;

namespace volmar::gui {

namespace kit {
class ReportTable;
}

class CDlgSetIoRep : public kit::EditorDialog {
    Q_OBJECT
public:
    CDlgSetIoRep(const SettingRecord& record, const QString& title, uint32_t mask, Interaction& ui,
                 QWidget* parent = nullptr);
    uint32_t Mask() const { return m_mask; }
    kit::ReportTable* Table() const { return m_table; }

protected:
    bool Confirm() override;

private:
    bool EventEnabled(int row) const;
    void OnItemChanged(QTableWidgetItem* item);

    const SettingRecord& m_record;
    uint32_t m_mask;
    kit::ReportTable* m_table;
};

}  // namespace volmar::gui
