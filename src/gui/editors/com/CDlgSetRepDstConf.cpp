#include "gui/editors/com/CDlgSetRepDstConf.h"

#include <QComboBox>
#include <QGridLayout>

#include "gui/editors/com/RepTexts.h"
#include "gui/editors/kit/Form.h"
#include "gui/editors/kit/GuardedCombo.h"

namespace volmar::gui {

CDlgSetRepDstConf::CDlgSetRepDstConf(int entry, int32_t kind, Interaction& ui, QWidget* parent)
    : EditorDialog(ui, rep::Numbered("No.", entry + 1), parent),
      m_kind(kit::Named(new QComboBox, "kind")),
      m_stored(kind)
{
    kit::Fill(m_kind, {"None", "To", "Cc"});
    // A kind the list does not offer (Bcc from a loaded setting) is shown as
    // one more entry, so OK without a change keeps it.
    const bool offered = kind >= 0 && kind < rep::kKindsOffered;
    if (!offered) m_kind->addItem(rep::KindText(kind));
    m_kind->setCurrentIndex(offered ? kind : rep::kKindsOffered);
    auto* grid = new QGridLayout;
    kit::AddField(grid, 0, 0, "To/Cc", m_kind);
    Body()->addLayout(grid);
}

int32_t CDlgSetRepDstConf::Kind() const
{
    const int index = m_kind->currentIndex();
    return index < rep::kKindsOffered ? index : m_stored;
}

}  // namespace volmar::gui
