#include "gui/editors/io/CDlgSetSystem.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <string>

#include "gui/common/AppContext.h"
#include "gui/editors/kit/Enable.h"
#include "gui/editors/kit/FieldChecks.h"
#include "gui/editors/kit/Form.h"
#include "gui/editors/kit/GuardedCombo.h"
#include "gui/editors/kit/RecordText.h"
#include "gui/editors/kit/RuleFields.h"
#include "core/settings/EditorEntries.h"

namespace volmar::gui {

using namespace kit;

namespace {

QComboBox* MakeCombo(const char* name, kit::Entries entries)
{
    auto* combo = Named(new QComboBox, name);
    Fill(combo, entries);
    return combo;
}

QComboBox* MakeNumberCombo(const char* name, int from, int to)
{
    auto* combo = Named(new QComboBox, name);
    for (int i = from; i <= to; ++i) combo->addItem(QString::number(i));
    return combo;
}
}  // namespace

CDlgSetSystem::CDlgSetSystem(SettingRecord& record, Interaction& ui, QWidget* parent)
    : EditorDialog(ui, QStringLiteral("System"), parent), m_record(record)
{
    const SystemBlock& sys = record.SYSTEM;

    auto* names = new QGroupBox(QStringLiteral("Name"));
    auto* nameGrid = new QGridLayout(names);
    const char* nameLabels[] = {"Name 1", "Name 2", "Name 3"};
    const char* nameIds[] = {"name1", "name2", "name3"};
    const char* nameTexts[] = {sys.NAME1, sys.NAME2, sys.NAME3};
    for (int i = 0; i < 3; ++i) {
        m_names[static_cast<size_t>(i)] = MakeEdit(nameIds[i], 40);
        m_names[static_cast<size_t>(i)]->setText(FromRecord(nameTexts[i]));
        AddField(nameGrid, i, 0, nameLabels[i], m_names[static_cast<size_t>(i)]);
    }
    Body()->addWidget(names);

    auto* general = new QGridLayout;
    m_language = MakeCombo("language", entries::Language);
    m_language->setCurrentIndex(sys.LANGUAGE);
    AddField(general, 0, 0, "Language", m_language);
    m_hour = MakeEdit("hour", 4);
    m_hour->setText(QString::number(sys.TIMEZONE));
    m_minute = MakeEdit("minute", 4);
    m_minute->setText(QString::number(sys.TIMEZONE_MIN));
    auto* zone = new QHBoxLayout;
    zone->addWidget(m_hour);
    zone->addWidget(new QLabel(QStringLiteral("Hour")));
    zone->addSpacing(12);
    zone->addWidget(m_minute);
    zone->addWidget(new QLabel(QStringLiteral("Minute")));
    zone->addStretch(1);
    general->addWidget(new QLabel(QStringLiteral("Time zone")), 1, 0);
    general->addLayout(zone, 1, 1);
    m_timeAve = MakeCombo("timeAve", entries::Switch);
    m_timeAve->setCurrentIndex(sys.TIME_AVE);
    AddField(general, 2, 0, "Sampling adjustment at time correction", m_timeAve);
    general->setColumnStretch(1, 1);
    Body()->addLayout(general);

    auto* dst = new QGroupBox(QStringLiteral("Daylight saving time"));
    auto* dstGrid = new QGridLayout(dst);
    m_dstMode = MakeCombo("dstMode", entries::Switch);
    m_dstMode->setCurrentIndex(sys.DST.MODE);
    AddField(dstGrid, 0, 0, "Mode", m_dstMode);
    dstGrid->addWidget(new QLabel(QStringLiteral("Start")), 1, 1);
    dstGrid->addWidget(new QLabel(QStringLiteral("End")), 1, 3);
    m_start = MakeDst(dstGrid, 0, "start");
    m_end = MakeDst(dstGrid, 1, "end");
    ShowDst(m_start, sys.DST.START);
    ShowDst(m_end, sys.DST.END);
    Body()->addWidget(dst);

    ApplyEnableRule();
    connect(m_dstMode, &QComboBox::currentIndexChanged, this, [this] {
        ApplyEnableRule();
        m_dstMode->setFocus();
    });
}

CDlgSetSystem::DstCombos CDlgSetSystem::MakeDst(QGridLayout* grid, int pair, const char* prefix)
{
    const std::string p(prefix);
    DstCombos c{};
    c.month = MakeNumberCombo((p + "Month").c_str(), 1, 12);
    c.week = MakeCombo((p + "Week").c_str(), entries::DstWeek);
    c.day = MakeCombo((p + "Day").c_str(),
                      entries::Weekday);
    c.hour = MakeNumberCombo((p + "Hour").c_str(), 0, 23);
    AddField(grid, 2, pair, "Month", c.month);
    AddField(grid, 3, pair, "Week", c.week);
    AddField(grid, 4, pair, "Day of week", c.day);
    AddField(grid, 5, pair, "Hour", c.hour);
    return c;
}

void CDlgSetSystem::ShowDst(const DstCombos& c, const DstPoint& point)
{
    c.month->setCurrentIndex(point.MON - 1);
    c.week->setCurrentIndex(point.WEEK1 - 1);
    c.day->setCurrentIndex(point.WEEK2);
    c.hour->setCurrentIndex(point.HOUR);
}

void CDlgSetSystem::StoreDst(const DstCombos& c, DstPoint& point) const
{
    point.MON = static_cast<uint8_t>(c.month->currentIndex() + 1);
    point.WEEK1 = static_cast<uint8_t>(c.week->currentIndex() + 1);
    point.WEEK2 = c.day->currentIndex();
    point.HOUR = static_cast<uint8_t>(c.hour->currentIndex());
}

void CDlgSetSystem::ApplyEnableRule()
{
    const bool on = m_dstMode->currentIndex() == 1;
    SetEnabled({m_start.month, m_start.week, m_start.day, m_start.hour, m_end.month, m_end.week, m_end.day,
                m_end.hour},
               on);
}

bool CDlgSetSystem::Confirm()
{
    for (size_t i = 0; i < m_names.size(); ++i) {
        if (!Passes(m_names[i], rules::kSystemName[i])) return Refuse(rules::kSystemName[i].message);
    }
    if (!Passes(m_hour, rules::kTimeZoneHour)) return Refuse(rules::kTimeZoneHour.message);
    if (!Passes(m_minute, rules::kTimeZoneMinute)) return Refuse(rules::kTimeZoneMinute.message);
    const int64_t hour = SignedValue(m_hour), minute = SignedValue(m_minute);
    if (const char* error = rules::DstMonthsError(m_dstMode->currentIndex(), m_start.month->currentIndex(),
                                                  m_end.month->currentIndex())) {
        return Refuse(error);
    }

    SystemBlock& sys = m_record.SYSTEM;
    ToRecord(sys.NAME1, m_names[0]->text());
    ToRecord(sys.NAME2, m_names[1]->text());
    ToRecord(sys.NAME3, m_names[2]->text());
    sys.LANGUAGE = m_language->currentIndex();
    sys.TIMEZONE = static_cast<int16_t>(hour);
    sys.TIMEZONE_MIN = static_cast<int16_t>(minute);
    sys.TIME_AVE = m_timeAve->currentIndex();
    sys.DST.MODE = m_dstMode->currentIndex();
    StoreDst(m_start, sys.DST.START);
    StoreDst(m_end, sys.DST.END);
    return true;
}

}  // namespace volmar::gui
