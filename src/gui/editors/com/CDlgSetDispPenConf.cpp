#include "gui/editors/com/CDlgSetDispPenConf.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QSignalBlocker>
#include <cstdio>
#include <cmath>

#include "gui/common/AppContext.h"
#include "gui/editors/com/ComParts.h"
#include "gui/editors/com/PenText.h"
#include "gui/editors/kit/ColourSwatch.h"
#include "gui/editors/kit/Enable.h"
#include "gui/editors/kit/Form.h"
#include "gui/editors/kit/GuardedCombo.h"
#include "gui/editors/kit/RealText.h"
#include "core/rules/DispRules.h"
#include "core/settings/EditorEntries.h"
#include "core/settings/Keywords.h"
#include "core/settings/UsableChannels.h"
#include "core/settings/ValueText.h"

namespace volmar::gui {

CDlgSetDispPenConf::CDlgSetDispPenConf(SettingRecord& record, int pen, Interaction& ui, QWidget* parent)
    : EditorDialog(ui, QStringLiteral("PEN%1").arg(pen + 1), parent), m_record(record), m_pen(pen)
{
    const PenConf& conf = record.DISP.PEN_CONF[pen];
    m_storedType = conf.TYPE;
    m_type = kit::Named(new kit::GuardedCombo(entries::PenType), "type");
    com::SelectStored(m_type, conf.TYPE);
    m_channel = kit::Named(new kit::GuardedCombo, "channel");
    FillChannels(conf.TYPE);
    const int stored = conf.CH - 1;
    m_channel->Select(stored >= 0 && stored < m_channel->count() ? stored : -1);
    m_thick = kit::Named(new QCheckBox(QStringLiteral("Thick line")), "thick");
    m_thick->setChecked(conf.THICK != 0);
    m_colour = kit::Named(new kit::ColourSwatch, "colour");
    m_colour->SetRecordColour(static_cast<uint32_t>(record.DISP.PEN_COLOR[pen]));
    m_colour->StartAtOwnColour(true);
    m_lower = kit::MakeEdit("lower", 14);
    m_upper = kit::MakeEdit("upper", 14);
    m_unit = kit::MakeEdit("unit", 14);
    m_unit->setReadOnly(true);
    m_log = com::MakeGuardedMode("log");
    com::SelectStored(m_log, record.DISP.PEN_LOG[pen]);
    ShowLimits(record.DISP.PEN_DRAW[pen].LOW, record.DISP.PEN_DRAW[pen].HIGH);

    auto* grid = new QGridLayout;
    kit::AddField(grid, 0, 0, "I/O type", m_type);
    kit::AddField(grid, 1, 0, "CH", m_channel);
    grid->addWidget(m_thick, 2, 1);
    kit::AddField(grid, 3, 0, "Color", m_colour);
    kit::AddField(grid, 4, 0, "Lower limit", m_lower);
    kit::AddField(grid, 5, 0, "Upper limit", m_upper);
    kit::AddField(grid, 6, 0, "Engineering unit", m_unit);
    kit::AddField(grid, 7, 0, "Log", m_log);
    Body()->addLayout(grid);

    for (kit::GuardedCombo* combo : {m_type, m_channel, m_log}) combo->SetGuard([this](int, int) { return LimitsValid(); });
    connect(m_type, &kit::GuardedCombo::Accepted, this, [this](int type) {
        const double lower = kit::ReadReal(m_lower->text());
        const double upper = kit::ReadReal(m_upper->text());
        FillChannels(type);
        m_channel->Select(m_channel->count() > 0 ? 0 : -1);
        ShowLimits(lower, upper);
        Refresh();
    });
    for (kit::GuardedCombo* combo : {m_channel, m_log}) {
        connect(combo, &kit::GuardedCombo::Accepted, this, [this] {
            ShowLimits(kit::ReadReal(m_lower->text()), kit::ReadReal(m_upper->text()));
            Refresh();
        });
    }
    connect(m_colour, &kit::ColourSwatch::Changed, this, [this] { m_colourChosen = true; });
    Refresh();
}

int CDlgSetDispPenConf::Type() const
{
    return m_type->currentIndex() >= 0 ? m_type->currentIndex() : m_storedType;
}

int CDlgSetDispPenConf::Channel() const
{
    if (m_channel->currentIndex() >= 0) return m_channel->currentIndex() + 1;
    return m_record.DISP.PEN_CONF[m_pen].CH;
}

bool CDlgSetDispPenConf::Log() const { return m_log->currentIndex() == com::kEnable; }

bool CDlgSetDispPenConf::Exponent() const { return pen::ChannelOf(m_record, Type(), Channel()).exponent; }

void CDlgSetDispPenConf::FillChannels(int type)
{
    const QSignalBlocker block(m_channel);
    m_channel->clear();
    const int count = UsableOfPenType(UsableAt(m_record.RECORD.SPEED), type);
    for (int ch = 1; ch <= count; ++ch) {
        const pen::ChannelView view = pen::ChannelOf(m_record, type, ch);
        m_channel->addItem(QStringLiteral("%1 %2").arg(ch, 2, 10, QLatin1Char('0')).arg(view.name));
    }
    m_channel->Select(-1);
}

void CDlgSetDispPenConf::ShowLimits(double lower, double upper)
{
    m_lower->setText(pen::LimitText(lower, Log(), Exponent()));
    m_upper->setText(pen::LimitText(upper, Log(), Exponent()));
}

void CDlgSetDispPenConf::Refresh()
{
    const int type = Type();
    const bool analog = pen::IsAnalog(type);
    m_unit->setText(analog ? pen::ChannelOf(m_record, type, Channel()).unit : QString());
    m_channel->setEnabled(type != kPenNone);
    kit::SetEnabled({m_thick, m_colour}, type != kPenNone);
    kit::SetEnabled({m_lower, m_upper, m_unit, m_log}, analog);
}

rules::PenLimits CDlgSetDispPenConf::Limits(std::string_view lower, std::string_view upper) const
{
    return {pen::IsAnalog(Type()), Log(), Exponent(), lower, upper};
}

// Each limit has no more decimals than its form allows and lies within
// +-1e10 at two decimals. Only analog pens have limits to check.
bool CDlgSetDispPenConf::LimitsValid()
{
    const std::string lower = m_lower->text().toStdString(), upper = m_upper->text().toStdString();
    const char* problem = rules::FirstMessage(rules::CheckPenLimitTexts(Limits(lower, upper)));
    return problem ? Refuse(problem) : true;
}

bool CDlgSetDispPenConf::Confirm()
{
    const std::string lowerText = m_lower->text().toStdString(), upperText = m_upper->text().toStdString();
    if (const char* problem = rules::FirstMessage(rules::CheckPenLimits(Limits(lowerText, upperText))))
        return Refuse(problem);
    const int type = Type();
    const bool analog = pen::IsAnalog(type);
    const double lower = kit::ReadReal(m_lower->text());
    const double upper = kit::ReadReal(m_upper->text());

    PenConf& conf = m_record.DISP.PEN_CONF[m_pen];
    conf.TYPE = type;
    conf.CH = static_cast<int16_t>(type == kPenNone ? 1 : Channel());
    conf.THICK = m_thick->isChecked() ? 1 : 0;
    if (m_colourChosen) m_record.DISP.PEN_COLOR[m_pen] = static_cast<int32_t>(m_colour->RecordColour());
    if (analog) {
        m_record.DISP.PEN_DRAW[m_pen].LOW = lower;
        m_record.DISP.PEN_DRAW[m_pen].HIGH = upper;
    }
    com::StoreSelected(m_log, m_record.DISP.PEN_LOG[m_pen]);
    return true;
}

}  // namespace volmar::gui
