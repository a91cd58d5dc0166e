#pragma once
// One PI or OI channel of a reset selection: "Reset" Disable or Enable.
#include "gui/editors/kit/EditorDialog.h"

class QComboBox;

namespace volmar::gui {

class CDlgSetIoAreaResetConf : public kit::EditorDialog {
    Q_OBJECT
public:
    CDlgSetIoAreaResetConf(const QString& title, bool reset, Interaction& ui, QWidget* parent = nullptr);
    bool Reset() const;

protected:
    bool Confirm() override { return true; }

private:
    QComboBox* m_reset;
};

}  // namespace volmar::gui
