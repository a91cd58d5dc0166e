#include "gui/editors/io/ZoneArea.h"

#include <QGridLayout>
#include <QTabWidget>

#include "gui/editors/io/ZoneTabBase.h"
#include "gui/editors/io/ZoneTabEvents.h"
#include "gui/editors/kit/FieldChecks.h"
#include "gui/editors/kit/Form.h"
#include "gui/editors/kit/GuardedCombo.h"
#include "core/settings/EditorEntries.h"

namespace volmar::gui {

namespace {
// "Partitions" entries: "Disable", "2" to "5".
int CountOfEntry(int entry) { return entry <= 0 ? 0 : entry + 1; }
int EntryOfCount(int count) { return count >= 2 && count <= kZoneCount ? count - 1 : 0; }
enum Page { kBasicPage = 0, kUpwardPage, kDownwardPage };
}  // namespace

ZoneArea::ZoneArea(const ZoneFamily& family, int channel, const ZoneSet& zones, bool exponent,
                   const SettingRecord& record, Interaction& ui, QWidget* parent, bool sumResetAllowed)
    : EditorDialog(ui,
                   QStringLiteral("Alarm zone setting (%1%2)")
                       .arg(QString::fromLatin1(family.prefix))
                       .arg(channel + 1, 2, 10, QLatin1Char('0')),
                   parent),
      m_work(zones),
      m_context{family, m_work, exponent, record, ui, sumResetAllowed},
      m_partitions(kit::Named(new kit::GuardedCombo(entries::Partitions), "partitions")),
      m_tabs(kit::Named(new QTabWidget, "tabs"))
{
    m_partitions->Select(EntryOfCount(zones.count));
    auto* top = new QGridLayout;
    kit::AddField(top, 0, 0, "Partitions", m_partitions);
    top->setColumnStretch(2, 1);
    Body()->addLayout(top);
    Body()->addWidget(m_tabs);
    m_partitions->SetGuard([this](int from, int to) { return CountChangeAllowed(from, to); });
    connect(m_partitions, &kit::GuardedCombo::Accepted, this, [this] {
        m_basic->SetCount(Count());
        m_upward->SetCount(Count());
        m_downward->SetCount(Count());
    });
}

void ZoneArea::Install(ZoneTabBase* basic, ZoneTabEvents* upward, ZoneTabEvents* downward)
{
    m_basic = basic;
    m_upward = upward;
    m_downward = downward;
    m_tabs->addTab(basic, QStringLiteral("Basic"));
    m_tabs->addTab(upward, QStringLiteral("Upward"));
    m_tabs->addTab(downward, QStringLiteral("Downward"));
    for (auto* page : {static_cast<QWidget*>(basic), static_cast<QWidget*>(upward), static_cast<QWidget*>(downward)}) {
        page->setObjectName(QStringLiteral("page%1").arg(m_tabs->indexOf(page)));
    }
    m_basic->SetCount(Count());
    m_upward->SetCount(Count());
    m_downward->SetCount(Count());
    m_tabs->setCurrentIndex(kBasicPage);
}

int ZoneArea::Count() const { return CountOfEntry(m_partitions->currentIndex()); }

bool ZoneArea::CountChangeAllowed(int from, int to)
{
    if (to > from) return true;
    // A smaller count: the zones in use now must be valid, and the limits of
    // the zones that remain must be in order.
    const int count = CountOfEntry(from);
    const char* error = m_basic->FieldError(count);
    if (!error) error = m_upward->FieldError(count);
    if (!error) error = m_downward->FieldError(count);
    if (!error && to != 0) error = m_basic->OrderError(CountOfEntry(to));
    return error ? kit::Refuse(Ui(), error) : true;
}

bool ZoneArea::Fail(int page, const char* message)
{
    m_tabs->setCurrentIndex(page);
    return Refuse(message);
}

bool ZoneArea::Confirm()
{
    const int count = Count();
    if (const char* error = m_basic->FieldError(count)) return Fail(kBasicPage, error);
    m_basic->Reformat(count);
    if (const char* error = m_basic->FieldError(count)) return Fail(kBasicPage, error);
    if (const char* error = m_basic->OrderError(count)) return Fail(kBasicPage, error);
    if (const char* error = m_upward->FieldError(count)) return Fail(kUpwardPage, error);
    if (const char* error = m_downward->FieldError(count)) return Fail(kDownwardPage, error);
    m_basic->Store(count);
    m_upward->Store(count);
    m_downward->Store(count);
    m_work.count = static_cast<int16_t>(count);
    return true;
}

}  // namespace volmar::gui
