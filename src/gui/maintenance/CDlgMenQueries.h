#pragma once
// The three one-line queries of the Maintenance menu. Each shows its window
// first, then reads the unit; the field keeps its initial text on failure.
#include "gui/maintenance/MaintenanceRun.h"

namespace volmar::gui {

// "MAC address": "MAC" read into 6 bytes.
class CDlgMenMac : public CDlgMenQuery {
public:
    explicit CDlgMenMac(AppContext& app, QWidget* parent = nullptr);
};

// "QN70G version": from the unit check (the handshake over the encrypted link).
class CDlgMenVer : public CDlgMenQuery {
public:
    explicit CDlgMenVer(AppContext& app, QWidget* parent = nullptr);
};

// "Disk usage": "SD" read after the SD-card test.
class CDlgMenSdUse : public CDlgMenQuery {
public:
    explicit CDlgMenSdUse(AppContext& app, QWidget* parent = nullptr);
};

}  // namespace volmar::gui
