#include "gui/link/CDlgNetList.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

#include "gui/app/AppContext.h"
#include "gui/common/ScreenshotRegistry.h"
#include "gui/link/CDlgNetEdit.h"
#include "core/link/connect/AddressBook.h"

namespace volmar::gui {

CDlgNetList::CDlgNetList(AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx)
{
    setWindowTitle(QStringLiteral("Set network address"));
    table_ = new QTableWidget(kAddressBookSlots, 2, this);
    table_->setHorizontalHeaderLabels({QStringLiteral("Device name"), QStringLiteral("Domain name or IP address")});
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    table_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setColumnWidth(0, 150);
    table_->setColumnWidth(1, 200);
    table_->setShowGrid(true);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setMinimumSize(380, 300);

    const AddressBook book = ReadAddressBook(ctx_.profile);
    for (int row = 0; row < kAddressBookSlots; ++row) {
        SetRow(row, QString::fromStdString(book[row].name), QString::fromStdString(book[row].address));
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgNetList::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDlgNetList::reject);
    connect(table_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { EditRow(row); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    layout->addWidget(buttons);
}

QString CDlgNetList::Cell(int row, int column) const
{
    const QTableWidgetItem* item = table_->item(row, column);
    return item ? item->text() : QString();
}

void CDlgNetList::SetRow(int row, const QString& name, const QString& address)
{
    table_->setItem(row, 0, new QTableWidgetItem(name));
    table_->setItem(row, 1, new QTableWidgetItem(address));
}

void CDlgNetList::EditRow(int row)
{
    if (row < 0 || row >= kAddressBookSlots) return;
    QStringList names;
    for (int r = 0; r < kAddressBookSlots; ++r) names << Cell(r, 0);
    CDlgNetEdit edit(ctx_.ui, Cell(row, 0), Cell(row, 1), names, row, this);
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
    WriteAddressBook(ctx_.profile, book);
    QDialog::accept();
}

VOLMAR_SCREENSHOT("address-book", [](ScreenshotEnv& env) { return std::make_unique<CDlgNetList>(env.app); });

}  // namespace volmar::gui
