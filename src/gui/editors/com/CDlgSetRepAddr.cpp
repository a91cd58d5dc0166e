#include "gui/editors/com/CDlgSetRepAddr.h"

#include <cstring>

#include "gui/editors/com/CDlgSetRepAddrConf.h"
#include "gui/editors/com/RepTexts.h"
#include "gui/editors/kit/RecordText.h"

namespace volmar::gui {

CDlgSetRepAddr::CDlgSetRepAddr(SettingRecord& record, Interaction& ui, QWidget* parent)
    : ListDialog(QStringLiteral("Address list"), {{"No.", 50}, {"Name", 180}, {"Address", 180}}, parent),
      m_record(record),
      m_ui(ui)
{
    static_assert(sizeof m_names == sizeof record.COM.SMTP_POP3.MAIL_NAME);
    static_assert(sizeof m_addresses == sizeof record.COM.SMTP_POP3.MAIL_ADDRESS);
    std::memcpy(m_names, record.COM.SMTP_POP3.MAIL_NAME, sizeof m_names);
    std::memcpy(m_addresses, record.COM.SMTP_POP3.MAIL_ADDRESS, sizeof m_addresses);
    Populate(kMailAddressCount);
}

void CDlgSetRepAddr::accept()
{
    std::memcpy(m_record.COM.SMTP_POP3.MAIL_NAME, m_names, sizeof m_names);
    std::memcpy(m_record.COM.SMTP_POP3.MAIL_ADDRESS, m_addresses, sizeof m_addresses);
    ListDialog::accept();
}

QStringList CDlgSetRepAddr::RowTexts(int row) const
{
    return {rep::Numbered("No.", row + 1), kit::FromRecord(m_names[row]), kit::FromRecord(m_addresses[row])};
}

void CDlgSetRepAddr::OpenRow(int row)
{
    const QString name = kit::FromRecord(m_names[row]);
    const QString address = kit::FromRecord(m_addresses[row]);
    CDlgSetRepAddrConf dialog(row, name, address, m_ui, this);
    if (dialog.exec() != QDialog::Accepted) return;
    // An untouched text keeps its stored bytes.
    if (dialog.Name() != name) kit::ToRecord(m_names[row], dialog.Name());
    if (dialog.Address() != address) kit::ToRecord(m_addresses[row], dialog.Address());
}

void CDlgSetRepAddr::PasteRow(int from, int to)
{
    if (from == to) return;
    std::memcpy(m_names[to], m_names[from], sizeof m_names[to]);
    std::memcpy(m_addresses[to], m_addresses[from], sizeof m_addresses[to]);
}

}  // namespace volmar::gui
