#include "gui/editors/com/CDlgSetRepCh.h"

#include "gui/editors/com/CDlgSetRepChConf.h"
#include "gui/editors/com/CDlgSetRepChConfDo.h"

namespace volmar::gui {

namespace {

const char* LastColumn(rep::Channels channels)
{
    return channels == rep::Channels::DoOperation ? "Operation" : "Report";
}

}  // namespace

CDlgSetRepCh::CDlgSetRepCh(const SettingRecord& record, rep::Channels channels, const MailReport& report,
                           Interaction& ui, QWidget* parent)
    : ListDialog(QString::fromUtf8(rep::KindOf(channels).title),
                 {{"CH", 50}, {"CH name", 150}, {"CH comment", 150}, {LastColumn(channels), 70}}, parent),
      m_record(record),
      m_channels(channels),
      m_kind(rep::KindOf(channels)),
      m_ui(ui),
      m_report(report)
{
    Populate(m_kind.rows);
}

QString CDlgSetRepCh::Label(int row) const { return rep::Numbered(m_kind.title, row + 1); }

QStringList CDlgSetRepCh::RowTexts(int row) const
{
    QStringList texts{Label(row)};
    if (!RowEnabled(row)) return texts;
    texts << rep::ChannelName(m_record, m_channels, row) << rep::ChannelComment(m_record, m_channels, row);
    if (m_channels == rep::Channels::DoOperation) {
        texts << rep::DoOperationText(rep::DoOperation(m_report, row));
    } else {
        texts << (rep::ReportBit(m_report, m_kind.words, row) ? QStringLiteral("Enable") : QStringLiteral("Disable"));
    }
    return texts;
}

bool CDlgSetRepCh::RowEnabled(int row) const { return rep::ChannelInUse(m_record, m_channels, row); }

void CDlgSetRepCh::OpenRow(int row)
{
    if (m_channels == rep::Channels::DoOperation) {
        CDlgSetRepChConfDo dialog(row, rep::DoOperation(m_report, row), m_ui, this);
        if (dialog.exec() == QDialog::Accepted) rep::SetDoOperation(m_report, row, dialog.Operation());
        return;
    }
    CDlgSetRepChConf dialog(Label(row), rep::ReportBit(m_report, m_kind.words, row), m_ui, this);
    if (dialog.exec() == QDialog::Accepted) rep::SetReportBit(m_report, m_kind.words, row, dialog.Report());
}

void CDlgSetRepCh::PasteRow(int from, int to)
{
    rep::SetReportBit(m_report, m_kind.words, to, rep::ReportBit(m_report, m_kind.words, from));
    if (m_channels == rep::Channels::DoOperation) {
        rep::SetReportBit(m_report, m_kind.offWords, to, rep::ReportBit(m_report, m_kind.offWords, from));
    }
}

}  // namespace volmar::gui
