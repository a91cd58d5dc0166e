#include "link/DeviceOperation.h"

#include "link/CDlgWait.h"

namespace volmar::gui {

bool RunDeviceOperation(QWidget* parent, const std::function<bool()>& operation)
{
    bool result = false;
    std::unique_ptr<CDlgWait> busy = CDlgWait::Busy(parent);
    busy->Run([&] { result = operation(); });
    return result;
}

}  // namespace volmar::gui
