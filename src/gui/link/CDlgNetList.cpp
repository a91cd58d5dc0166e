#include "gui/link/CDlgNetList.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

#include "gui/common/AppContext.h"
#include "gui/link/CDlgNetEdit.h"
#include "core/link/connect/AddressBook.h"

namespace volmar::gui {

CDlgNetList::CDlgNetList(AppContext& ctx, QWidget* parent) : QDialog(parent), m_ctx(ctx)
{
    setWindowTitle(QStringLiteral("Set network address"));
    m_table = new QTableWidget(kAddressBookSlots, 2, this);
    m_table->setHorizontalHeaderLabels({QStringLiteral("Device name"), QStringLiteral("Domain name or IP address")});
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setColumnWidth(0, 150);
    m_table->setColumnWidth(1, 200);
    m_table->setShowGrid(true);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setMinimumSize(380, 300);

    const AddressBook book = ReadAddressBook(m_ctx.profile);
    for (int row = 0; row < kAddressBookSlots; ++row) {
        SetRow(row, QString::fromStdString(book[row].name), QString::fromStdString(book[row].address));
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgNetList::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDlgNetList::reject);
    connect(m_table, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { EditRow(row); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    layout->addWidget(buttons);
}

QString CDlgNetList::Cell(int row, int column) const
{
    const QTableWidgetItem* item = m_table->item(row, column);
    return item ? item->text() : QString();
}

void CDlgNetList::SetRow(int row, const QString& name, const QString& address)
{
    m_table->setItem(row, 0, new QTableWidgetItem(name));
    m_table->setItem(row, 1, new QTableWidgetItem(address));
}

void CDlgNetList::EditRow(int row)
{
    if (row < 0 || row >= kAddressBookSlots) return;
    QStringList names;
    for (int r = 0; r < kAddressBookSlots; ++r) names << Cell(r, 0);
    CDlgNetEdit edit(m_ctx.ui, Cell(row, 0), Cell(row, 1), names, row, this);
    if (edit.exec() != QDialog::Accepted) return;
    if (edit.name().isEmpty()) {
        SetRow(row, QString(), QString());
    } else {
        SetRow(row, edit.name(), edit.address());
    }
}

void CDlgNetList::accept()
{
    AddressBook book;
    for (int row = 0; row < kAddressBookSlots; ++row) {
        book[row].name = Cell(row, 0).toStdString();
        book[row].address = Cell(row, 1).toStdString();
    }
    WriteAddressBook(m_ctx.profile, book);
    QDialog::accept();
}

}  // namespace volmar::gui
