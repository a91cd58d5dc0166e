#include "gui/maintenance/CDlgMenQueries.h"

#include "core/maintenance/MaintenanceFunctions.h"
#include "core/maintenance/MaintenanceTexts.h"

namespace volmar::gui {

CDlgMenMac::CDlgMenMac(AppContext& app, QWidget* parent)
    : CDlgMenQuery(app, "MAC address", "MAC address", parent)
{
    SetText(kMsgMacFailed);
    QueryWhenShown([this] { QueryThenShow(ReadUnitMac); });
}

CDlgMenVer::CDlgMenVer(AppContext& app, QWidget* parent)
    : CDlgMenQuery(app, "QN70G version", "QN70-G version", parent)
{
    SetText(kMsgVersionFailed);
    QueryWhenShown([this] { QueryThenShow(ReadUnitVersion, Login::NotNeeded); });
}

CDlgMenSdUse::CDlgMenSdUse(AppContext& app, QWidget* parent)
    : CDlgMenQuery(app, "Disk usage", "Free capacity", parent)
{
    QueryWhenShown([this] { QueryThenShow(ReadDiskFree); });
}

}  // namespace volmar::gui
