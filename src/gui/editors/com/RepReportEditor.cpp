#include "gui/editors/com/RepReportEditor.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "gui/editors/com/CDlgSetRepCh.h"
#include "gui/editors/com/CDlgSetRepDst.h"
#include "gui/editors/kit/Form.h"
#include "gui/editors/kit/GuardedCombo.h"
#include "gui/editors/kit/RecordText.h"
#include "core/rules/MailRules.h"
#include "core/settings/EditorEntries.h"

namespace volmar::gui {

RepReportEditor::RepReportEditor(const SettingRecord& record, const MailReport& report, Interaction& ui,
                                 const QString& title, QWidget* parent)
    : EditorDialog(ui, title, parent),
      m_record(record),
      m_report(report),
      m_shownSubject(kit::FromRecord(report.TITLE)),
      m_shownBody(rep::BodyFromRecord(report.MESSAGE)),
      m_mode(kit::Named(new kit::GuardedCombo(entries::Switch), "mode")),
      m_subject(kit::MakeEdit("subject", 40)),
      m_body(kit::Named(new QPlainTextEdit, "body"))
{
    m_mode->Select(report.MODE == kUse ? 1 : 0);
    m_subject->setText(m_shownSubject);
    m_body->setPlainText(m_shownBody);
    m_body->setTabChangesFocus(true);
    m_body->setMinimumHeight(m_body->fontMetrics().lineSpacing() * 7);

    auto* grid = new QGridLayout;
    kit::AddField(grid, 0, 0, "Mode", m_mode);
    QPushButton* recipients = kit::Named(AddButton(QStringLiteral("Address list")), "addresses");
    grid->addWidget(recipients, 0, 2);
    auto* subjectLabel = new QLabel(QStringLiteral("Subject"));
    subjectLabel->setBuddy(m_subject);
    grid->addWidget(subjectLabel, 1, 0);
    grid->addWidget(m_subject, 1, 1, 1, 2);
    auto* bodyLabel = new QLabel(QStringLiteral("Body text"));
    bodyLabel->setBuddy(m_body);
    grid->addWidget(bodyLabel, 2, 0, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(m_body, 2, 1, 1, 2);
    grid->setColumnStretch(1, 1);
    Body()->addLayout(grid);

    auto* attach = new QGroupBox(QStringLiteral("Attached data"));
    auto* attachRow = new QHBoxLayout(attach);
    const struct {
        const char* name;
        const char* text;
        rep::Channels channels;
    } buttons[] = {{"ai", "AI", rep::Channels::Ai}, {"di", "DI", rep::Channels::Di}, {"pi", "PI", rep::Channels::Pi},
                   {"oi", "OI", rep::Channels::Oi}, {"do", "DO", rep::Channels::Do}};
    for (const auto& b : buttons) {
        QPushButton* button = kit::Named(AddButton(QString::fromUtf8(b.text)), b.name);
        attachRow->addWidget(button);
        connect(button, &QPushButton::clicked, this, [this, c = b.channels] { OpenChannels(c); });
        m_reportControls.push_back(button);
    }
    Body()->addWidget(attach);

    m_lastRow = new QHBoxLayout;
    QPushButton* operation = AddReportButton("doOperation", "DO operation");
    connect(operation, &QPushButton::clicked, this, [this] { OpenChannels(rep::Channels::DoOperation); });
    m_lastRow->addStretch(1);
    Body()->addLayout(m_lastRow);

    m_reportControls.insert(m_reportControls.end(), {recipients, m_subject, m_body});
    connect(recipients, &QPushButton::clicked, this, &RepReportEditor::OpenRecipients);
    // Leaving "Enable" checks the texts against an enabled report's limits;
    // entering it never refuses, so that texts kept while the report was off
    // can be put right (OK checks them then).
    m_mode->SetGuard([this](int, int) { return !ReportEnabled() || CheckTexts(true); });
    connect(m_mode, &kit::GuardedCombo::Accepted, this, &RepReportEditor::ApplyMode);
    ApplyMode();
}

QPushButton* RepReportEditor::AddReportButton(const char* name, const char* text)
{
    QPushButton* button = kit::Named(AddButton(QString::fromUtf8(text)), name);
    m_lastRow->insertWidget(m_lastRow->count() > 0 ? m_lastRow->count() - 1 : 0, button);
    m_reportControls.push_back(button);
    ApplyMode();
    return button;
}

bool RepReportEditor::ReportEnabled() const { return m_mode->currentIndex() == 1; }

void RepReportEditor::ApplyMode()
{
    const bool on = ReportEnabled();
    for (QWidget* w : m_reportControls) w->setEnabled(on);
}

bool RepReportEditor::CheckTexts(bool enabled)
{
    const std::string subject = m_subject->text().toStdString();
    // The body is counted as it is stored, each line end as CR LF.
    const std::string body = rep::BodyForRecord(m_body->toPlainText()).toStdString();
    const char* problem = rules::FirstMessage(rules::CheckReportTexts(enabled, subject, body));
    return problem ? Refuse(problem) : true;
}

void RepReportEditor::StoreReport(MailReport& target) const
{
    target = m_report;
    target.MODE = ReportEnabled() ? kUse : kNoUse;
    // Untouched texts keep their stored bytes.
    if (m_subject->text() != m_shownSubject) kit::ToRecord(target.TITLE, m_subject->text());
    if (m_body->toPlainText() != m_shownBody) kit::ToRecord(target.MESSAGE, rep::BodyForRecord(m_body->toPlainText()));
}

void RepReportEditor::OpenRecipients()
{
    CDlgSetRepDst::Kinds kinds;
    std::copy(std::begin(m_report.DST), std::end(m_report.DST), kinds.begin());
    CDlgSetRepDst dialog(m_record, kinds, Ui(), this);
    if (dialog.exec() != QDialog::Accepted) return;
    std::copy(dialog.Result().begin(), dialog.Result().end(), std::begin(m_report.DST));
}

void RepReportEditor::OpenChannels(rep::Channels channels)
{
    CDlgSetRepCh dialog(m_record, channels, m_report, Ui(), this);
    if (dialog.exec() == QDialog::Accepted) m_report = dialog.Result();
}

}  // namespace volmar::gui
