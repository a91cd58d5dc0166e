#include "gui/editors/io/CDlgSetIoOutput.h"

#include "gui/editors/io/CDlgSetIoOutputConf.h"
#include "gui/editors/io/Masks.h"
#include "gui/editors/kit/RecordText.h"

namespace volmar::gui {

CDlgSetIoOutput::CDlgSetIoOutput(const SettingRecord& record, uint32_t word1, uint32_t word2,
                                 Interaction& ui, QWidget* parent)
    : ListDialog(QStringLiteral("Alarm output"),
                 {{"CH", 60}, {"CH name", 150}, {"CH comment", 150}, {"Output", 95}}, parent),
      m_record(record),
      m_ui(ui),
      m_words{word1, word2}
{
    Populate(kDoCount);
}

QStringList CDlgSetIoOutput::RowTexts(int row) const
{
    QStringList texts{QStringLiteral("DO%1").arg(row + 1, 2, 10, QLatin1Char('0'))};
    if (!RowEnabled(row)) return texts;
    const DoChannel& ch = m_record.IO.DO[row];
    texts << kit::FromRecord(ch.NAME) << kit::FromRecord(ch.COMMENT)
          << (MaskBit(m_words.data(), row) ? QStringLiteral("ON") : QStringLiteral("OFF"));
    return texts;
}

bool CDlgSetIoOutput::RowEnabled(int row) const { return m_record.IO.DO[row].TYPE != 0; }

void CDlgSetIoOutput::OpenRow(int row)
{
    CDlgSetIoOutputConf dialog(row, MaskBit(m_words.data(), row), m_ui, this);
    if (dialog.exec() == QDialog::Accepted) SetMaskBit(m_words.data(), row, dialog.On());
}

void CDlgSetIoOutput::PasteRow(int from, int to)
{
    SetMaskBit(m_words.data(), to, MaskBit(m_words.data(), from));
}

}  // namespace volmar::gui
