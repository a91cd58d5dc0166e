#pragma once
// The windows of `volmar --screenshots`, one list per room of the GUI, each
// with the sample records its windows are shown on. Screenshots() joins
// them.
#include <cstring>
#include <vector>

#include "core/settings/SettingRecord.h"
#include "gui/screenshots/ScreenshotList.h"

namespace volmar::gui::shots {

// The main window, About and the two network editors (gui/app).
std::vector<ScreenshotEntry> AppWindows();
// Connect, the address book, the login, "Please wait", the terminal log.
std::vector<ScreenshotEntry> LinkWindows();
// The maintenance menu and its windows.
std::vector<ScreenshotEntry> MaintenanceWindows();
// The configuration hub, the report preview and the Changes window.
std::vector<ScreenshotEntry> HubWindows();
// System, the I/O menu, the slave and AI editors.
std::vector<ScreenshotEntry> SystemSlaveAiWindows();
// The DI and DO editors.
std::vector<ScreenshotEntry> DiDoWindows();
// The PI and OI editors, with every OI function dialog.
std::vector<ScreenshotEntry> PiOiWindows();
// The communication, display and record editors.
std::vector<ScreenshotEntry> ComDisplayRecordWindows();
// The e-mail report editors.
std::vector<ScreenshotEntry> MailWindows();
// The Units window, mid-run.
std::vector<ScreenshotEntry> FleetWindows();

// Two Modbus slaves, the second of another type: where every I/O sample
// record starts.
inline void PutSampleSlaves(SettingRecord& record)
{
    std::strcpy(record.IO.MODBUS_MASTER.NODE[0], "192.168.0.20");
    std::strcpy(record.IO.MODBUS_MASTER.NODE[1], "192.168.0.21");
    record.IO.MODBUS_MASTER.SLAVE_TYPE[1] = 2;
}

}  // namespace volmar::gui::shots
