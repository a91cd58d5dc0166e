#pragma once
// "PI%02d": one pulse input channel: where it counts or measures from, how
// the result is scaled and shown, what resets it, and its alarm zones
// (edited on a copy that reaches the record only when this editor is
// confirmed).
#include "editors/io/SlmpDevices.h"
#include "editors/io/ZoneSet.h"
#include "editors/kit/EditorDialog.h"
#include "settings/SettingRecord.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QPushButton;

namespace volmar::gui {

namespace kit {
class GuardedCombo;
}

class CDlgSetIoPiCh : public kit::EditorDialog {
    Q_OBJECT
public:
    // channel counts from 0.
    CDlgSetIoPiCh(SettingRecord& record, int channel, Interaction& ui, QWidget* parent = nullptr);

    const ZoneSet& Zones() const { return m_zones; }
    // Whether the channel's current setting has a count that a zone can reset.
    bool SumResetAllowed() const;

protected:
    bool Confirm() override;

private:
    QWidget* MakeSourceColumn(const PiChannel& ch);
    QWidget* MakeValueColumn(const PiChannel& ch);
    QWidget* MakeCountColumn(const PiChannel& ch);
    void AddSlaveFields(QGridLayout* grid, const PiChannel& ch);
    void ShowDevice(const PiChannel& ch);
    void FillDevices(int32_t slaveType);
    void ResetDeviceNumbers();
    void ConnectControls();
    void OnSlaveChanged(int slave);
    void ApplyEnableRule(QWidget* changed = nullptr);
    void EnableFilter();
    void OpenZones();

    int32_t TypeValue() const;
    bool Exponent() const;
    bool DeviceHex() const;
    bool CheckFields();
    bool CheckCounts();
    bool CheckRange();
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
    QCheckBox* m_swap;
    kit::GuardedCombo* m_device;
    QLineEdit* m_deviceDec;
    QLineEdit* m_deviceHex;
    QCheckBox* m_slmpSwap;
    QComboBox* m_diCh;
    QComboBox* m_modeDi;
    QComboBox* m_aiCh;
    QLineEdit* m_rate;
    QComboBox* m_timeUnit;
    QLineEdit* m_dropout;
    QLineEdit* m_name;
    QLineEdit* m_comment;
    QLineEdit* m_scale;
    QComboBox* m_point;
    QLineEdit* m_unit;
    kit::GuardedCombo* m_exp;
    kit::GuardedCombo* m_mode;
    QCheckBox* m_range;
    kit::GuardedCombo* m_modeM;
    QLineEdit* m_low;
    QLineEdit* m_high;
    kit::GuardedCombo* m_filter;
    QComboBox* m_samples;
    QLineEdit* m_timeConstant;
    QComboBox* m_resetDi;
    QPushButton* m_zoneButton;
};

}  // namespace volmar::gui
