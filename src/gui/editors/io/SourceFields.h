#pragma once
// The fields that say where a channel's value comes from, as the discrete
// channels (DI, DO) and the word channels (AI, PI) share them: the I/O
// module address and channel, the slave, the Modbus/TCP register type and
// address, and the SLMP device with its number in the device's base. The
// owning editor decides from its type which link is in use; these fields
// fill themselves, follow slave changes and check. What a kind of channel
// adds (its register types, the way it stores) lives in a derived class.
#include <QObject>
#include <cstdint>

#include "core/rules/IoRules.h"
#include "core/settings/SettingRecord.h"
#include "core/settings/SlmpDeviceTables.h"

class QComboBox;
class QGridLayout;
class QGroupBox;
class QLineEdit;

namespace volmar {
class Interaction;
}

namespace volmar::gui {

namespace kit {
class GuardedCombo;
}

// How a channel of the current type reaches its value (core/rules/IoRules.h).
using rules::LinkOfType;
using rules::SourceLink;

struct SourceAddress {
    int16_t cardNo = 1;
    int16_t cardCh = 1;
    int16_t node = 0;
    uint8_t modType = 0;
    uint32_t modAddress = 1;
    uint16_t devCode = 0;
    uint32_t devNo = 0;
};

template <typename Ch>
SourceAddress AddressOf(const Ch& ch)
{
    return {ch.CARD_NO, ch.CARD_CH, ch.MOD_NODE, ch.MOD_TYPE, ch.MOD_ADDRESS, ch.SLMP_DEV_CODE, ch.SLMP_DEV_NO};
}

template <typename Ch>
void StoreAddress(const SourceAddress& a, Ch& ch)
{
    ch.CARD_NO = a.cardNo;
    ch.CARD_CH = a.cardCh;
    ch.MOD_NODE = a.node;
    ch.MOD_TYPE = a.modType;
    ch.MOD_ADDRESS = a.modAddress;
    ch.SLMP_DEV_CODE = a.devCode;
    ch.SLMP_DEV_NO = a.devNo;
}

// What differs between kinds of channel: the devices a slave type offers,
// and the last CH No. and register address they accept.
struct SourceRules {
    SlmpDeviceTable (*devices)(int32_t slaveType);
    rules::SourceLimits limits;
};

class SourceFields : public QObject {
    Q_OBJECT
public:
    QGroupBox* CardBox() const { return m_cardBox; }
    QGroupBox* SlaveBox() const { return m_slaveBox; }
    QComboBox* Slave() const { return m_slave; }
    kit::GuardedCombo* Device() const { return m_device; }

    // Disables every field, then enables those of the link.
    void Enable(SourceLink link);
    // Module address, CH No., register address and the device numbers, in
    // this order; shows the first failure and returns false.
    bool Check(SourceLink link, Interaction& ui) const;
    // The selected slave has an address and a type that suits the link, or
    // the user accepts the other type.
    bool CheckSlave(SourceLink link, Interaction& ui) const;

signals:
    // A different slave was chosen (its device list may have been refilled).
    void SlaveChanged();

protected:
    // The controls a kind of channel adds to the slave box, in their rows:
    // the register type (a combo is enabled with the Modbus/TCP fields, any
    // other widget only shows), and optional controls to the right of the
    // register address (a Modbus/TCP field) and of the decimal device number
    // (an SLMP field).
    struct SlaveExtras {
        QWidget* regType;
        QWidget* besideAddress = nullptr;
        QWidget* besideDecimal = nullptr;
    };

    SourceFields(const SettingRecord& record, const SourceRules& rules, QObject* parent);
    // Builds both boxes showing `shown`; the derived constructor calls it
    // once its own controls exist.
    void Build(const SourceAddress& shown, const SlaveExtras& extras);
    // The device row selected now (the first when none is).
    const SlmpDevice& SelectedDevice() const;

    const SettingRecord& m_record;
    QLineEdit* m_cardNo = nullptr;
    QLineEdit* m_cardCh = nullptr;
    QComboBox* m_slave = nullptr;
    QLineEdit* m_regAddress = nullptr;
    kit::GuardedCombo* m_device = nullptr;
    QLineEdit* m_deviceDec = nullptr;
    QLineEdit* m_deviceHex = nullptr;

private:
    void BuildCardBox(const SourceAddress& shown);
    void ShowStoredDevice(const SourceAddress& shown);
    void FillDevices(int32_t slaveType);
    void OnSlaveChanged(int slave);
    bool DeviceHex() const;

    QGroupBox* m_cardBox = nullptr;
    QGroupBox* m_slaveBox = nullptr;
    QComboBox* m_regType = nullptr;
    QWidget* m_besideAddress = nullptr;
    QWidget* m_besideDecimal = nullptr;

    const SourceRules m_rules;
    // The slave type the device list was filled for.
    int32_t m_shownSlaveType = 0;
    SlmpDeviceTable m_devices{};
};

}  // namespace volmar::gui
