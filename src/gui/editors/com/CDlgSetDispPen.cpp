#include "gui/editors/com/CDlgSetDispPen.h"

#include <QPushButton>
#include <cstdio>

#include "gui/common/AppContext.h"
#include "gui/editors/com/CDlgSetDispPageName.h"
#include "gui/editors/com/CDlgSetDispPenConf.h"
#include "gui/editors/com/PenText.h"
#include "gui/editors/kit/ColourSwatch.h"
#include "core/settings/EditorEntries.h"
#include "core/settings/Keywords.h"
#include "core/settings/UsableChannels.h"

namespace volmar::gui {

namespace {
constexpr int kColourColumn = 5;
const QColor kBeyondUsable(229, 229, 229);
const QColor kOtherPage(224, 255, 255);
}  // namespace

CDlgSetDispPen::CDlgSetDispPen(SettingRecord& record, Interaction& ui, QWidget* parent)
    : ListDialog(QStringLiteral("Pen"),
                 {{"PEN", 50}, {"I/O type", 50}, {"CH", 50}, {"CH name", 200}, {"Thick line", 50}, {"Color", 60},
                  {"Lower limit", 100}, {"Upper limit", 100}, {"Engineering unit", 100}, {"Log", 50}},
                 parent),
      m_record(record),
      m_ui(ui),
      m_usable(UsableAt(record.RECORD.SPEED).pens)
{
    Populate(m_usable);
    for (int row = 0; row < m_usable; ++row) PaintRow(row);
    QPushButton* names = AddButton(QStringLiteral("Page name"));
    names->setObjectName(QStringLiteral("pageName"));
    connect(names, &QPushButton::clicked, this, [this] { CDlgSetDispPageName(m_record, m_ui, this).exec(); });
}

QStringList CDlgSetDispPen::RowTexts(int row) const
{
    QStringList texts{QString::number(row + 1)};
    const PenConf& conf = m_record.DISP.PEN_CONF[row];
    if (conf.TYPE <= kPenNone || conf.TYPE > kPenDo) return texts;
    const pen::ChannelView ch = pen::ChannelOf(m_record, conf.TYPE, conf.CH);
    texts << QString::fromUtf8(entries::PenType.At(conf.TYPE)) << QString::number(conf.CH) << ch.name
          << (conf.THICK ? QStringLiteral("Enable") : QString()) << QString();
    if (pen::IsAnalog(conf.TYPE)) {
        const bool log = m_record.DISP.PEN_LOG[row] == 1;
        const PenDraw& draw = m_record.DISP.PEN_DRAW[row];
        texts << pen::LimitText(draw.LOW, log, ch.exponent) << pen::LimitText(draw.HIGH, log, ch.exponent)
              << ch.unit << (log ? QStringLiteral("Enable") : QString());
    }
    return texts;
}

QColor CDlgSetDispPen::CellColour(int row, int column) const
{
    const PenConf& conf = m_record.DISP.PEN_CONF[row];
    if (column == kColourColumn && conf.TYPE > kPenNone && conf.TYPE <= kPenDo)
        return kit::ColourFromRecord(static_cast<uint32_t>(m_record.DISP.PEN_COLOR[row]));
    if (row >= m_usable) return kBeyondUsable;
    if (row & 4) return kOtherPage;
    return palette().color(QPalette::Base);
}

void CDlgSetDispPen::PaintRow(int row)
{
    for (int column = 0; column < Table()->columnCount(); ++column)
        if (QTableWidgetItem* item = Table()->item(row, column)) item->setBackground(CellColour(row, column));
}

void CDlgSetDispPen::OpenRow(int row)
{
    CDlgSetDispPenConf(m_record, row, m_ui, this).exec();
    PaintRow(row);
}

void CDlgSetDispPen::PasteRow(int from, int to)
{
    DispBlock& d = m_record.DISP;
    d.PEN_CONF[to] = d.PEN_CONF[from];
    d.PEN_COLOR[to] = d.PEN_COLOR[from];
    d.PEN_DRAW[to] = d.PEN_DRAW[from];
    d.PEN_LOG[to] = d.PEN_LOG[from];
    PaintRow(to);
}

}  // namespace volmar::gui
