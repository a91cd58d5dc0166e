#include "gui/editors/com/CDlgSetDispPageName.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <string>

#include "gui/common/AppContext.h"
#include "gui/editors/kit/Form.h"
#include "gui/editors/kit/RecordText.h"
#include "gui/editors/kit/RuleFields.h"
#include "core/rules/DispRules.h"
#include "core/settings/UsableChannels.h"

namespace volmar::gui {

namespace {
constexpr int kRowsPerColumn = 15;
}  // namespace

CDlgSetDispPageName::CDlgSetDispPageName(SettingRecord& record, Interaction& ui, QWidget* parent)
    : EditorDialog(ui, QStringLiteral("Page name"), parent), m_record(record)
{
    const int usablePages = UsableAt(record.RECORD.SPEED).pens / 4;
    auto* grid = new QGridLayout;
    for (int i = 0; i < kPageCount; ++i) {
        const std::string name = "page" + std::to_string(i + 1);
        QLineEdit* edit = kit::MakeEdit(name.c_str(), 30);
        edit->setText(kit::FromRecord(record.DISP.PAGE[i]));
        if (i >= usablePages) {
            QPalette shaded = edit->palette();
            shaded.setColor(QPalette::Base, QColor(229, 229, 229));
            edit->setPalette(shaded);
        }
        m_names[static_cast<size_t>(i)] = edit;
        auto* label = new QLabel(QStringLiteral("Page %1 (Pen %2-%3)").arg(i + 1).arg(4 * i + 1).arg(4 * i + 4));
        label->setBuddy(edit);
        grid->addWidget(label, i % kRowsPerColumn, 2 * (i / kRowsPerColumn));
        grid->addWidget(edit, i % kRowsPerColumn, 2 * (i / kRowsPerColumn) + 1);
    }
    Body()->addLayout(grid);
}

bool CDlgSetDispPageName::Confirm()
{
    for (int i = 0; i < kPageCount; ++i) {
        const std::string text = rules::PageNameError(i, kit::CheckedUtf8(m_names[static_cast<size_t>(i)]));
        if (!text.empty()) return Refuse(text.c_str());
    }
    for (int i = 0; i < kPageCount; ++i) kit::ToRecord(m_record.DISP.PAGE[i], m_names[static_cast<size_t>(i)]->text());
    return true;
}

}  // namespace volmar::gui
