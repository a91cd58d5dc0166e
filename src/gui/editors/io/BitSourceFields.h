#pragma once
// Where a discrete input or output reads or writes its state: the shared
// source fields with the bit devices, all 16 channels of a module, and the
// Modbus/TCP bit register types.
#include "gui/editors/io/SourceFields.h"

namespace volmar::gui {

class BitSourceFields : public SourceFields {
    Q_OBJECT
public:
    // A DI chooses "Input (1X)" (stored 1) or "Coil (0X)" (stored 0); a DO
    // always writes coils, shows "Coil (0X)" and keeps the stored type.
    enum class RegisterType { Choice, FixedCoil };

    BitSourceFields(const SettingRecord& record, RegisterType regType, const SourceAddress& shown, QObject* parent);

    // The fields as typed; only call after Check passed.
    SourceAddress Address() const;

private:
    const SourceAddress m_loaded;
    QComboBox* m_regType = nullptr;
};

}  // namespace volmar::gui
