#include "gui/editors/io/SlaveChoice.h"

#include "gui/editors/io/SlaveUse.h"
#include "gui/editors/kit/FieldChecks.h"
#include "core/link/transfer/Interaction.h"

namespace volmar::gui {

bool SlaveChoiceAllowed(const SettingRecord& record, int slave, bool slmp, Interaction& ui)
{
    if (!SlaveHasAddress(record, slave)) return kit::Refuse(ui, rules::kSlaveWithoutAddress);
    const bool slmpSlave = record.IO.MODBUS_MASTER.SLAVE_TYPE[slave] != kSlaveModbusTcp;
    if (!slmp && slmpSlave) return ui.Confirm({MessageIcon::Warning, "SLMP is selected as slave."});
    if (slmp && !slmpSlave) return ui.Confirm({MessageIcon::Warning, "Modbus/TCP is selected as slave."});
    return true;
}

}  // namespace volmar::gui
