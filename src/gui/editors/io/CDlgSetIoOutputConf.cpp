#include "gui/editors/io/CDlgSetIoOutputConf.h"

#include <QComboBox>
#include <QGridLayout>

#include "gui/editors/kit/Form.h"
#include "gui/editors/kit/GuardedCombo.h"

namespace volmar::gui {

CDlgSetIoOutputConf::CDlgSetIoOutputConf(int channel, bool on, Interaction& ui, QWidget* parent)
    : EditorDialog(ui, QStringLiteral("DO%1").arg(channel + 1, 2, 10, QLatin1Char('0')), parent)
{
    auto* grid = new QGridLayout;
    m_output = kit::Named(new QComboBox, "output");
    kit::Fill(m_output, {"OFF", "ON"});
    m_output->setCurrentIndex(on ? 1 : 0);
    kit::AddField(grid, 0, 0, "Output", m_output);
    Body()->addLayout(grid);
}

bool CDlgSetIoOutputConf::On() const { return m_output->currentIndex() == 1; }

}  // namespace volmar::gui
