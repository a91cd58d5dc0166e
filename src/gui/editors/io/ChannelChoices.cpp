#include "gui/editors/io/ChannelChoices.h"

#include "gui/editors/kit/RecordText.h"

namespace volmar::gui {

namespace {
QString Two(int number) { return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0')); }

QString WithName(const SettingRecord& record, int32_t kind, int index, QString label)
{
    if (const char* name = EnabledChannelName(record, kind, index)) label += QLatin1Char(' ') + kit::FromRecord(name);
    return label;
}
}  // namespace

QString EnabledName(const SettingRecord& record, int32_t kind, int index)
{
    const char* name = EnabledChannelName(record, kind, index);
    return name ? kit::FromRecord(name) : QString();
}

void FillChannels(QComboBox* combo, const SettingRecord& record, int32_t kind)
{
    const int count = ChannelCount(kind);
    for (int i = 0; i < count; ++i) {
        combo->addItem(WithName(record, kind, i, QString::fromLatin1(KindName(kind)) + Two(i + 1)));
    }
}

void FillResetInput(QComboBox* combo, const SettingRecord& record)
{
    combo->addItem(QStringLiteral("Disable"));
    FillChannels(combo, record, kKindDi);
}

void FillNumbers(QComboBox* combo, const SettingRecord& record, int32_t kind)
{
    const int count = ChannelCount(kind);
    for (int i = 0; i < count; ++i) combo->addItem(WithName(record, kind, i, Two(i + 1)));
}

}  // namespace volmar::gui
