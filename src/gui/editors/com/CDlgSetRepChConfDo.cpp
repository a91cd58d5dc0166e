#include "gui/editors/com/CDlgSetRepChConfDo.h"

#include <QComboBox>
#include <QGridLayout>

#include "gui/editors/com/RepTexts.h"
#include "gui/editors/kit/Form.h"
#include "gui/editors/kit/GuardedCombo.h"

namespace volmar::gui {

CDlgSetRepChConfDo::CDlgSetRepChConfDo(int channel, int operation, Interaction& ui, QWidget* parent)
    : EditorDialog(ui, rep::Numbered("DO", channel + 1), parent), m_operation(kit::Named(new QComboBox, "operation"))
{
    kit::Fill(m_operation, {"None", "ON", "OFF"});
    m_operation->setCurrentIndex(operation);
    auto* grid = new QGridLayout;
    kit::AddField(grid, 0, 0, "DO operation", m_operation);
    Body()->addLayout(grid);
}

int CDlgSetRepChConfDo::Operation() const { return m_operation->currentIndex(); }

}  // namespace volmar::gui
