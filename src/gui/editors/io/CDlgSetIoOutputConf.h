#pragma once
// "DO%02d": whether an alarm switches one discrete output on.
#include "gui/editors/kit/EditorDialog.h"

class QComboBox;

namespace volmar::gui {

class CDlgSetIoOutputConf : public kit::EditorDialog {
    Q_OBJECT
public:
    CDlgSetIoOutputConf(int channel, bool on, Interaction& ui, QWidget* parent = nullptr);
    bool On() const;

protected:
    bool Confirm() override { return true; }

private:
    QComboBox* m_output;
};

}  // namespace volmar::gui
