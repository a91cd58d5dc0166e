#include "gui/editors/com/CDlgSetComSntp.h"

#include <QFormLayout>
#include <QVBoxLayout>

#include "gui/common/AppContext.h"
#include "gui/editors/com/ComParts.h"
#include "gui/editors/kit/Form.h"
#include "gui/editors/kit/RecordText.h"
#include "core/rules/ComRules.h"
#include "gui/editors/kit/RuleFields.h"

namespace volmar::gui {

using namespace com;

CDlgSetComSntp::CDlgSetComSntp(SettingRecord& record, Interaction& ui, QWidget* parent)
    : EditorDialog(ui, QStringLiteral("SNTP"), parent), m_record(record)
{
    m_mode = MakeGuardedMode("mode");
    SelectStored(m_mode, record.COM.SNTP.MODE);
    m_server = kit::MakeEdit("server", 40);
    m_server->setText(kit::FromRecord(record.COM.SNTP.SERVER));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Mode"), m_mode);
    form->addRow(QStringLiteral("SNTP server"), m_server);
    Body()->addLayout(form);

    auto update = [this] { m_server->setEnabled(m_mode->currentIndex() == kEnable); };
    GuardCombos({m_mode}, [this] { return Problem(); }, update);
    update();
}

const char* CDlgSetComSntp::Problem() const
{
    return rules::SntpServerError(kit::CheckedUtf8(m_server));
}

bool CDlgSetComSntp::Confirm()
{
    if (const char* problem = Problem()) return Refuse(problem);
    StoreSelected(m_mode, m_record.COM.SNTP.MODE);
    kit::ToRecord(m_record.COM.SNTP.SERVER, m_server->text());
    return true;
}

}  // namespace volmar::gui
