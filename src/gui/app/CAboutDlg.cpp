#include "gui/app/CAboutDlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "gui/app/AppIcon.h"

namespace volmar::gui {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("About VOLMAR"));
    auto* icon = new QLabel(this);
    icon->setPixmap(AppIcon().pixmap(48, 48));
    auto* name = new QLabel(QStringLiteral("VOLMAR"), this);
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    m_version = new QLabel(QStringLiteral("Version ") + QStringLiteral(VOLMAR_VERSION), this);
    auto* text = new QVBoxLayout;
    text->addWidget(name);
    text->addWidget(m_version);
    text->addWidget(new QLabel(QStringLiteral("Configuration tool for the QN70G data-logging unit"), this));
    auto* row = new QHBoxLayout;
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addSpacing(12);
    row->addLayout(text);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CAboutDlg::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace volmar::gui
