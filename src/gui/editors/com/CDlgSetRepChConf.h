#pragma once
// One channel of a report's channel list, titled with its row label:
// whether the report carries the channel's data ("Report").
#include "gui/editors/kit/EditorDialog.h"

class QComboBox;

namespace volmar::gui {

class CDlgSetRepChConf : public kit::EditorDialog {
    Q_OBJECT
public:
    CDlgSetRepChConf(const QString& label, bool report, Interaction& ui, QWidget* parent = nullptr);
    bool Report() const;

protected:
    bool Confirm() override { return true; }

private:
    QComboBox* m_report;
};

}  // namespace volmar::gui
