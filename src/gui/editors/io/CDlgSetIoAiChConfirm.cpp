// The AI channel editor's field checks, its confirm and the write-back.
#include <QComboBox>
#include <QLineEdit>
#include <algorithm>

#include "gui/editors/io/AiChannelText.h"
#include "gui/editors/io/CDlgSetIoAiCh.h"
#include "gui/editors/kit/FieldChecks.h"
#include "gui/editors/kit/GuardedCombo.h"
#include "gui/editors/kit/RealText.h"
#include "gui/editors/kit/RecordText.h"
#include "gui/editors/kit/RuleFields.h"
#include "core/rules/IoRules.h"
#include "core/link/transfer/Interaction.h"
#include "core/settings/ValueText.h"

namespace volmar::gui {

using namespace kit;
using namespace ai;

bool CDlgSetIoAiCh::CheckFields()
{
    if (!m_source->Check(Link(), Ui())) return false;
    if (!Passes(m_name, rules::kChannelName)) return Refuse(rules::kChannelName.message);
    if (!Passes(m_comment, rules::kChannelComment)) return Refuse(rules::kChannelComment.message);
    // A negative time constant would be stored as a huge unsigned number.
    if (!Passes(m_timeConstant, rules::kTimeConstant)) return Refuse(rules::kTimeConstant.message);
    if (!CheckScaling()) return false;
    if (!Passes(m_unit, rules::kEngineeringUnit)) return Refuse(rules::kEngineeringUnit.message);
    return true;
}

bool CDlgSetIoAiCh::CheckScaling()
{
    const bool exp = Exponent();
    if (m_dataType->currentIndex() == kPercent) {
        if (Unchecked(m_scale0)) return true;
        const char* error = rules::PercentScalingError(Utf8(m_scale0), Utf8(m_scale100), exp);
        return error ? Refuse(error) : true;
    }
    // Int and Uint both divide by the integer scaling: it must be a number
    // and not zero in the notation the channel keeps it in.
    return DivisorField(m_scale, exp) ? true : Refuse(rules::kScaling);
}

bool CDlgSetIoAiCh::Confirm()
{
    if (!CheckFields()) return false;
    const bool exp = Exponent();
    for (QLineEdit* edit : {m_scale0, m_scale100, m_scale}) edit->setText(Reformat(edit->text(), exp));
    if (!CheckFields()) return false;
    if (const char* error = ZoneOrderError(m_zones, exp)) return Refuse(error);
    if (!m_source->CheckSlave(Link(), Ui())) return false;
    Store();
    return true;
}

void CDlgSetIoAiCh::Store()
{
    AiChannel& ch = m_record.IO.AI[m_channel];
    ch.TYPE = TypeValue();
    StoreAddress(m_source->Address(), ch);
    ch.TIME_TYPE = m_timeType->currentIndex();
    ToRecord(ch.NAME, m_name->text());
    ToRecord(ch.COMMENT, m_comment->text());
    ch.AI_DATA_TYPE = m_dataType->currentIndex();
    ch.FILTER = m_filter->currentIndex();
    ch.MOVING_AVERAGE = kSamples[static_cast<size_t>(std::max(0, m_samples->currentIndex()))];
    ch.T = static_cast<uint32_t>(SignedValue(m_timeConstant));
    ch.SCALE_0 = ReadReal(m_scale0->text());
    ch.SCALE_100 = ReadReal(m_scale100->text());
    ch.SCALE = ReadReal(m_scale->text());
    ch.POINT = static_cast<int16_t>(m_point->currentIndex());
    ToRecord(ch.UNIT, m_unit->text());
    StoreZones(ch, m_zones);
    ch.EXP = Exponent() ? kUse : kNoUse;
}

}  // namespace volmar::gui
