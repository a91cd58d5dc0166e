#pragma once
// "Pen": the list of the trend pens the storing rate allows, each row with
// its channel, line, colour and display range, and the page names. A row
// opens its pen editor; Copy / Paste copies one pen onto another.
#include <QColor>

#include "gui/editors/kit/ListDialog.h"
#include "core/settings/SettingRecord.h"

namespace volmar {
class Interaction;
}

namespace volmar::gui {

class CDlgSetDispPen : public kit::ListDialog {
    Q_OBJECT
public:
    CDlgSetDispPen(SettingRecord& record, Interaction& ui, QWidget* parent = nullptr);

    // The background a cell is drawn on (tests).
    QColor CellColour(int row, int column) const;

protected:
    QStringList RowTexts(int row) const override;
    void OpenRow(int row) override;
    void PasteRow(int from, int to) override;

private:
    void PaintRow(int row);

    SettingRecord& m_record;
    Interaction& m_ui;
    int m_usable;
};

}  // namespace volmar::gui
