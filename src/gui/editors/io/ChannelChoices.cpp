#include "editors/io/ChannelChoices.h"

#include "editors/kit/RecordText.h"

namespace volmar::gui {

namespace {
QString Two(int number) { return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0')); }

bool Enabled(const SettingRecord& record, int32_t kind, int index)
{
    const IoBlock& io = record.IO;
    switch (kind) {
    case kKindAi: return io.AI[index].TYPE != 0;
    case kKindDi: return io.DI[index].TYPE != 0;
    case kKindPi: return io.PI[index].TYPE != 0;
    default: return io.OI[index].TYPE != 0;
    }
}

QString WithName(const SettingRecord& record, int32_t kind, int index, QString label)
{
    if (Enabled(record, kind, index)) label += QLatin1Char(' ') + EnabledName(record, kind, index);
    return label;
}

const char* Prefix(int32_t kind)
{
    static const char* const kPrefix[] = {"AI", "DI", "PI", "OI"};
    return kind >= 0 && kind <= 3 ? kPrefix[kind] : "";
}
}  // namespace

int ChannelCount(int32_t kind)
{
    switch (kind) {
    case kKindAi: return kAiCount;
    case kKindDi: return kDiCount;
    case kKindPi: return kPiCount;
    case kKindOi: return kOiCount;
    default: return 0;
    }
}

QString EnabledName(const SettingRecord& record, int32_t kind, int index)
{
    if (index < 0 || index >= ChannelCount(kind)) return {};
    if (!Enabled(record, kind, index)) return {};
    const IoBlock& io = record.IO;
    switch (kind) {
    case kKindAi: return kit::FromRecord(io.AI[index].NAME);
    case kKindDi: return kit::FromRecord(io.DI[index].NAME);
    case kKindPi: return kit::FromRecord(io.PI[index].NAME);
    default: return kit::FromRecord(io.OI[index].NAME);
    }
}

void FillChannels(QComboBox* combo, const SettingRecord& record, int32_t kind)
{
    const int count = ChannelCount(kind);
    for (int i = 0; i < count; ++i) {
        combo->addItem(WithName(record, kind, i, QString::fromLatin1(Prefix(kind)) + Two(i + 1)));
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
