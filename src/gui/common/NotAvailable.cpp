#include "gui/common/NotAvailable.h"

#include "core/link/transfer/Interaction.h"

namespace volmar::gui {

void ShowNotAvailable(Interaction& ui, const std::string& what)
{
    ui.Show({MessageIcon::Information, what + " is not yet available in this version of VOLMAR."});
}

}  // namespace volmar::gui
