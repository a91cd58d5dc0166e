#include "gui/editors/io/BitSourceFields.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "gui/editors/kit/FieldChecks.h"
#include "gui/editors/kit/Form.h"
#include "gui/editors/kit/GuardedCombo.h"
#include "gui/editors/kit/RuleFields.h"
#include "core/settings/EditorEntries.h"

namespace volmar::gui {

using namespace kit;

namespace {
constexpr uint8_t kInput = 1;
constexpr uint8_t kCoil = 0;
}  // namespace

BitSourceFields::BitSourceFields(const SettingRecord& record, RegisterType regType, const SourceAddress& shown,
                                 QObject* parent)
    : SourceFields(record, {BitDeviceTable, rules::kBitSource}, parent), m_loaded(shown)
{
    QWidget* shownType = nullptr;
    if (regType == RegisterType::Choice) {
        m_regType = Named(new QComboBox, "regType");
        // The list offers the input first, unlike the register codes' order.
        Fill(m_regType, {entries::BitRegister.At(kInput), entries::BitRegister.At(kCoil)});
        m_regType->setCurrentIndex(shown.modType == kInput ? 0 : 1);
        shownType = m_regType;
    } else {
        shownType = Named(new QLabel(QString::fromUtf8(entries::BitRegister.At(kCoil))), "regType");
    }
    Build(shown, {shownType});
}

SourceAddress BitSourceFields::Address() const
{
    // A field the current type does not check keeps its stored value unless
    // it holds a valid one, so nothing out of range reaches the record.
    SourceAddress a = m_loaded;
    if (Holds(m_cardNo, rules::kModuleAddress)) a.cardNo = static_cast<int16_t>(SignedValue(m_cardNo));
    if (Holds(m_cardCh, rules::CardChRule(rules::kBitSource))) a.cardCh = static_cast<int16_t>(SignedValue(m_cardCh));
    a.node = static_cast<int16_t>(m_slave->currentIndex());
    if (m_regType) a.modType = m_regType->currentIndex() == 0 ? kInput : kCoil;
    if (Holds(m_regAddress, rules::RegAddressRule(rules::kBitSource))) {
        a.modAddress = static_cast<uint32_t>(SignedValue(m_regAddress));
    }
    const SlmpDevice& device = SelectedDevice();
    a.devCode = device.code;
    if (device.hex && Holds(m_deviceHex, rules::kDeviceHex)) a.devNo = static_cast<uint32_t>(HexValue(m_deviceHex));
    if (!device.hex && Holds(m_deviceDec, rules::kDeviceDec))
        a.devNo = static_cast<uint32_t>(UnsignedValue(m_deviceDec));
    return a;
}

}  // namespace volmar::gui
