#include "gui/editors/com/CDlgSetRepChConf.h"

#include <QComboBox>
#include <QGridLayout>

#include "gui/editors/kit/Form.h"
#include "gui/editors/kit/GuardedCombo.h"
#include "core/settings/EditorEntries.h"

namespace volmar::gui {

CDlgSetRepChConf::CDlgSetRepChConf(const QString& label, bool report, Interaction& ui, QWidget* parent)
    : EditorDialog(ui, label, parent), m_report(kit::Named(new QComboBox, "report"))
{
    kit::Fill(m_report, entries::Switch);
    m_report->setCurrentIndex(report ? 1 : 0);
    auto* grid = new QGridLayout;
    kit::AddField(grid, 0, 0, "Report", m_report);
    Body()->addLayout(grid);
}

bool CDlgSetRepChConf::Report() const { return m_report->currentIndex() == 1; }

}  // namespace volmar::gui
