#include "editors/io/CDlgSetIoDoUsed.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

#include "editors/io/Masks.h"
#include "editors/kit/EditorDialog.h"
#include "editors/kit/ReportTable.h"

namespace volmar::gui {
namespace {

QString Numbered(const char* kind, int number)
{
    return QStringLiteral("%1%2").arg(QLatin1String(kind)).arg(number, 2, 10, QLatin1Char('0'));
}

bool Drives(uint32_t word1, uint32_t word2, int out)
{
    const uint32_t words[2] = {word1, word2};
    return MaskBit(words, out);
}

// Rows for the zones in use of the channels of one kind.
template <typename Channels>
void AddZones(std::vector<DoUse>& rows, const Channels& channels, const char* kind, int out)
{
    int number = 0;
    for (const auto& ch : channels) {
        ++number;
        if (ch.TYPE == 0) continue;
        const int count = ch.USE_AREAS >= 2 && ch.USE_AREAS <= kZoneCount ? ch.USE_AREAS : 0;
        for (int zone = 1; zone <= count; ++zone) {
            const Zone& z = ch.AREA[zone - 1];
            if (!Drives(z.DO_ON1, z.DO_ON2, out)) continue;
            rows.push_back({Numbered("DO", out + 1), QStringLiteral("I/O (%1)").arg(Numbered(kind, number)),
                            QStringLiteral("Zone %1").arg(zone)});
        }
    }
}

bool ReportDrives(const MailReport& report, int out)
{
    return report.MODE == kUse &&
           (Drives(report.DO_ON1, report.DO_ON2, out) || Drives(report.DO_OFF1, report.DO_OFF2, out));
}

void AddMail(std::vector<DoUse>& rows, const MailReportBlock& mail, int out)
{
    const QString channel = Numbered("DO", out + 1);
    const QString function = QStringLiteral("E-mail");
    QString events;
    for (int e = 0; e < kEventReportCount; ++e) {
        if (ReportDrives(mail.EVENT[e], out)) events += QStringLiteral("%1, ").arg(e + 1);
    }
    if (!events.isEmpty()) rows.push_back({channel, function, QStringLiteral("Event report ") + events});
    if (ReportDrives(mail.TIME.REPORT, out)) rows.push_back({channel, function, QStringLiteral("Regular report")});
    if (mail.ERROR == out + 1) rows.push_back({channel, function, QStringLiteral("Delivery failure output")});
}

}  // namespace

std::vector<DoUse> DoUses(const SettingRecord& record)
{
    std::vector<DoUse> rows;
    for (int out = 0; out < kDoCount; ++out) {
        AddZones(rows, record.IO.AI, "AI", out);
        int number = 0;
        for (const DiChannel& di : record.IO.DI) {
            ++number;
            if (di.TYPE == 0) continue;
            const QString function = QStringLiteral("I/O (%1)").arg(Numbered("DI", number));
            if (Drives(di.STATUS.ON.DO_ON1, di.STATUS.ON.DO_ON2, out)) {
                rows.push_back({Numbered("DO", out + 1), function, QStringLiteral("ON")});
            }
            if (Drives(di.STATUS.OFF.DO_ON1, di.STATUS.OFF.DO_ON2, out)) {
                rows.push_back({Numbered("DO", out + 1), function, QStringLiteral("OFF")});
            }
        }
        AddZones(rows, record.IO.PI, "PI", out);
        AddZones(rows, record.IO.OI, "OI", out);
        AddMail(rows, record.MAIL_REPORT, out);
    }
    return rows;
}

CDlgSetIoDoUsed::CDlgSetIoDoUsed(const SettingRecord& record, QWidget* parent)
    : QDialog(parent), m_table(new kit::ReportTable({{"CH", 80}, {"Function", 150}, {"Detail", 260}}, this))
{
    setWindowTitle(QStringLiteral("Which functions assigned to DO?"));
    const std::vector<DoUse> rows = DoUses(record);
    m_table->SetRows(static_cast<int>(rows.size()));
    for (size_t i = 0; i < rows.size(); ++i) {
        m_table->SetRowTexts(static_cast<int>(i), {rows[i].channel, rows[i].function, rows[i].detail});
    }
    m_table->setMinimumHeight(m_table->verticalHeader()->defaultSectionSize() * 16);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    QPushButton* back = kit::MakeButton(QStringLiteral("Back"), this);
    back->setObjectName(QStringLiteral("back"));
    connect(back, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(back);
    layout->addLayout(buttons);
}

}  // namespace volmar::gui
