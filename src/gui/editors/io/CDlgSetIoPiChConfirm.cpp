// The PI channel editor's field checks, its confirm and the write-back.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <algorithm>

#include "gui/editors/io/CDlgSetIoPiCh.h"
#include "gui/editors/io/PiChannelText.h"
#include "gui/editors/kit/FieldChecks.h"
#include "gui/editors/kit/GuardedCombo.h"
#include "gui/editors/kit/RealText.h"
#include "gui/editors/kit/RecordText.h"
#include "gui/editors/kit/RuleFields.h"
#include "core/rules/IoRules.h"

namespace volmar::gui {

using namespace kit;
using namespace pi;

bool CDlgSetIoPiCh::CheckFields()
{
    if (!m_source->Check(Link(), Ui())) return false;
    if (!Passes(m_name, rules::kChannelName)) return Refuse(rules::kChannelName.message);
    if (!Passes(m_comment, rules::kChannelComment)) return Refuse(rules::kChannelComment.message);
    if (!DivisorField(m_scale, Exponent())) return Refuse(rules::kScaling);
    if (!Passes(m_unit, rules::kEngineeringUnit)) return Refuse(rules::kEngineeringUnit.message);
    return CheckCounts();
}

// The counting fields are unsigned in the record: a text below 0 would wrap
// into a huge limit, so every one of them starts at 0.
bool CDlgSetIoPiCh::CheckCounts()
{
    if (!Passes(m_low, rules::kPulseLow)) return Refuse(rules::kPulseLow.message);
    if (!Passes(m_high, rules::kPulseHigh)) return Refuse(rules::kPulseHigh.message);
    if (!Passes(m_timeConstant, rules::kTimeConstant)) return Refuse(rules::kTimeConstant.message);
    if (!Passes(m_rate, rules::kAccumulationRate)) return Refuse(rules::kAccumulationRate.message);
    if (!Passes(m_dropout, rules::kLowEndCutout)) return Refuse(rules::kLowEndCutout.message);
    return true;
}

bool CDlgSetIoPiCh::CheckRange()
{
    if (TypeValue() != kModbus || m_modeM->currentIndex() != kAccumulation) return true;
    if (const char* error = rules::PulseRangeError(SignedValue(m_low), SignedValue(m_high))) return Refuse(error);
    return true;
}

bool CDlgSetIoPiCh::Confirm()
{
    if (!CheckFields()) return false;
    const bool exp = Exponent();
    m_scale->setText(Reformat(m_scale->text(), exp));
    if (!CheckFields()) return false;
    if (const char* error = ZoneOrderError(m_zones, exp)) return Refuse(error);
    if (!m_source->CheckSlave(Link(), Ui())) return false;
    if (!CheckRange()) return false;
    Store();
    return true;
}

void CDlgSetIoPiCh::Store()
{
    PiChannel& ch = m_record.IO.PI[m_channel];
    ch.TYPE = TypeValue();
    StoreAddress(m_source->Address(), ch);
    const WordInvert invert = m_source->Invert();
    ch.SWAP = invert.swap ? kActive : kInvalid;
    ch.SLMP_SW = invert.slmpSwap ? kActive : kInvalid;
    ToRecord(ch.NAME, m_name->text());
    ToRecord(ch.COMMENT, m_comment->text());
    ToRecord(ch.UNIT, m_unit->text());
    ch.SCALE = ReadReal(m_scale->text());
    ch.POINT = static_cast<int16_t>(m_point->currentIndex());
    ch.MODE = m_mode->currentIndex() == kEngineering ? 1 : 0;
    ch.MODE_M = m_modeM->currentIndex();
    ch.RNG = m_range->isChecked() ? kUse : kNoUse;
    ch.WIDTH.LOW = static_cast<uint32_t>(SignedValue(m_low));
    ch.WIDTH.HIGH = static_cast<uint32_t>(SignedValue(m_high));
    ch.T = static_cast<uint32_t>(SignedValue(m_timeConstant));
    ch.ANALOG_SUM.RATE = static_cast<int32_t>(SignedValue(m_rate));
    ch.RESET_DI = static_cast<int16_t>(m_resetDi->currentIndex());
    ch.FILTER = m_filter->currentIndex();
    ch.MOVING_AVERAGE = kSamples[static_cast<size_t>(std::max(0, m_samples->currentIndex()))];
    ch.ANALOG_SUM.UNIT = m_timeUnit->currentIndex();
    ch.ANALOG_SUM.TARGET_CH = static_cast<uint8_t>(m_aiCh->currentIndex() + 1);
    ch.DI_CH = static_cast<uint16_t>(m_diCh->currentIndex() + 1);
    ch.ANALOG_SUM.DROPOUT = static_cast<int16_t>(SignedValue(m_dropout));
    StoreZones(ch, m_zones);
    ch.EXP = Exponent() ? kUse : kNoUse;
    ch.MODE_DI = m_modeDi->currentIndex();
}

}  // namespace volmar::gui
