#include "gui/editors/io/CDlgSetIoRep.h"

#include <QHeaderView>
#include <QVBoxLayout>

#include "gui/editors/io/Masks.h"
#include "gui/editors/kit/RecordText.h"
#include "gui/editors/kit/ReportTable.h"
#include "core/rules/IoRules.h"

namespace volmar::gui {

CDlgSetIoRep::CDlgSetIoRep(const SettingRecord& record, const QString& title, uint32_t mask, Interaction& ui,
                           QWidget* parent)
    : EditorDialog(ui, title, parent),
      m_record(record),
      m_mask(mask),
      m_table(new kit::ReportTable({{"Event No.", 80}, {"Subject", 300}}, this))
{
    m_table->SetRows(kEventReportCount);
    for (int row = 0; row < kEventReportCount; ++row) {
        QStringList texts{QStringLiteral("%1").arg(row + 1, 2, 10, QLatin1Char('0'))};
        if (EventEnabled(row)) texts << kit::FromRecord(record.MAIL_REPORT.EVENT[row].TITLE);
        m_table->SetRowTexts(row, texts);
        QTableWidgetItem* item = m_table->item(row, 0);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(MaskBit(&mask, row) ? Qt::Checked : Qt::Unchecked);
    }
    m_table->setMinimumHeight(m_table->verticalHeader()->defaultSectionSize() * 16);
    Body()->addWidget(m_table);
    connect(m_table, &QTableWidget::itemChanged, this, &CDlgSetIoRep::OnItemChanged);
    connect(m_table, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        if (!EventEnabled(row)) return;
        QTableWidgetItem* item = m_table->item(row, 0);
        item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    });
}

bool CDlgSetIoRep::EventEnabled(int row) const { return m_record.MAIL_REPORT.EVENT[row].MODE == kUse; }

void CDlgSetIoRep::OnItemChanged(QTableWidgetItem* item)
{
    // A check mark on an event that is not enabled is taken off at once.
    if (item->column() == 0 && item->checkState() == Qt::Checked && !EventEnabled(item->row())) {
        item->setCheckState(Qt::Unchecked);
    }
}

bool CDlgSetIoRep::Confirm()
{
    uint32_t mask = 0;
    int checked = 0;
    for (int row = 0; row < kEventReportCount; ++row) {
        if (m_table->item(row, 0)->checkState() != Qt::Checked) continue;
        SetMaskBit(&mask, row, true);
        ++checked;
    }
    if (const char* error = rules::MailEventsError(checked)) return Refuse(error);
    m_mask = mask;
    return true;
}

}  // namespace volmar::gui
