#include "gui/editors/com/CDlgSetRepTimeSendConf.h"

#include <QGridLayout>
#include <QLineEdit>

#include "gui/editors/kit/Enable.h"
#include "gui/editors/kit/FieldChecks.h"
#include "gui/editors/kit/Form.h"
#include "gui/editors/kit/CheckScope.h"
#include "gui/editors/kit/GuardedCombo.h"
#include "core/rules/MailRules.h"
#include "core/settings/EditorEntries.h"

namespace volmar::gui {

namespace {

constexpr int kMaxOffset = static_cast<int>(rules::kOffsetMax);

// An offset as its check sees it: a disabled field passes while a guard runs.
std::optional<int64_t> Offset(const QLineEdit* edit)
{
    int64_t value = 0;
    if (kit::Unchecked(edit)) return 0;
    if (!kit::IntegerIn(edit, INT64_MIN, INT64_MAX, &value)) return std::nullopt;
    return value;
}

}  // namespace

CDlgSetRepTimeSendConf::CDlgSetRepTimeSendConf(int hour, const ReportTime& time, Interaction& ui, QWidget* parent)
    : EditorDialog(ui, QStringLiteral("Set time to send: %1 (hour)").arg(hour), parent),
      m_time(time),
      m_report(kit::Named(new kit::GuardedCombo(entries::Switch), "report")),
      m_minute(kit::MakeEdit("minute", 6)),
      m_second(kit::MakeEdit("second", 6))
{
    m_report->Select(time.MODE == kUse ? 1 : 0);
    m_minute->setText(QString::number(time.OFFSET_MIN));
    m_second->setText(QString::number(time.OFFSET_SEC));
    auto* grid = new QGridLayout;
    kit::AddField(grid, 0, 0, "Report", m_report);
    kit::AddField(grid, 1, 0, "Offset (min.)", m_minute);
    kit::AddField(grid, 2, 0, "Offset (sec.)", m_second);
    Body()->addLayout(grid);
    // A change of mode stands only while the offsets pass.
    m_report->SetGuard([this](int, int) { return CheckOffsets(); });
    connect(m_report, &kit::GuardedCombo::Accepted, this, &CDlgSetRepTimeSendConf::ApplyMode);
    ApplyMode();
}

void CDlgSetRepTimeSendConf::ApplyMode() { kit::SetEnabled({m_minute, m_second}, m_report->currentIndex() == 1); }

bool CDlgSetRepTimeSendConf::CheckOffsets()
{
    const char* problem = rules::FirstMessage(rules::CheckReportOffsets(Offset(m_minute), Offset(m_second)));
    return problem ? Refuse(problem) : true;
}

bool CDlgSetRepTimeSendConf::Confirm()
{
    const bool enabled = m_report->currentIndex() == 1;
    if (enabled && !CheckOffsets()) return false;
    m_time.MODE = enabled ? kUse : kNoUse;
    // A disabled hour keeps its stored offsets where the typed ones are not
    // valid.
    int64_t value = 0;
    if (kit::IntegerIn(m_minute, 0, kMaxOffset, &value)) m_time.OFFSET_MIN = static_cast<uint8_t>(value);
    if (kit::IntegerIn(m_second, 0, kMaxOffset, &value)) m_time.OFFSET_SEC = static_cast<uint8_t>(value);
    return true;
}

}  // namespace volmar::gui
