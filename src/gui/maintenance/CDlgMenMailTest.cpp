#include "gui/maintenance/CDlgMenMailTest.h"

#include <algorithm>

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>

#include "gui/common/RecordText.h"
#include "gui/editors/kit/ReportTable.h"
#include "core/maintenance/MaintenanceFunctions.h"
#include "core/maintenance/MaintenanceTexts.h"
#include "core/maintenance/TestMail.h"

namespace volmar::gui {

CDlgMenMailTest::CDlgMenMailTest(AppContext& app, std::unique_ptr<SettingRecord> unitSetting, QWidget* parent)
    : CDlgMenBase(app, "Test mail", parent),
      m_setting(std::move(unitSetting)),
      m_event(new QComboBox(this)),
      m_list(new kit::ReportTable({{"Event No.", 80}, {"Subject", 300}}, this))
{
    m_list->SetRows(kEventReportCount);
    for (int i = 0; i < kEventReportCount; ++i) {
        m_event->addItem(QString::number(i + 1));
        const MailReport& report = m_setting->MAIL_REPORT.EVENT[i];
        m_list->SetRowTexts(i, {QString::number(i + 1), report.MODE == kUse ? RecordText(report.TITLE) : QString()});
    }
    m_list->setFixedHeight(300);
    auto* sendEvent = new QPushButton(QStringLiteral("Send test mail"), this);
    auto* sendRegular = new QPushButton(QStringLiteral("Send test mail"), this);
    auto* events = new QGroupBox(QStringLiteral("Event report"), this);
    auto* grid = new QGridLayout(events);
    grid->addWidget(m_event, 0, 0);
    grid->addWidget(sendEvent, 0, 1);
    grid->addWidget(m_list, 1, 0, 1, 2);
    auto* regular = new QGroupBox(QStringLiteral("Regular report"), this);
    auto* row = new QGridLayout(regular);
    row->addWidget(sendRegular, 0, 1, Qt::AlignRight);
    Body()->addWidget(events);
    Body()->addWidget(regular);

    auto pick = [this](int r) {
        if (r >= 0 && r < kEventReportCount) m_event->setCurrentIndex(r);
    };
    connect(m_list, &QTableWidget::cellClicked, this, pick);
    connect(m_list, &QTableWidget::cellDoubleClicked, this, pick);
    connect(m_list, &kit::ReportTable::RowActivated, this, pick);
    connect(sendEvent, &QPushButton::clicked, this,
            [this] { Send(static_cast<uint8_t>(std::max(0, m_event->currentIndex()))); });
    connect(sendRegular, &QPushButton::clicked, this, [this] { Send(kRegularReportByte); });
}

void CDlgMenMailTest::Send(uint8_t report)
{
    if (const char* refusal = TestMailRefusal(*m_setting, report)) {
        App().ui.Show({MessageIcon::Information, refusal});
        return;
    }
    if (!AskBeforeLink(App(), this, kAskProceed)) return;
    Run([report](LinkContext& ctx) { return SendTestMail(ctx, report); });
}

}  // namespace volmar::gui
