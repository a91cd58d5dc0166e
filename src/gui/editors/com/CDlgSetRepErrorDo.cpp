#include "gui/editors/com/CDlgSetRepErrorDo.h"

#include <QComboBox>
#include <QGridLayout>

#include "gui/editors/com/RepTexts.h"
#include "gui/editors/kit/Form.h"
#include "gui/editors/kit/RecordText.h"

namespace volmar::gui {

CDlgSetRepErrorDo::CDlgSetRepErrorDo(SettingRecord& record, Interaction& ui, QWidget* parent)
    : EditorDialog(ui, QStringLiteral("Delivery failure output"), parent),
      m_record(record),
      m_output(kit::Named(new QComboBox, "output"))
{
    m_output->addItem(QStringLiteral("None"));
    for (int ch = 0; ch < kDoCount; ++ch) {
        QString text = rep::Numbered("DO", ch + 1);
        if (record.IO.DO[ch].TYPE != 0) text += QLatin1Char(' ') + kit::FromRecord(record.IO.DO[ch].NAME);
        m_output->addItem(text);
    }
    m_output->setMaxVisibleItems(20);
    // A stored value outside the list selects nothing and is kept.
    const int32_t stored = record.MAIL_REPORT.ERROR;
    m_output->setCurrentIndex(stored >= 0 && stored <= kDoCount ? stored : -1);
    auto* grid = new QGridLayout;
    kit::AddField(grid, 0, 0, "Discrete output", m_output);
    Body()->addLayout(grid);
    setMinimumWidth(320);
}

bool CDlgSetRepErrorDo::Confirm()
{
    if (m_output->currentIndex() >= 0) m_record.MAIL_REPORT.ERROR = m_output->currentIndex();
    return true;
}

}  // namespace volmar::gui
