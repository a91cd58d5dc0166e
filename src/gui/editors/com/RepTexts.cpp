#include "gui/editors/com/RepTexts.h"

#include <QByteArray>

#include "gui/editors/io/Masks.h"
#include "core/settings/EditorEntries.h"

namespace volmar::gui::rep {

QString Numbered(const char* prefix, int n)
{
    return QString::fromUtf8(prefix) + QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

QString KindText(int32_t kind)
{
    const char* text = kind > 0 ? entries::MailDst.At(kind) : nullptr;
    return QString::fromUtf8(text ? text : entries::MailDst.At(0));
}

const ChannelKind& KindOf(Channels channels)
{
    static const ChannelKind kinds[] = {
        {"AI", kAiCount, {&MailReport::AI1, &MailReport::AI2}, {nullptr, nullptr}},
        {"DI", kDiCount, {&MailReport::DI1, &MailReport::DI2}, {nullptr, nullptr}},
        {"PI", kPiCount, {&MailReport::PI, nullptr}, {nullptr, nullptr}},
        {"OI", kOiCount, {&MailReport::OI, nullptr}, {nullptr, nullptr}},
        {"DO", kDoCount, {&MailReport::DO1, &MailReport::DO2}, {nullptr, nullptr}},
        {"DO", kDoCount, {&MailReport::DO_ON1, &MailReport::DO_ON2}, {&MailReport::DO_OFF1, &MailReport::DO_OFF2}},
    };
    return kinds[static_cast<int>(channels)];
}

namespace {

template <typename F>
auto WithChannel(const SettingRecord& record, Channels channels, int row, F f)
{
    switch (channels) {
    case Channels::Ai: return f(record.IO.AI[row].TYPE, record.IO.AI[row].NAME, record.IO.AI[row].COMMENT);
    case Channels::Di: return f(record.IO.DI[row].TYPE, record.IO.DI[row].NAME, record.IO.DI[row].COMMENT);
    case Channels::Pi: return f(record.IO.PI[row].TYPE, record.IO.PI[row].NAME, record.IO.PI[row].COMMENT);
    case Channels::Oi: return f(record.IO.OI[row].TYPE, record.IO.OI[row].NAME, record.IO.OI[row].COMMENT);
    case Channels::Do:
    case Channels::DoOperation: break;
    }
    return f(record.IO.DO[row].TYPE, record.IO.DO[row].NAME, record.IO.DO[row].COMMENT);
}

}  // namespace

bool ChannelInUse(const SettingRecord& record, Channels channels, int row)
{
    return WithChannel(record, channels, row, [](int32_t type, const char*, const char*) { return type != 0; });
}

QString ChannelName(const SettingRecord& record, Channels channels, int row)
{
    return WithChannel(record, channels, row,
                       [](int32_t, const char* name, const char*) { return QString::fromUtf8(name); });
}

QString ChannelComment(const SettingRecord& record, Channels channels, int row)
{
    return WithChannel(record, channels, row,
                       [](int32_t, const char*, const char* comment) { return QString::fromUtf8(comment); });
}

bool ReportBit(const MailReport& report, uint32_t MailReport::* const (&words)[2], int row)
{
    const uint32_t word = report.*words[row / 32];
    return MaskBit(&word, row % 32);
}

void SetReportBit(MailReport& report, uint32_t MailReport::* const (&words)[2], int row, bool on)
{
    SetMaskBit(&(report.*words[row / 32]), row % 32, on);
}

int DoOperation(const MailReport& report, int row)
{
    const ChannelKind& kind = KindOf(Channels::DoOperation);
    if (ReportBit(report, kind.words, row)) return 1;
    return ReportBit(report, kind.offWords, row) ? 2 : 0;
}

void SetDoOperation(MailReport& report, int row, int operation)
{
    const ChannelKind& kind = KindOf(Channels::DoOperation);
    SetReportBit(report, kind.words, row, operation == 1);
    SetReportBit(report, kind.offWords, row, operation == 2);
}

QString DoOperationText(int operation)
{
    if (operation == 1) return QStringLiteral("ON");
    return operation == 2 ? QStringLiteral("OFF") : QStringLiteral("None");
}

QString BodyFromRecord(const char* field)
{
    QString text = QString::fromUtf8(field);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

QString BodyForRecord(const QString& typed)
{
    QString text = typed;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QChar(QChar::ParagraphSeparator), QLatin1Char('\n'));
    text.replace(QChar(QChar::LineSeparator), QLatin1Char('\n'));
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return text;
}

}  // namespace volmar::gui::rep
