#include "gui/editors/io/WordSourceFields.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "gui/editors/kit/FieldChecks.h"
#include "gui/editors/kit/Form.h"
#include "gui/editors/kit/GuardedCombo.h"
#include "core/settings/EditorEntries.h"

namespace volmar::gui {

using namespace kit;

namespace {
constexpr uint8_t kInputRegister = 3;
constexpr uint8_t kHoldingRegister = 4;

QCheckBox* InvertBox(const char* name, bool checked)
{
    auto* box = Named(new QCheckBox(QStringLiteral("Invert")), name);
    box->setChecked(checked);
    return box;
}
}  // namespace

WordSourceFields::WordSourceFields(const SettingRecord& record, const SourceRules& rules, const SourceAddress& shown,
                                   std::optional<WordInvert> invert, QObject* parent)
    : SourceFields(record, rules, parent)
{
    m_regType = Named(new QComboBox, "regType");
    Fill(m_regType, entries::WordRegister);
    m_regType->setCurrentIndex(shown.modType == kHoldingRegister ? 1 : 0);
    if (invert) {
        m_swap = InvertBox("swap", invert->swap);
        m_slmpSwap = InvertBox("slmpSwap", invert->slmpSwap);
    }
    Build(shown, {m_regType, m_swap, m_slmpSwap});
}

SourceAddress WordSourceFields::Address() const
{
    SourceAddress a;
    a.cardNo = static_cast<int16_t>(SignedValue(m_cardNo));
    a.cardCh = static_cast<int16_t>(SignedValue(m_cardCh));
    a.node = static_cast<int16_t>(m_slave->currentIndex());
    a.modType = m_regType->currentIndex() == 1 ? kHoldingRegister : kInputRegister;
    a.modAddress = static_cast<uint32_t>(SignedValue(m_regAddress));
    const SlmpDevice& device = SelectedDevice();
    a.devCode = device.code;
    a.devNo = static_cast<uint32_t>(device.hex ? HexValue(m_deviceHex) : UnsignedValue(m_deviceDec));
    return a;
}

WordInvert WordSourceFields::Invert() const
{
    return {m_swap && m_swap->isChecked(), m_slmpSwap && m_slmpSwap->isChecked()};
}

}  // namespace volmar::gui
