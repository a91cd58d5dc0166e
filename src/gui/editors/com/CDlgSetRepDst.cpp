#include "gui/editors/com/CDlgSetRepDst.h"

#include "gui/editors/com/CDlgSetRepDstConf.h"
#include "gui/editors/com/RepTexts.h"
#include "gui/editors/kit/RecordText.h"

namespace volmar::gui {

CDlgSetRepDst::CDlgSetRepDst(const SettingRecord& record, const Kinds& kinds, Interaction& ui, QWidget* parent)
    : ListDialog(QStringLiteral("Address list"), {{"No.", 40}, {"Name", 150}, {"Address", 150}, {"To/Cc", 80}},
                 parent),
      m_record(record),
      m_ui(ui),
      m_kinds(kinds)
{
    Populate(kMailAddressCount);
}

QStringList CDlgSetRepDst::RowTexts(int row) const
{
    const SmtpPop3Block& book = m_record.COM.SMTP_POP3;
    return {rep::Numbered("", row + 1), kit::FromRecord(book.MAIL_NAME[row]), kit::FromRecord(book.MAIL_ADDRESS[row]),
            rep::KindText(m_kinds[row])};
}

void CDlgSetRepDst::OpenRow(int row)
{
    CDlgSetRepDstConf dialog(row, m_kinds[row], m_ui, this);
    if (dialog.exec() == QDialog::Accepted) m_kinds[row] = dialog.Kind();
}

void CDlgSetRepDst::PasteRow(int from, int to) { m_kinds[to] = m_kinds[from]; }

}  // namespace volmar::gui
