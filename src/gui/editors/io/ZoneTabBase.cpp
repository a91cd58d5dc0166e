#include "gui/editors/io/ZoneTabBase.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/editors/io/CDlgSetIoAreaReset.h"
#include "gui/editors/io/CDlgSetIoOutput.h"
#include "gui/editors/kit/ColourSwatch.h"
#include "gui/editors/kit/EditorDialog.h"
#include "gui/editors/kit/Enable.h"
#include "gui/editors/kit/Form.h"
#include "gui/editors/kit/GuardedCombo.h"
#include "gui/editors/kit/RealText.h"
#include "gui/editors/kit/RecordText.h"
#include "core/rules/ZoneRules.h"
#include "core/settings/EditorEntries.h"

namespace volmar::gui {

using namespace kit;

namespace {
std::string Id(const char* stem, int zone) { return stem + std::to_string(zone); }
}  // namespace

ZoneTabBase::ZoneTabBase(const ZoneContext& context, QWidget* parent) : QWidget(parent), m_context(context)
{
    auto* column = new QVBoxLayout(this);
    for (int zone = kZoneCount; zone >= 1; --zone) {
        column->addWidget(MakeGroup(zone));
        if (zone > 1) {
            auto* deadband = new QLabel(QStringLiteral("（Deadband）"));
            deadband->setAlignment(Qt::AlignCenter);
            column->addWidget(deadband);
        }
    }
    column->addStretch(1);
}

QWidget* ZoneTabBase::MakeGroup(int zone)
{
    const Zone& z = m_context.work.zones[zone - 1];
    const bool exp = m_context.exponent;
    Group& g = m_groups[static_cast<size_t>(zone - 1)];
    auto* box = new QGroupBox(QStringLiteral("Zone %1").arg(zone));
    auto* grid = new QGridLayout(box);

    g.name = MakeEdit(Id("name", zone).c_str(), 24);
    g.name->setText(FromRecord(z.AREA_NAME));
    AddField(grid, 0, 0, "Name", g.name);
    g.colour = Named(new ColourSwatch, Id("colour", zone).c_str());
    g.colour->SetRecordColour(z.AREA_COLOR);
    AddField(grid, 0, 1, "Color", g.colour);
    if (zone < kZoneCount) {
        g.upper = MakeEdit(Id("upper", zone).c_str(), 12);
        g.upper->setText(FormatReal(z.LEVEL_UPPER, exp));
        AddField(grid, 0, 2, "Upper limit", g.upper);
    }
    if (zone > 1) {
        g.lower = MakeEdit(Id("lower", zone).c_str(), 12);
        g.lower->setText(FormatReal(z.LEVEL_LOWER, exp));
        AddField(grid, 1, 2, "Lower limit", g.lower);
    }
    g.record = Named(new QComboBox, Id("record", zone).c_str());
    Fill(g.record, entries::RecordAction);
    g.record->setCurrentIndex(z.RECORD);
    AddField(grid, 1, 0, "Trigger recording", g.record);
    g.trans = Named(new QComboBox, Id("trans", zone).c_str());
    Fill(g.trans, entries::Switch);
    g.trans->setCurrentIndex(z.TRANS);
    AddField(grid, 1, 1, "New memory block", g.trans);

    auto* buttons = new QHBoxLayout;
    g.output = Named(MakeButton(QStringLiteral("Alarm output"), box), Id("output", zone).c_str());
    g.resetPi = Named(MakeButton(QStringLiteral("Reset totalized value"), box), Id("resetPi", zone).c_str());
    g.resetOi = Named(MakeButton(QStringLiteral("Reset function value"), box), Id("resetOi", zone).c_str());
    buttons->addWidget(g.output);
    buttons->addWidget(g.resetPi);
    buttons->addWidget(g.resetOi);
    if (m_context.family.sumReset && zone >= 2) {
        g.sumReset = Named(new QCheckBox(QStringLiteral("Reset count")), Id("sumReset", zone).c_str());
        g.sumReset->setChecked(z.SUM_RESET == kActive);
        buttons->addWidget(g.sumReset);
    }
    buttons->addStretch(1);
    grid->addLayout(buttons, 2, 0, 1, 6);
    // A wider window widens the name and the limits, not the space beside.
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(5, 1);

    Zone& work = m_context.work.zones[zone - 1];
    connect(g.colour, &ColourSwatch::Changed, this, [&work](uint32_t value) { work.AREA_COLOR = value; });
    connect(g.output, &QPushButton::clicked, this, [this, &work] {
        CDlgSetIoOutput dialog(m_context.record, work.DO_ON1, work.DO_ON2, m_context.ui, this);
        dialog.exec();
        work.DO_ON1 = dialog.Words()[0];
        work.DO_ON2 = dialog.Words()[1];
    });
    auto reset = [this](CDlgSetIoAreaReset::Mode mode, uint32_t& mask) {
        CDlgSetIoAreaReset dialog(m_context.record, mode, mask, m_context.ui, this);
        if (dialog.exec() == QDialog::Accepted) mask = dialog.Mask();
    };
    connect(g.resetPi, &QPushButton::clicked, this,
            [reset, &work] { reset(CDlgSetIoAreaReset::kTotalized, work.RESET_PI); });
    connect(g.resetOi, &QPushButton::clicked, this,
            [reset, &work] { reset(CDlgSetIoAreaReset::kFunction, work.RESET_OI); });
    return box;
}

void ZoneTabBase::SetCount(int count)
{
    for (int zone = 1; zone <= kZoneCount; ++zone) {
        const Group& g = m_groups[static_cast<size_t>(zone - 1)];
        const bool on = count >= 2 && zone <= count;
        SetEnabled({g.name, g.colour, g.record, g.trans, g.output, g.resetPi, g.resetOi}, on);
        if (g.upper) g.upper->setEnabled(UpperInUse(zone, count));
        if (g.lower) g.lower->setEnabled(LowerInUse(zone, count));
        if (g.sumReset) g.sumReset->setEnabled(on && m_context.sumResetAllowed);
    }
}

// A name passes unseen while disabled under a guard; the limits are always read.
std::optional<std::string> ZoneTabBase::Text(rules::ZoneField field, int zone) const
{
    const Group& g = m_groups[static_cast<size_t>(zone - 1)];
    if (field == rules::ZoneField::Name) return Unchecked(g.name) ? std::nullopt : std::optional(Utf8(g.name));
    const QLineEdit* edit = field == rules::ZoneField::Upper ? g.upper : g.lower;
    return edit ? Utf8(edit) : std::string();
}

const char* ZoneTabBase::FieldError(int count) const
{
    return rules::ZoneBasicError(count, m_context.exponent,
                                 [this](rules::ZoneField field, int zone) { return Text(field, zone); })
        .message;
}

const char* ZoneTabBase::OrderError(int count) const
{
    double lower[kZoneCount]{}, upper[kZoneCount]{};
    for (int i = 0; i < kZoneCount; ++i) {
        const Group& g = m_groups[static_cast<size_t>(i)];
        if (g.lower) lower[i] = ReadReal(g.lower->text());
        if (g.upper) upper[i] = ReadReal(g.upper->text());
    }
    return rules::ZoneOrderError(lower, upper, count).message;
}

void ZoneTabBase::Reformat(int count)
{
    for (int zone = 1; zone <= kZoneCount; ++zone) {
        const Group& g = m_groups[static_cast<size_t>(zone - 1)];
        if (g.upper && UpperInUse(zone, count)) g.upper->setText(kit::Reformat(g.upper->text(), m_context.exponent));
        if (g.lower && LowerInUse(zone, count)) g.lower->setText(kit::Reformat(g.lower->text(), m_context.exponent));
    }
}

void ZoneTabBase::Store(int count)
{
    if (count < 2) return;
    for (int zone = 1; zone <= count && zone <= kZoneCount; ++zone) {
        const Group& g = m_groups[static_cast<size_t>(zone - 1)];
        Zone& z = m_context.work.zones[zone - 1];
        ToRecord(z.AREA_NAME, g.name->text());
        if (UpperInUse(zone, count)) z.LEVEL_UPPER = ReadReal(g.upper->text());
        if (LowerInUse(zone, count)) z.LEVEL_LOWER = ReadReal(g.lower->text());
        z.AREA_COLOR = g.colour->RecordColour();
        z.RECORD = g.record->currentIndex();
        z.TRANS = g.trans->currentIndex();
        if (g.sumReset && m_context.sumResetAllowed) {
            if (g.sumReset->isChecked()) {
                z.SUM_RESET = kActive;
            } else if (z.SUM_RESET == kActive) {
                z.SUM_RESET = kInvalid;
            }
        }
    }
}

}  // namespace volmar::gui
