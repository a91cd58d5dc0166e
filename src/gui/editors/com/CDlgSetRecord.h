#pragma once
// "Record": how the unit records to its SD card: storing rate, automatic
// start and deletion, file format and when a new memory block starts. A
// faster storing rate can leave channels and pens beyond what it handles;
// the editor offers to disable them. It works on a copy of the whole record,
// so Cancel leaves nothing changed, and OK writes the record section and the
// channels and pens of the copy.
#include <memory>

#include "gui/editors/kit/EditorDialog.h"
#include "core/settings/SettingRecord.h"

class QComboBox;

namespace volmar::gui {
namespace kit {
class GuardedCombo;
}

class CDlgSetRecord : public kit::EditorDialog {
    Q_OBJECT
public:
    CDlgSetRecord(SettingRecord& record, Interaction& ui, QWidget* parent = nullptr);
    ~CDlgSetRecord() override;

    // The working copy (tests).
    const SettingRecord& Working() const { return *m_work; }

protected:
    bool Confirm() override;

private:
    bool RateChangeAllowed(int to);
    void FillIntervals(int speed);
    void UpdateEnabled();

    SettingRecord& m_record;
    std::unique_ptr<SettingRecord> m_work;
    kit::GuardedCombo* m_rate;
    QComboBox* m_auto;
    QComboBox* m_delete;
    QComboBox* m_format;
    QComboBox* m_interval;
    QComboBox* m_hour;
    QComboBox* m_week;
    QComboBox* m_eject;
};

}  // namespace volmar::gui
