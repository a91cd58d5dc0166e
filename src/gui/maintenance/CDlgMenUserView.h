#pragma once
// "User defined browser view": packs the files of one folder and uploads
// them as the unit's user view, or removes the user view. The folder is
// remembered in the preferences.
#include "gui/maintenance/MaintenanceRun.h"

class QLineEdit;

namespace volmar::gui {

class CDlgMenUserView : public CDlgMenBase {
public:
    explicit CDlgMenUserView(AppContext& app, QWidget* parent = nullptr);
    QLineEdit* Folder() const { return m_folder; }
    void Browse();
    void Upload();
    void Reset();

private:
    QLineEdit* m_folder;
};

}  // namespace volmar::gui
