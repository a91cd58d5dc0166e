#include "gui/maintenance/MaintenanceRun.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "gui/common/FirstFocus.h"
#include "gui/common/BackgroundJob.h"
#include "gui/link/EarlyLogin.h"

namespace volmar::gui {

bool AskBeforeLink(AppContext& app, QWidget* window, const char* question)
{
    OperationWindow owner(window);
    return app.ui.Confirm({MessageIcon::Question, question});
}

bool RunMaintenance(AppContext& app, QWidget* window, const std::function<bool(LinkContext&)>& function,
                    Login login)
{
    EarlyLogin early(app.link, app.ui);
    if (login == Login::Needed) {
        OperationWindow owner(window);
        if (!early.Ask()) return false;
    }
    LinkContext ctx{app.link, early.Ui(), app.profile, app.linkOptions};
    return RunBehindWaitWindow(window, [&] { return function(ctx); });
}

CDlgMenBase::CDlgMenBase(AppContext& app, const char* title, QWidget* parent) : QDialog(parent), m_app(app)
{
    setWindowTitle(QString::fromUtf8(title));
    m_body = new QVBoxLayout;
    auto* buttons = new QDialogButtonBox(this);
    // Back is the default button: Enter closes the window unless the focus
    // is on one of its own buttons.
    auto* back = buttons->addButton(QStringLiteral("Back"), QDialogButtonBox::RejectRole);
    back->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(m_body);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    kit::FocusFirstFieldOnShow(this);
}

void CDlgMenBase::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_query) return;
    QTimer::singleShot(0, this, [this, query = std::move(m_query)] { query(); });
    m_query = nullptr;
}

CDlgMenQuery::CDlgMenQuery(AppContext& app, const char* title, const char* label, QWidget* parent)
    : CDlgMenBase(app, title, parent), m_field(new QLineEdit(this))
{
    m_field->setReadOnly(true);
    m_field->setMinimumWidth(260);
    auto* form = new QFormLayout;
    form->addRow(QString::fromUtf8(label), m_field);
    Body()->addLayout(form);
}

QString CDlgMenQuery::Text() const { return m_field->text(); }

void CDlgMenQuery::QueryThenShow(std::optional<std::string> (*reader)(LinkContext&), Login login)
{
    std::optional<std::string> text;
    Run(
        [&](LinkContext& ctx) {
            text = reader(ctx);
            return text.has_value();
        },
        login);
    if (text) SetText(*text);
}

void CDlgMenQuery::SetText(const std::string& text) { m_field->setText(QString::fromUtf8(text)); }

}  // namespace volmar::gui
