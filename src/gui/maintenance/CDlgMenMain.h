#pragma once
// "Maintenance": one button per maintenance function of the unit.
#include <QDialog>

#include "gui/common/AppContext.h"

class QPushButton;

namespace volmar::gui {

class CDlgMenMain : public QDialog {
public:
    explicit CDlgMenMain(AppContext& app, QWidget* parent = nullptr);
    // The button with the caption, for tests.
    QPushButton* Button(const QString& caption) const;

private:
    void FtpClientTest();

    AppContext& m_app;
};

}  // namespace volmar::gui
