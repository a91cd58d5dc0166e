#include "gui/maintenance/CDlgMenPriSum.h"

#include <algorithm>

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

#include "gui/common/ScreenshotRegistry.h"
#include "core/maintenance/MaintenanceFunctions.h"
#include "core/maintenance/MaintenanceTexts.h"
#include "core/maintenance/PresetCount.h"

namespace volmar::gui {

CDlgMenPriSum::CDlgMenPriSum(AppContext& app, std::unique_ptr<SettingRecord> unitSetting, QWidget* parent)
    : CDlgMenBase(app, "Preset count", parent),
      setting_(std::move(unitSetting)),
      type_(new QComboBox(this)),
      channels_(new QComboBox(this)),
      value_(new QLineEdit(this))
{
    type_->addItem(QStringLiteral("PI"));
    channels_->setMinimumWidth(240);
    auto* upload = new QPushButton(QStringLiteral("Upload to device"), this);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("CH"), type_);
    form->addRow(QString(), channels_);
    form->addRow(QStringLiteral("Preset value"), value_);
    Body()->addLayout(form);
    Body()->addWidget(upload, 0, Qt::AlignRight);
    FillChannels();
    value_->setText(QString::fromStdString(PresetValueText("0", Selected().EXP == kUse)));
    connect(type_, &QComboBox::currentIndexChanged, this, [this] { FillChannels(); });
    connect(channels_, &QComboBox::currentIndexChanged, this, [this] {
        value_->setText(QString::fromStdString(PresetValueText(value_->text().toStdString(), Selected().EXP == kUse)));
    });
    connect(upload, &QPushButton::clicked, this, &CDlgMenPriSum::Upload);
}

void CDlgMenPriSum::FillChannels()
{
    const QSignalBlocker quiet(channels_);
    channels_->clear();
    for (int i = 0; i < kPiCount; ++i)
        channels_->addItem(QString::fromStdString(PresetChannelEntry(*setting_, i)));
    channels_->setCurrentIndex(0);
}

const PiChannel& CDlgMenPriSum::Selected() const { return setting_->IO.PI[std::max(0, channels_->currentIndex())]; }

void CDlgMenPriSum::Upload()
{
    const int channel = std::max(0, channels_->currentIndex());
    const auto preset = CheckPreset(Selected(), channel, value_->text().toStdString());
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

VOLMAR_SCREENSHOT("men-presetcount", [](ScreenshotEnv& env) {
    auto setting = std::make_unique<SettingRecord>(env.record);
    setting->IO.PI[0].TYPE = 1;
    StoreText(setting->IO.PI[0].NAME, sizeof setting->IO.PI[0].NAME, "Flow meter 1", 12);
    return std::make_unique<CDlgMenPriSum>(env.app, std::move(setting));
});

}  // namespace volmar::gui
