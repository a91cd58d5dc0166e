#include "gui/editors/com/CDlgSetRepAddrConf.h"

#include <QGridLayout>
#include <QLineEdit>

#include "gui/editors/com/RepTexts.h"
#include "gui/editors/kit/Form.h"
#include "core/rules/MailRules.h"

namespace volmar::gui {

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
    const std::string name = Name().toStdString(), address = Address().toStdString();
    const char* problem = rules::FirstMessage(rules::CheckMailAddress(name, address));
    return problem ? Refuse(problem) : true;
}

}  // namespace volmar::gui
