#pragma once
// The addressing fields that discrete inputs and outputs share: the I/O
// module address and channel, the slave, the Modbus/TCP register type and
// address, and the SLMP bit device with its number in the device's base.
// The owning editor decides from its type which link is in use; these
// fields fill themselves, follow slave changes, check and store.
#include <QObject>
#include <cstdint>

#include "editors/io/SlmpDevices.h"
#include "settings/SettingRecord.h"

class QComboBox;
class QGroupBox;
class QLineEdit;

namespace volmar {
class Interaction;
}

namespace volmar::gui {

namespace kit {
class GuardedCombo;
}

// How a channel of the current type reaches its value.
enum class BitLink { None, Card, Modbus, Slmp };

struct BitAddress {
    int16_t cardNo = 1;
    int16_t cardCh = 1;
    int16_t node = 0;
    uint8_t modType = 0;
    uint32_t modAddress = 1;
    uint16_t devCode = 0;
    uint32_t devNo = 0;
};

template <typename Ch>
BitAddress AddressOf(const Ch& ch)
{
    return {ch.CARD_NO, ch.CARD_CH, ch.MOD_NODE, ch.MOD_TYPE, ch.MOD_ADDRESS, ch.SLMP_DEV_CODE, ch.SLMP_DEV_NO};
}

template <typename Ch>
void StoreAddress(const BitAddress& a, Ch& ch)
{
    ch.CARD_NO = a.cardNo;
    ch.CARD_CH = a.cardCh;
    ch.MOD_NODE = a.node;
    ch.MOD_TYPE = a.modType;
    ch.MOD_ADDRESS = a.modAddress;
    ch.SLMP_DEV_CODE = a.devCode;
    ch.SLMP_DEV_NO = a.devNo;
}

class BitSourceFields : public QObject {
    Q_OBJECT
public:
    // A DI chooses "Input (1X)" (stored 1) or "Coil (0X)" (stored 0); a DO
    // always writes coils, shows "Coil (0X)" and keeps the stored type.
    enum class RegisterType { Choice, FixedCoil };

    BitSourceFields(const SettingRecord& record, RegisterType regType, const BitAddress& shown, QObject* parent);

    QGroupBox* CardBox() const { return m_cardBox; }
    QGroupBox* SlaveBox() const { return m_slaveBox; }
    QComboBox* Slave() const { return m_slave; }
    kit::GuardedCombo* Device() const { return m_device; }

    // Disables every field, then enables those of the link.
    void Enable(BitLink link);
    // Module address, CH No., register address and the device numbers, in
    // this order; shows the first failure and returns false.
    bool Check(BitLink link, Interaction& ui) const;
    // The selected slave has an address and a type that suits the link.
    bool CheckSlave(BitLink link, Interaction& ui) const;
    // The fields as typed; only call after Check passed.
    BitAddress Address() const;

signals:
    // A different slave was chosen (its device list may have been refilled).
    void SlaveChanged();

private:
    void FillDevices(int32_t slaveType);
    void ResetDeviceNumbers();
    void OnSlaveChanged(int slave);
    bool DeviceHex() const;

    const SettingRecord& m_record;
    const BitAddress m_loaded;
    int32_t m_shownSlaveType = 0;
    SlmpDeviceTable m_devices{};

    QGroupBox* m_cardBox;
    QGroupBox* m_slaveBox;
    QLineEdit* m_cardNo;
    QLineEdit* m_cardCh;
    QComboBox* m_slave;
    QComboBox* m_regType = nullptr;
    QLineEdit* m_regAddress;
    kit::GuardedCombo* m_device;
    QLineEdit* m_deviceDec;
    QLineEdit* m_deviceHex;
};

}  // namespace volmar::gui
