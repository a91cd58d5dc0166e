#pragma once
// "AI%02d": one analog input channel: where its value comes from, how it is
// scaled and shown, and its alarm zones (edited on a copy that reaches the
// record only when this editor is confirmed).
#include "editors/io/SlmpDevices.h"
#include "editors/io/ZoneSet.h"
#include "editors/kit/EditorDialog.h"
#include "settings/SettingRecord.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace volmar::gui {

namespace kit {
class GuardedCombo;
}

class CDlgSetIoAiCh : public kit::EditorDialog {
    Q_OBJECT
public:
    // channel counts from 0.
    CDlgSetIoAiCh(SettingRecord& record, int channel, Interaction& ui, QWidget* parent = nullptr);

    // The zones as the editor holds them now.
    const ZoneSet& Zones() const { return m_zones; }

protected:
    bool Confirm() override;

private:
    QWidget* MakeSourceColumn(const AiChannel& ch);
    QWidget* MakeValueColumn(const AiChannel& ch);
    void ShowDevice(const AiChannel& ch);
    void FillDevices(int32_t slaveType);
    void ResetDeviceNumbers();
    void ConnectCombos();
    void OnSlaveChanged(int slave);
    void ReformatReals();
    void ForceTimeInput();
    void ApplyEnableRule(QWidget* changed = nullptr);
    void OpenZones();

    int32_t TypeValue() const;
    bool Exponent() const;
    bool DeviceHex() const;
    bool CheckFields();
    bool CheckScaling();
    bool CheckSlave();
    void Store();

    SettingRecord& m_record;
    const int m_channel;
    ZoneSet m_zones;
    int32_t m_shownSlaveType = 0;
    SlmpDeviceTable m_devices{};

    kit::GuardedCombo* m_type;
    QLineEdit* m_cardNo;
    QLineEdit* m_cardCh;
    QComboBox* m_slave;
    QComboBox* m_regType;
    QLineEdit* m_regAddress;
    kit::GuardedCombo* m_device;
    QLineEdit* m_deviceDec;
    QLineEdit* m_deviceHex;
    QComboBox* m_timeType;
    QLineEdit* m_name;
    QLineEdit* m_comment;
    kit::GuardedCombo* m_dataType;
    kit::GuardedCombo* m_filter;
    QComboBox* m_samples;
    QLineEdit* m_timeConstant;
    QLineEdit* m_scale0;
    QLineEdit* m_scale100;
    QLineEdit* m_scale;
    QComboBox* m_point;
    QLineEdit* m_unit;
    kit::GuardedCombo* m_exp;
    QPushButton* m_zoneButton;
};

}  // namespace volmar::gui
