#pragma once
// "Slave %d": one I/O slave's type, address, port and the Modbus/TCP or SLMP
// station fields.
#include "gui/editors/kit/EditorDialog.h"
#include "core/settings/SettingRecord.h"

class QLineEdit;

namespace volmar::gui {

namespace kit {
class GuardedCombo;
class Ipv4Edit;
}  // namespace kit

class CDlgSetIoNodeConf : public kit::EditorDialog {
    Q_OBJECT
public:
    CDlgSetIoNodeConf(SettingRecord& record, int slave, Interaction& ui, QWidget* parent = nullptr);

protected:
    bool Confirm() override;

private:
    bool CheckFields(int type);
    bool ConfirmDeletion();
    bool ConfirmTypeConflict();
    void ApplyEnableRule();
    void Store();

    SettingRecord& m_record;
    const int m_slave;
    kit::GuardedCombo* m_type;
    kit::Ipv4Edit* m_address;
    QLineEdit* m_port;
    QLineEdit* m_node;
    QLineEdit* m_network;
    QLineEdit* m_station;
    QLineEdit* m_processor;
};

}  // namespace volmar::gui
