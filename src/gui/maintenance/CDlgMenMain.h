#pragma once
// "Maintenance": one button per maintenance function of the unit.
#include <QDialog>

#include <functional>
#include <vector>

#include "gui/common/AppContext.h"

class QPushButton;

namespace volmar::gui {

class CDlgMenMain : public QDialog {
public:
    explicit CDlgMenMain(AppContext& app, QWidget* parent = nullptr);
    // The button with the caption, for tests.
    QPushButton* Button(const QString& caption) const;
    // "FTP client test": the unit tries its FTP client; no window of its own.
    void FtpClientTest();

private:
    AppContext& m_app;
};

// One button of the menu: its caption and what it opens.
struct MaintenanceButton {
    const char* caption;
    std::function<void()> action;
};

// The menu's buttons in their order, each with its window (the window
// table, gui/app/WindowTable.cpp).
std::vector<MaintenanceButton> MaintenanceButtons(AppContext& app, CDlgMenMain& menu);

}  // namespace volmar::gui
