#include "gui/editors/io/CDlgSetIoAreaResetConf.h"

#include <QComboBox>
#include <QGridLayout>

#include "gui/editors/kit/Form.h"
#include "gui/editors/kit/GuardedCombo.h"
#include "core/settings/EditorEntries.h"

namespace volmar::gui {

CDlgSetIoAreaResetConf::CDlgSetIoAreaResetConf(const QString& title, bool reset, Interaction& ui,
                                               QWidget* parent)
    : EditorDialog(ui, title, parent)
{
    auto* grid = new QGridLayout;
    m_reset = kit::Named(new QComboBox, "reset");
    kit::Fill(m_reset, entries::Switch);
    m_reset->setCurrentIndex(reset ? 1 : 0);
    kit::AddField(grid, 0, 0, "Reset", m_reset);
    Body()->addLayout(grid);
}

bool CDlgSetIoAreaResetConf::Reset() const { return m_reset->currentIndex() == 1; }

}  // namespace volmar::gui
