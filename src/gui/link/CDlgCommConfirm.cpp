#include "gui/link/CDlgCommConfirm.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/common/AppContext.h"
#include "gui/link/LinkSelection.h"

namespace volmar::gui {

CDlgCommConfirm::CDlgCommConfirm(AppContext& ctx, QWidget* parent) : QDialog(parent), m_ctx(ctx)
{
    setWindowTitle(QStringLiteral("Confirm access mode"));
    m_accessMode = new QLineEdit(this);
    m_device = new QLineEdit(this);
    for (QLineEdit* line : {m_accessMode, m_device}) {
        line->setReadOnly(true);
        line->setFocusPolicy(Qt::NoFocus);
        // Read-only lines look like text on the window, not like fields.
        QPalette palette = line->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Window));
        line->setPalette(palette);
    }
    m_device->setMinimumWidth(300);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Access mode"), m_accessMode);
    form->addRow(QStringLiteral("Device"), m_device);

    auto* buttons = new QDialogButtonBox(this);
    m_change = buttons->addButton(QStringLiteral("Change"), QDialogButtonBox::ActionRole);
    m_connect = buttons->addButton(QStringLiteral("Connect"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QDialogButtonBox::Cancel);
    m_connect->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgCommConfirm::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDlgCommConfirm::reject);
    connect(m_change, &QPushButton::clicked, this, &CDlgCommConfirm::Change);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    Refresh();
}

void CDlgCommConfirm::Refresh()
{
    const LinkDescription d = DescribeLink(m_ctx.link, m_ctx.profile, m_ctx.PortNames());
    m_accessMode->setText(QString::fromStdString(d.accessMode));
    m_device->setText(QString::fromStdString(d.device));
}

void CDlgCommConfirm::Change()
{
    ChangeLink(this, m_ctx);
    Refresh();
}

}  // namespace volmar::gui
