#include "gui/editors/kit/EditorDialog.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/editors/kit/FieldChecks.h"
#include "gui/common/FirstFocus.h"
#include "gui/editors/kit/GuardedCombo.h"
#include "gui/common/ScreenFit.h"

namespace volmar::gui::kit {

EditorDialog::EditorDialog(Interaction& ui, const QString& title, QWidget* parent)
    : QDialog(parent), m_ui(ui)
{
    setWindowTitle(title);
    auto* outer = new QVBoxLayout(this);
    // The controls scroll when the dialog has to be cut to a small screen;
    // the buttons stay in view.
    auto* scroll = new ScrollBody(this);
    m_body = scroll->Layout();
    outer->addWidget(scroll, 1);
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    outer->addWidget(m_buttons);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    OkButton()->setDefault(true);
    m_buttons->button(QDialogButtonBox::Cancel)->setAutoDefault(false);
    FitOnFirstShow(this);
    FocusFirstFieldOnShow(this);
}

void EditorDialog::accept()
{
    if (Confirm()) QDialog::accept();
}

QPushButton* EditorDialog::OkButton() const { return m_buttons->button(QDialogButtonBox::Ok); }

QPushButton* EditorDialog::AddButton(const QString& text, QWidget* parent)
{
    return MakeButton(text, parent ? parent : this);
}

bool EditorDialog::Refuse(const char* text) { return kit::Refuse(m_ui, text); }

void EditorDialog::GuardCombos(std::initializer_list<GuardedCombo*> combos, std::function<const char*()> problem,
                               std::function<void()> changed)
{
    for (GuardedCombo* combo : combos) {
        combo->SetGuard([this, problem](int, int) {
            const char* text = problem();
            return text ? Refuse(text) : true;
        });
        connect(combo, &GuardedCombo::Accepted, this, [combo, changed] {
            changed();
            combo->setFocus();
        });
    }
}

QPushButton* MakeButton(const QString& text, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

}  // namespace volmar::gui::kit
