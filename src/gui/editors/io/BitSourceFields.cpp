#include "gui/editors/io/BitSourceFields.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "gui/editors/kit/FieldChecks.h"
#include "gui/editors/kit/Form.h"
#include "gui/editors/kit/GuardedCombo.h"
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
    int64_t v = 0;
    if (IntegerIn(m_cardNo, 1, 16, &v)) a.cardNo = static_cast<int16_t>(v);
    if (IntegerIn(m_cardCh, 1, 16, &v)) a.cardCh = static_cast<int16_t>(v);
    a.node = static_cast<int16_t>(m_slave->currentIndex());
    if (m_regType) a.modType = m_regType->currentIndex() == 0 ? kInput : kCoil;
    if (IntegerIn(m_regAddress, 1, 65536, &v)) a.modAddress = static_cast<uint32_t>(v);
    const SlmpDevice& device = SelectedDevice();
    a.devCode = device.code;
    uint64_t number = 0;
    const bool ok = device.hex ? HexIn(m_deviceHex, 0, 0xFFFFFFFF, &number)
                               : UnsignedIn(m_deviceDec, 0, 4294967295u, &number);
    if (ok) a.devNo = static_cast<uint32_t>(number);
    return a;
}

}  // namespace volmar::gui
