#include "gui/editors/io/CDlgSetIoNodeTime.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>

#include "gui/editors/kit/FieldChecks.h"
#include "gui/editors/kit/Form.h"
#include "gui/editors/kit/GuardedCombo.h"
#include "gui/editors/kit/RuleFields.h"
#include "core/rules/IoRules.h"
#include "core/settings/EditorEntries.h"

namespace volmar::gui {

using namespace kit;

CDlgSetIoNodeTime::CDlgSetIoNodeTime(SettingRecord& record, Interaction& ui, QWidget* parent)
    : EditorDialog(ui, QStringLiteral("Communication"), parent), m_record(record)
{
    const SlaveTable& t = record.IO.MODBUS_MASTER;
    auto* grid = new QGridLayout;
    m_interval = MakeEdit("interval", 6);
    m_interval->setText(QString::number(t.INTERVAL));
    AddField(grid, 0, 0, "Pause period (100 to 10000 ms)", m_interval);
    m_timeout = MakeEdit("timeout", 6);
    m_timeout->setText(QString::number(t.TIMEOUT));
    AddField(grid, 1, 0, "Modbus/TCP Timeout (1 to 10 s)", m_timeout);
    m_transaction = Named(new QComboBox, "transaction");
    Fill(m_transaction, entries::Switch);
    m_transaction->setCurrentIndex(t.TRANSACTION);
    AddField(grid, 2, 0, "Modbus/TCP Transaction ID management", m_transaction);
    m_slmpTimeout = MakeEdit("slmpTimeout", 6);
    m_slmpTimeout->setText(QString::number(t.SLMP_TIMEOUT));
    AddField(grid, 3, 0, "SLMP Timeout (1 to 60 s)", m_slmpTimeout);
    Body()->addLayout(grid);
}

bool CDlgSetIoNodeTime::Confirm()
{
    if (!Holds(m_interval, rules::kPausePeriod)) return Refuse(rules::kPausePeriod.message);
    if (!Holds(m_timeout, rules::kModbusTimeout)) return Refuse(rules::kModbusTimeout.message);
    if (!Holds(m_slmpTimeout, rules::kSlmpTimeout)) return Refuse(rules::kSlmpTimeout.message);
    SlaveTable& t = m_record.IO.MODBUS_MASTER;
    t.INTERVAL = static_cast<int32_t>(UnsignedValue(m_interval));
    t.TIMEOUT = static_cast<int32_t>(UnsignedValue(m_timeout));
    t.SLMP_TIMEOUT = static_cast<int32_t>(UnsignedValue(m_slmpTimeout));
    t.TRANSACTION = m_transaction->currentIndex();
    return true;
}

}  // namespace volmar::gui
