#pragma once
// "DO%02d": what a report does to one discrete output ("DO operation":
// "None", "ON", "OFF").
#include "gui/editors/kit/EditorDialog.h"

class QComboBox;

namespace volmar::gui {

class CDlgSetRepChConfDo : public kit::EditorDialog {
    Q_OBJECT
public:
    // channel counts from 0; operation 0 None, 1 ON, 2 OFF.
    CDlgSetRepChConfDo(int channel, int operation, Interaction& ui, QWidget* parent = nullptr);
    int Operation() const;

protected:
    bool Confirm() override { return true; }

private:
    QComboBox* m_operation;
};

}  // namespace volmar::gui
