#include "gui/link/CDlgNetEdit.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "gui/common/AppContext.h"

namespace volmar::gui {

CDlgNetEdit::CDlgNetEdit(Interaction& ui, const QString& name, const QString& address, QStringList names, int row,
                         QWidget* parent)
    : QDialog(parent), m_ui(ui), m_names(std::move(names)), m_row(row)
{
    setWindowTitle(QString());
    m_name = new QLineEdit(name, this);
    m_address = new QLineEdit(address, this);
    m_name->setMinimumWidth(260);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Name"), m_name);
    form->addRow(QStringLiteral("Domain name or IP address"), m_address);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgNetEdit::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDlgNetEdit::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

QString CDlgNetEdit::name() const
{
    return m_name->text();
}

QString CDlgNetEdit::address() const
{
    return m_address->text();
}

void CDlgNetEdit::accept()
{
    const QString n = name();
    if (!n.isEmpty()) {
        for (int i = 0; i < m_names.size(); ++i) {
            if (i != m_row && m_names[i] == n) {
                m_ui.Show({MessageIcon::Error, "Duplicate device names."});
                return;
            }
        }
    }
    QDialog::accept();
}

}  // namespace volmar::gui
