#include "gui/maintenance/CDlgMenPriSum.h"

#include <algorithm>

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

#include "core/maintenance/MaintenanceFunctions.h"
#include "core/maintenance/MaintenanceTexts.h"
#include "core/maintenance/PresetCount.h"

namespace volmar::gui {

CDlgMenPriSum::CDlgMenPriSum(AppContext& app, std::unique_ptr<SettingRecord> unitSetting, QWidget* parent)
    : CDlgMenBase(app, "Preset count", parent),
      m_setting(std::move(unitSetting)),
      m_type(new QComboBox(this)),
      m_channels(new QComboBox(this)),
      m_value(new QLineEdit(this))
{
    m_type->addItem(QStringLiteral("PI"));
    m_channels->setMinimumWidth(240);
    auto* upload = new QPushButton(QStringLiteral("Upload to device"), this);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("CH"), m_type);
    form->addRow(QString(), m_channels);
    form->addRow(QStringLiteral("Preset value"), m_value);
    Body()->addLayout(form);
    Body()->addWidget(upload, 0, Qt::AlignRight);
    FillChannels();
    m_value->setText(QString::fromStdString(PresetValueText("0", Selected().EXP == kUse)));
    connect(m_type, &QComboBox::currentIndexChanged, this, [this] { FillChannels(); });
    connect(m_channels, &QComboBox::currentIndexChanged, this, [this] {
        m_value->setText(QString::fromStdString(PresetValueText(m_value->text().toStdString(), Selected().EXP == kUse)));
    });
    connect(upload, &QPushButton::clicked, this, &CDlgMenPriSum::Upload);
}

void CDlgMenPriSum::FillChannels()
{
    const QSignalBlocker quiet(m_channels);
    m_channels->clear();
    for (int i = 0; i < kPiCount; ++i)
        m_channels->addItem(QString::fromStdString(PresetChannelEntry(*m_setting, i)));
    m_channels->setCurrentIndex(0);
}

const PiChannel& CDlgMenPriSum::Selected() const { return m_setting->IO.PI[std::max(0, m_channels->currentIndex())]; }

void CDlgMenPriSum::Upload()
{
    const int channel = std::max(0, m_channels->currentIndex());
    const auto preset = CheckPreset(Selected(), channel, m_value->text().toStdString());
    if (!preset) {
        App().ui.Show({MessageIcon::Error, kMsgPresetError});
        return;
    }
    if (PresetForbidden(Selected())) {
        App().ui.Show({MessageIcon::Information, kMsgNoPreset});
        return;
    }
    if (!AskBeforeLink(App(), this, kAskUpload)) return;
    Run([&](LinkContext& ctx) { return SendPresetCommand(ctx, *preset); });
}

}  // namespace volmar::gui
