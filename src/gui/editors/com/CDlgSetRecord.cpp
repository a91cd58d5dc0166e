#include "gui/editors/com/CDlgSetRecord.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QVBoxLayout>
#include <QSignalBlocker>
#include <iterator>
#include <vector>

#include "gui/common/AppContext.h"
#include "gui/editors/com/ComParts.h"
#include "gui/editors/kit/Form.h"
#include "core/link/transfer/Interaction.h"
#include "core/settings/EditorEntries.h"
#include "core/settings/UsableChannels.h"

namespace volmar::gui {

using namespace com;

namespace {

constexpr int kTransDay = 8;
constexpr int kTransWeek = 9;

// The intervals a storing rate offers after "Max", by code, in list order.
std::vector<int> IntervalsAt(int speed)
{
    static const std::vector<int> kBySpeed[] = {
        {1},          {2},          {4, 3},    {5, 4, 3}, {6, 5, 4},  {7, 6, 5},  {8, 6, 5},  {8, 7, 6},
        {8, 7, 6},    {9, 8},       {9, 8},    {10, 9, 8}, {10, 9, 8}, {10, 9, 8}, {10, 9, 8}, {10, 9},
    };
    if (speed < 0 || speed >= static_cast<int>(std::size(kBySpeed))) return {};
    return kBySpeed[speed];
}

}  // namespace

CDlgSetRecord::CDlgSetRecord(SettingRecord& record, Interaction& ui, QWidget* parent)
    : EditorDialog(ui, QStringLiteral("Record"), parent),
      m_record(record),
      m_work(std::make_unique<SettingRecord>(record))
{
    const RecordBlock& rec = record.RECORD;
    m_rate = kit::Named(new kit::GuardedCombo(entries::Speed), "rate");
    SelectStored(m_rate, rec.SPEED);
    m_auto = MakeList("auto", entries::Switch);
    SelectStored(m_auto, rec.AUTO);
    m_delete = MakeList("delete", entries::Switch);
    SelectStored(m_delete, rec.DELETE);
    m_format = MakeList("format", entries::RecordFormat);
    SelectStored(m_format, rec.FORMAT);
    m_interval = kit::Named(new QComboBox, "interval");
    FillIntervals(rec.SPEED);
    m_interval->setCurrentIndex(m_interval->findData(rec.MB.TRANS));
    m_hour = kit::Named(new QComboBox, "hour");
    for (int h = 0; h < 24; ++h) m_hour->addItem(QStringLiteral("%1 hour").arg(h));
    SelectStored(m_hour, rec.MB.HOUR);
    m_week = MakeList("week", entries::Weekday);
    SelectStored(m_week, rec.MB.WEEK);
    m_eject = MakeList("eject", entries::Switch);
    SelectStored(m_eject, rec.MB.AUTO_TRANS);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Storing rate"), m_rate);
    form->addRow(QStringLiteral("Auto start"), m_auto);
    form->addRow(QStringLiteral("Auto file delete"), m_delete);
    form->addRow(QStringLiteral("SD card file format"), m_format);
    Body()->addLayout(form);
    auto* block = new QGroupBox(QStringLiteral("Start new memory block at"));
    auto* blockForm = new QFormLayout(block);
    blockForm->addRow(QStringLiteral("Interval"), m_interval);
    blockForm->addRow(QStringLiteral("Hour"), m_hour);
    blockForm->addRow(QStringLiteral("Day of week"), m_week);
    blockForm->addRow(QStringLiteral("Ejecting SD card"), m_eject);
    Body()->addWidget(block);

    m_rate->SetGuard([this](int, int to) { return RateChangeAllowed(to); });
    connect(m_rate, &kit::GuardedCombo::Accepted, this, [this](int speed) {
        FillIntervals(speed);
        m_interval->setCurrentIndex(0);  // "Max"
        UpdateEnabled();
    });
    connect(m_interval, &QComboBox::currentIndexChanged, this, &CDlgSetRecord::UpdateEnabled);
    UpdateEnabled();
}

CDlgSetRecord::~CDlgSetRecord() = default;

// A declined change keeps the rate, the interval and the copy as they were.
bool CDlgSetRecord::RateChangeAllowed(int to)
{
    if (!HasUnusable(*m_work, to)) return true;
    const bool yes = Ui().ConfirmYesNo({MessageIcon::Question,
                                        "One or more channels/pens are unusable with the new storing rate.\n"
                                        "Disable these channels/pens?"});
    if (yes) DisableUnusable(*m_work, to);
    return yes;
}

void CDlgSetRecord::FillIntervals(int speed)
{
    const QSignalBlocker block(m_interval);
    m_interval->clear();
    m_interval->addItem(QString::fromUtf8(entries::MbTrans.At(0)), 0);
    for (int code : IntervalsAt(speed)) m_interval->addItem(QString::fromUtf8(entries::MbTrans.At(code)), code);
    m_interval->setCurrentIndex(-1);
}

void CDlgSetRecord::UpdateEnabled()
{
    const int code = m_interval->currentIndex() >= 0 ? m_interval->currentData().toInt() : -1;
    m_hour->setEnabled(code == kTransDay);
    m_week->setEnabled(code == kTransWeek);
}

bool CDlgSetRecord::Confirm()
{
    RecordBlock& rec = m_record.RECORD;
    StoreSelected(m_rate, rec.SPEED);
    StoreSelected(m_auto, rec.AUTO);
    StoreSelected(m_delete, rec.DELETE);
    StoreSelected(m_format, rec.FORMAT);
    // An interval the rate does not offer is kept as stored.
    if (m_interval->currentIndex() >= 0) rec.MB.TRANS = m_interval->currentData().toInt();
    StoreSelected(m_hour, rec.MB.HOUR);
    StoreSelected(m_week, rec.MB.WEEK);
    StoreSelected(m_eject, rec.MB.AUTO_TRANS);
    m_record.IO = m_work->IO;
    m_record.DISP = m_work->DISP;
    return true;
}

}  // namespace volmar::gui
