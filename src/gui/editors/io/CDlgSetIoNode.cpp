#include "gui/editors/io/CDlgSetIoNode.h"

#include <QPushButton>

#include "gui/editors/io/CDlgSetIoNodeConf.h"
#include "gui/editors/io/CDlgSetIoNodeTime.h"
#include "gui/editors/io/SlaveUse.h"
#include "gui/editors/kit/Ipv4Edit.h"

namespace volmar::gui {

CDlgSetIoNode::CDlgSetIoNode(SettingRecord& record, Interaction& ui, QWidget* parent)
    : ListDialog(QStringLiteral("I/O slave setting"),
                 {{"Slave", 60}, {"Slave type", 100}, {"IP address", 120}, {"Port address", 100}}, parent),
      m_record(record),
      m_ui(ui)
{
    QPushButton* timing = AddButton(QStringLiteral("Communication"));
    timing->setObjectName(QStringLiteral("communication"));
    connect(timing, &QPushButton::clicked, this, [this] {
        CDlgSetIoNodeTime dialog(m_record, m_ui, this);
        dialog.exec();
    });
    Populate(kSlaveCount);
}

QStringList CDlgSetIoNode::RowTexts(int row) const
{
    const SlaveTable& t = m_record.IO.MODBUS_MASTER;
    QStringList texts{QStringLiteral("Slave %1").arg(row)};
    if (!SlaveHasAddress(m_record, row)) return texts;
    QString address = QString::fromLatin1(t.NODE[row]);
    if (const auto parts = kit::ParseIpv4(t.NODE[row])) {
        address = QStringLiteral("%1.%2.%3.%4").arg((*parts)[0]).arg((*parts)[1]).arg((*parts)[2]).arg((*parts)[3]);
    }
    texts << SlaveTypeName(t.SLAVE_TYPE[row]) << address << QString::number(t.PORT[row]);
    return texts;
}

void CDlgSetIoNode::OpenRow(int row)
{
    CDlgSetIoNodeConf dialog(m_record, row, m_ui, this);
    dialog.exec();
}

void CDlgSetIoNode::PasteRow(int from, int to)
{
    SlaveTable& t = m_record.IO.MODBUS_MASTER;
    std::copy(std::begin(t.NODE[from]), std::end(t.NODE[from]), std::begin(t.NODE[to]));
    t.SLAVE_TYPE[to] = t.SLAVE_TYPE[from];
    t.DEV_ID[to] = t.DEV_ID[from];
    t.PORT[to] = t.PORT[from];
    t.SLMP_NO[to] = t.SLMP_NO[from];
    t.SLMP_SS[to] = t.SLMP_SS[from];
    t.SLMP_CPU[to] = t.SLMP_CPU[from];
}

}  // namespace volmar::gui
