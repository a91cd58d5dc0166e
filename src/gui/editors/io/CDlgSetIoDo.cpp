#include "gui/editors/io/CDlgSetIoDo.h"

#include <QPushButton>

#include "gui/common/AppContext.h"
#include "gui/editors/io/CDlgSetIoDoCh.h"
#include "gui/editors/io/CDlgSetIoDoUsed.h"
#include "gui/editors/io/DiscreteRows.h"
#include "gui/editors/kit/RecordText.h"

namespace volmar::gui {

CDlgSetIoDo::CDlgSetIoDo(SettingRecord& record, Interaction& ui, QWidget* parent)
    : ChannelList(QStringLiteral("Discrete output (DO)"), sheets::ChannelSheet::Do, record, ui, parent)
{
    Populate(DiscreteRowsForSpeed(record.RECORD.SPEED));
    QPushButton* used = AddButton(QStringLiteral("Which functions assigned to DO?"));
    used->setObjectName(QStringLiteral("used"));
    connect(used, &QPushButton::clicked, this, [this] {
        CDlgSetIoDoUsed report(m_record, this);
        report.exec();
    });
}

QStringList CDlgSetIoDo::RowTexts(int row) const
{
    const DoChannel& ch = m_record.IO.DO[row];
    QStringList texts{QStringLiteral("DO%1").arg(row + 1, 2, 10, QLatin1Char('0'))};
    if (ch.TYPE != 0) texts << kit::FromRecord(ch.NAME) << kit::FromRecord(ch.COMMENT);
    return texts;
}

void CDlgSetIoDo::OpenRow(int row)
{
    CDlgSetIoDoCh dialog(m_record, row, m_ui, this);
    dialog.exec();
}

void CDlgSetIoDo::PasteRow(int from, int to) { m_record.IO.DO[to] = m_record.IO.DO[from]; }

}  // namespace volmar::gui
