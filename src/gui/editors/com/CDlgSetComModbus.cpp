#include "gui/editors/com/CDlgSetComModbus.h"

#include <QFormLayout>
#include <QVBoxLayout>

#include "gui/common/AppContext.h"
#include "gui/editors/com/ComParts.h"
#include "gui/editors/kit/Enable.h"
#include "gui/editors/kit/FieldChecks.h"
#include "core/rules/ComRules.h"
#include "core/settings/EditorEntries.h"

namespace volmar::gui {

using namespace com;

CDlgSetComModbus::CDlgSetComModbus(SettingRecord& record, Interaction& ui, QWidget* parent)
    : EditorDialog(ui, QStringLiteral("Modbus/TCP slave"), parent), m_record(record)
{
    const ModbusTcpBlock& mb = record.COM.MODBUS_TCP;
    m_mode = MakeGuardedMode("mode");
    SelectStored(m_mode, mb.MODE);
    m_registers = MakeList("registers", entries::Switch);
    SelectStored(m_registers, mb.REG);
    m_port = MakeNumberEdit("port", mb.PORT);
    m_linger = MakeNumberEdit("linger", mb.RINGER_TIME);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Mode"), m_mode);
    form->addRow(QStringLiteral("Allow access to internal registers"), m_registers);
    form->addRow(QStringLiteral("Port address (0 to 65535)"), m_port);
    form->addRow(QStringLiteral("Linger time (0 to 3000 sec.)"), m_linger);
    Body()->addLayout(form);

    GuardCombos({m_mode}, [this] { return Problem(); }, [this] { UpdateEnabled(); });
    UpdateEnabled();
}

const char* CDlgSetComModbus::Problem() const
{
    int64_t value = 0;
    // An empty or overlong linger time is no number; an empty port reads 0.
    std::optional<int64_t> linger;
    if (kit::IntegerIn(m_linger, INT64_MIN, INT64_MAX, &value)) linger = value;
    return rules::FirstMessage(rules::CheckModbus({linger, NumberOf(m_port)}));
}

void CDlgSetComModbus::UpdateEnabled()
{
    kit::SetEnabled({m_registers, m_port, m_linger}, m_mode->currentIndex() == kEnable);
}

bool CDlgSetComModbus::Confirm()
{
    if (const char* problem = Problem()) return Refuse(problem);
    ModbusTcpBlock& mb = m_record.COM.MODBUS_TCP;
    StoreSelected(m_mode, mb.MODE);
    StoreSelected(m_registers, mb.REG);
    StorePort(m_port, mb.PORT);
    mb.RINGER_TIME = static_cast<int32_t>(kit::SignedValue(m_linger));
    return true;
}

}  // namespace volmar::gui
