#include "gui/editors/com/CDlgSetRepAddrConf.h"

#include <QGridLayout>
#include <QLineEdit>

#include "gui/editors/com/RepTexts.h"
#include "gui/editors/kit/Form.h"

namespace volmar::gui {

namespace {
constexpr int kMaxChars = 64;
}

CDlgSetRepAddrConf::CDlgSetRepAddrConf(int entry, const QString& name, const QString& address, Interaction& ui,
                                       QWidget* parent)
    : EditorDialog(ui, rep::Numbered("No.", entry + 1), parent),
      m_name(kit::MakeEdit("name", 40)),
      m_address(kit::MakeEdit("address", 40))
{
    m_name->setText(name);
    m_address->setText(address);
    auto* grid = new QGridLayout;
    kit::AddField(grid, 0, 0, "Name", m_name);
    kit::AddField(grid, 1, 0, "Address", m_address);
    Body()->addLayout(grid);
}

QString CDlgSetRepAddrConf::Name() const { return m_name->text(); }
QString CDlgSetRepAddrConf::Address() const { return m_address->text(); }

bool CDlgSetRepAddrConf::Confirm()
{
    if (!rep::FitsChars(Name(), kMaxChars)) return Refuse("Setting error: Attention name.");
    if (Name().contains(QLatin1Char('"'))) return Refuse("Setting error: \"\" cannot be used.");
    if (Address().contains(QChar(0)) || !rep::FitsChars(Address(), kMaxChars)) return Refuse("Setting error: Address");
    return true;
}

}  // namespace volmar::gui
