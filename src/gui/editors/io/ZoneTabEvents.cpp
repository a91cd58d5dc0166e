#include "gui/editors/io/ZoneTabEvents.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <string>

#include "gui/editors/io/CDlgSetIoRep.h"
#include "gui/editors/kit/EditorDialog.h"
#include "gui/editors/kit/Enable.h"
#include "gui/editors/kit/Form.h"
#include "gui/editors/kit/RecordText.h"
#include "core/rules/ZoneRules.h"

namespace volmar::gui {

using namespace kit;

namespace {
constexpr int kEventNumbers = 32;

std::string Id(const char* stem, int zone) { return stem + std::to_string(zone); }
}  // namespace

ZoneTabEvents::ZoneTabEvents(ZoneDirection direction, const ZoneContext& context, QWidget* parent)
    : QWidget(parent), m_direction(direction), m_context(context)
{
    auto* column = new QVBoxLayout(this);
    for (int zone = LastZone(); zone >= FirstZone(); --zone) column->addWidget(MakeGroup(zone));
    column->addStretch(1);
}

int ZoneTabEvents::FirstZone() const { return m_direction == ZoneDirection::Upward ? 2 : 1; }
int ZoneTabEvents::LastZone() const { return m_direction == ZoneDirection::Upward ? 5 : 4; }

bool ZoneTabEvents::Covered(int zone, int count) const
{
    if (count < 2) return false;
    return m_direction == ZoneDirection::Upward ? zone <= count : zone <= std::min(count, 4);
}

bool ZoneTabEvents::Enabled(int zone, int count) const
{
    return m_direction == ZoneDirection::Upward ? count >= zone : count > zone;
}

ZoneEvent& ZoneTabEvents::Block(int zone) const
{
    Zone& z = m_context.work.zones[zone - 1];
    return m_direction == ZoneDirection::Upward ? z.UPPER : z.LOWER;
}

QWidget* ZoneTabEvents::MakeGroup(int zone)
{
    const ZoneEvent& e = Block(zone);
    Group& g = m_groups[static_cast<size_t>(zone - 1)];
    auto* box = new QGroupBox(QStringLiteral("Zone %1").arg(zone));
    auto* grid = new QGridLayout(box);

    g.log = Named(new QCheckBox(QStringLiteral("Event log")), Id("log", zone).c_str());
    g.log->setChecked(e.EVENT_LOG == kUse);
    g.confirm = Named(new QCheckBox(QStringLiteral("Acknowledge")), Id("confirm", zone).c_str());
    g.confirm->setChecked(e.CONFIRM == kUse);
    g.newEvent = Named(new QCheckBox(QStringLiteral("Register new event")), Id("newEvent", zone).c_str());
    g.newEvent->setChecked(e.EVENT_NEW == kUse);
    auto* checks = new QHBoxLayout;
    for (QCheckBox* check : {g.log, g.confirm, g.newEvent}) checks->addWidget(check);
    checks->addStretch(1);
    grid->addLayout(checks, 0, 0, 1, 5);

    g.number = Named(new QComboBox, Id("number", zone).c_str());
    for (int n = 1; n <= kEventNumbers; ++n) g.number->addItem(QString::number(n));
    g.number->setCurrentIndex(e.EVENT_NO - 1);
    AddField(grid, 1, 0, "Event No.", g.number);
    g.message = MakeEdit(Id("message", zone).c_str(), 28);
    g.message->setText(FromRecord(e.MESSAGE));
    AddField(grid, 1, 1, "Message", g.message);
    g.mail = Named(MakeButton(QStringLiteral("E-mail"), box), Id("mail", zone).c_str());
    grid->addWidget(g.mail, 1, 4);
    grid->setColumnStretch(3, 1);

    connect(g.log, &QCheckBox::clicked, this, [this, box = g.log] {
        ApplyEnableRule();
        box->setFocus();
    });
    connect(g.mail, &QPushButton::clicked, this, [this, zone] {
        ZoneEvent& block = Block(zone);
        CDlgSetIoRep dialog(m_context.record, QStringLiteral("Select event"), block.MAIL, m_context.ui, this);
        if (dialog.exec() == QDialog::Accepted) block.MAIL = dialog.Mask();
    });
    return box;
}

void ZoneTabEvents::SetCount(int count)
{
    m_count = count;
    ApplyEnableRule();
}

void ZoneTabEvents::ApplyEnableRule()
{
    for (int zone = FirstZone(); zone <= LastZone(); ++zone) {
        const Group& g = m_groups[static_cast<size_t>(zone - 1)];
        const bool on = Enabled(zone, m_count);
        SetEnabled({g.log, g.newEvent, g.number, g.message}, on);
        SetEnabled({g.confirm, g.mail}, on && g.log->isChecked());
    }
}

const char* ZoneTabEvents::FieldError(int count) const
{
    const bool upward = m_direction == ZoneDirection::Upward;
    return rules::ZoneEventsError(upward, count,
                                  [this](rules::ZoneField, int zone) -> std::optional<std::string> {
                                      const QLineEdit* message = m_groups[static_cast<size_t>(zone - 1)].message;
                                      return Unchecked(message) ? std::nullopt : std::optional(Utf8(message));
                                  })
        .message;
}

void ZoneTabEvents::Store(int count)
{
    for (int zone = FirstZone(); zone <= LastZone(); ++zone) {
        if (!Covered(zone, count)) continue;
        const Group& g = m_groups[static_cast<size_t>(zone - 1)];
        ZoneEvent& e = Block(zone);
        e.EVENT_LOG = g.log->isChecked() ? kUse : kNoUse;
        e.EVENT_NO = static_cast<int16_t>(g.number->currentIndex() + 1);
        e.CONFIRM = g.confirm->isChecked() ? kUse : kNoUse;
        e.EVENT_NEW = g.newEvent->isChecked() ? kUse : kNoUse;
        ToRecord(e.MESSAGE, g.message->text());
    }
}

}  // namespace volmar::gui
