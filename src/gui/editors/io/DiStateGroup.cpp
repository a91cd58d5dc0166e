#include "gui/editors/io/DiStateGroup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <string>

#include "gui/editors/io/CDlgSetIoOutput.h"
#include "gui/editors/io/CDlgSetIoRep.h"
#include "gui/editors/kit/ColourSwatch.h"
#include "gui/editors/kit/EditorDialog.h"
#include "gui/editors/kit/Enable.h"
#include "gui/editors/kit/FieldChecks.h"
#include "gui/editors/kit/Form.h"
#include "gui/editors/kit/GuardedCombo.h"
#include "gui/editors/kit/RecordText.h"
#include "gui/editors/kit/RuleFields.h"
#include "core/settings/EditorEntries.h"

namespace volmar::gui {

using namespace kit;

namespace {
constexpr int kEventNumbers = 32;
}  // namespace

DiStateGroup::DiStateGroup(State state, const DiState& shown, const SettingRecord& record, Interaction& ui,
                           QWidget* parent)
    : QGroupBox(state == kOn ? QStringLiteral("Status (ON)") : QStringLiteral("Status (OFF)"), parent),
      m_state(state),
      m_record(record),
      m_ui(ui),
      m_work(shown)
{
    const std::string p = state == kOn ? "on" : "off";
    auto name = [&p](const char* stem) { return p + stem; };
    auto* grid = new QGridLayout(this);
    int row = 0;

    m_text = MakeEdit(name("Text").c_str(), 10);
    m_text->setText(FromRecord(shown.DISP_STRING));
    AddField(grid, row++, 0, "Display comment", m_text);
    m_colour = Named(new ColourSwatch, name("Colour").c_str());
    m_colour->SetRecordColour(shown.DISP_COLOR);
    AddField(grid, row++, 0, "Color", m_colour);

    m_log = Named(new QCheckBox(QStringLiteral("Event log")), name("Log").c_str());
    m_log->setChecked(shown.EVENT_LOG == kUse);
    m_new = Named(new QCheckBox(QStringLiteral("Register new event")), name("New").c_str());
    m_new->setChecked(shown.EVENT_NEW == kUse);
    m_confirm = Named(new QCheckBox(QStringLiteral("Acknowledge")), name("Confirm").c_str());
    m_confirm->setChecked(shown.CONFIRM == kUse);
    for (QCheckBox* box : {m_log, m_new, m_confirm}) grid->addWidget(box, row++, 1);

    m_delay = MakeEdit(name("Delay").c_str(), 6);
    m_delay->setText(QString::number(shown.DELAY));
    AddField(grid, row++, 0, state == kOn ? "ON delay time (sample)" : "OFF delay time (sample)", m_delay);
    m_number = Named(new QComboBox, name("Number").c_str());
    for (int n = 1; n <= kEventNumbers; ++n) m_number->addItem(QString::number(n));
    m_number->setCurrentIndex(std::clamp(shown.EVENT_NO - 1, 0, kEventNumbers - 1));
    AddField(grid, row++, 0, "Event No.", m_number);
    m_message = MakeEdit(name("Message").c_str(), 24);
    m_message->setText(FromRecord(shown.MESSAGE));
    AddField(grid, row++, 0, "Message", m_message);

    m_output = Named(MakeButton(QStringLiteral("Alarm output"), this), name("Output").c_str());
    m_mail = Named(MakeButton(QStringLiteral("E-mail"), this), name("Mail").c_str());
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_output);
    buttons->addWidget(m_mail);
    buttons->addStretch(1);
    grid->addLayout(buttons, row++, 1);

    m_recordAction = Named(new QComboBox, name("Record").c_str());
    Fill(m_recordAction, entries::RecordAction);
    m_recordAction->setCurrentIndex(std::clamp(shown.RECORD, 0, 2));
    AddField(grid, row++, 0, "Trigger recording", m_recordAction);
    m_trans = Named(new QComboBox, name("Trans").c_str());
    Fill(m_trans, entries::Switch);
    m_trans->setCurrentIndex(shown.TRANS == kUse ? 1 : 0);
    AddField(grid, row++, 0, "New memory block", m_trans);
    grid->setRowStretch(row, 1);

    connect(m_colour, &ColourSwatch::Changed, this, [this](uint32_t value) { m_work.DISP_COLOR = value; });
    connect(m_log, &QCheckBox::clicked, this, [this] {
        ApplyEnableRule(m_inUse);
        m_log->setFocus();
        emit LogClicked();
    });
    connect(m_output, &QPushButton::clicked, this, [this] {
        // Every change made in "Alarm output" stands.
        CDlgSetIoOutput dialog(m_record, m_work.DO_ON1, m_work.DO_ON2, m_ui, this);
        dialog.exec();
        m_work.DO_ON1 = dialog.Words()[0];
        m_work.DO_ON2 = dialog.Words()[1];
    });
    connect(m_mail, &QPushButton::clicked, this, [this] {
        const QString title = m_state == kOn ? QStringLiteral("Select event: status ON")
                                             : QStringLiteral("Select event: status OFF");
        CDlgSetIoRep dialog(m_record, title, m_work.MAIL, m_ui, this);
        if (dialog.exec() == QDialog::Accepted) m_work.MAIL = dialog.Mask();
    });
}

void DiStateGroup::ApplyEnableRule(bool inUse)
{
    m_inUse = inUse;
    SetEnabled({m_text, m_colour, m_log, m_new, m_delay, m_number, m_message, m_output, m_mail, m_recordAction,
                m_trans},
               inUse);
    m_confirm->setEnabled(inUse && m_log->isChecked());
}

bool DiStateGroup::CommentPasses(const rules::TextRule& rule) const { return Passes(m_text, rule); }
// The delay is kept in a signed 16-bit field: a negative count is refused,
// not stored.
bool DiStateGroup::DelayPasses(const rules::IntegerRule& rule) const { return Passes(m_delay, rule); }
bool DiStateGroup::MessagePasses(const rules::TextRule& rule) const { return Passes(m_message, rule); }

DiState DiStateGroup::Result() const
{
    DiState s = m_work;
    ToRecord(s.DISP_STRING, m_text->text());
    s.EVENT_LOG = m_log->isChecked() ? kUse : kNoUse;
    s.EVENT_NEW = m_new->isChecked() ? kUse : kNoUse;
    s.EVENT_NO = static_cast<int16_t>(m_number->currentIndex() + 1);
    s.CONFIRM = m_confirm->isChecked() ? kUse : kNoUse;
    ToRecord(s.MESSAGE, m_message->text());
    s.RECORD = m_recordAction->currentIndex();
    s.TRANS = m_trans->currentIndex() == 1 ? kUse : kNoUse;
    s.DELAY = static_cast<int16_t>(SignedValue(m_delay));
    return s;
}

}  // namespace volmar::gui
