#include "gui/editors/io/CDlgSetIoAreaReset.h"

#include "gui/editors/io/CDlgSetIoAreaResetConf.h"
#include "gui/editors/io/Masks.h"
#include "gui/editors/kit/RecordText.h"

namespace volmar::gui {

CDlgSetIoAreaReset::CDlgSetIoAreaReset(const SettingRecord& record, Mode mode, uint32_t mask, Interaction& ui,
                                       QWidget* parent)
    : ListDialog(mode == kTotalized ? QStringLiteral("Reset totalized value") : QStringLiteral("Reset function value"),
                 {{"CH", 40}, {"CH name", 150}, {"CH comment", 150}, {"Reset", 70}}, parent),
      m_record(record),
      m_mode(mode),
      m_ui(ui),
      m_mask(mask)
{
    Populate(mode == kTotalized ? kPiCount : kOiCount);
}

QString CDlgSetIoAreaReset::Channel(int row) const
{
    return QStringLiteral("%1%2").arg(m_mode == kTotalized ? "PI" : "OI").arg(row + 1, 2, 10, QLatin1Char('0'));
}

QStringList CDlgSetIoAreaReset::RowTexts(int row) const
{
    QStringList texts{Channel(row)};
    if (!RowEnabled(row)) return texts;
    const char* name = m_mode == kTotalized ? m_record.IO.PI[row].NAME : m_record.IO.OI[row].NAME;
    const char* comment = m_mode == kTotalized ? m_record.IO.PI[row].COMMENT : m_record.IO.OI[row].COMMENT;
    texts << kit::FromRecord(name) << kit::FromRecord(comment)
          << (MaskBit(&m_mask, row) ? QStringLiteral("Enable") : QStringLiteral("Disable"));
    return texts;
}

bool CDlgSetIoAreaReset::RowEnabled(int row) const
{
    return (m_mode == kTotalized ? m_record.IO.PI[row].TYPE : m_record.IO.OI[row].TYPE) != 0;
}

void CDlgSetIoAreaReset::OpenRow(int row)
{
    CDlgSetIoAreaResetConf dialog(Channel(row), MaskBit(&m_mask, row), m_ui, this);
    if (dialog.exec() == QDialog::Accepted) SetMaskBit(&m_mask, row, dialog.Reset());
}

void CDlgSetIoAreaReset::PasteRow(int from, int to) { SetMaskBit(&m_mask, to, MaskBit(&m_mask, from)); }

}  // namespace volmar::gui
