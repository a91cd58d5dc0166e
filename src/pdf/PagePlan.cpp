#include "pdf/PagePlan.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>

#include <algorithm>
#include <limits>
#include <utility>

namespace volmar::pdf {
namespace {

using Span = std::pair<qreal, qreal>;

// A stretch that goes on one page whole: a line of text or a table row.
struct Unit {
    qreal top = 0;
    qreal bottom = 0;  // including the line that closes a row
    bool keepWithNext = false;
    int table = -1;           // the table whose body this row is in
    std::vector<Span> lines;  // the text lines of a row, where a too tall row may be cut
};

struct TableHead {
    qreal top = 0;
    qreal bottom = 0;
};

class Collector {
public:
    Collector(const QTextDocument& doc, qreal scale) : m_layout(doc.documentLayout()), m_scale(scale) {}

    void Frame(QTextFrame* frame)
    {
        for (auto it = frame->begin(); !it.atEnd(); ++it) {
            if (QTextFrame* child = it.currentFrame()) {
                if (auto* table = qobject_cast<QTextTable*>(child))
                    Table(table);
                else
                    Frame(child);
            } else if (it.currentBlock().isValid()) {
                Block(it.currentBlock());
            }
        }
    }

    std::vector<Unit> units;
    std::vector<TableHead> heads;

private:
    void Lines(const QTextBlock& block, std::vector<Span>& out) const
    {
        const QTextLayout* text = block.layout();
        const qreal top = m_layout->blockBoundingRect(block).top();
        for (int i = 0; text && i < text->lineCount(); ++i) {
            const QTextLine line = text->lineAt(i);
            out.emplace_back(top + line.y(), top + line.y() + line.height());
        }
    }

    void Block(const QTextBlock& block)
    {
        // Empty blocks show nothing; the one Qt keeps between two tables
        // overlaps the second table's margin.
        if (block.text().isEmpty()) return;
        std::vector<Span> lines;
        Lines(block, lines);
        const bool heading = block.blockFormat().headingLevel() > 0;
        for (const Span& l : lines) units.push_back({l.first, l.second, heading, -1, {}});
    }

    void Table(QTextTable* table)
    {
        const int rows = table->rows();
        const int headerRows = std::min(table->format().headerRowCount(), rows - 1);
        const int index = static_cast<int>(heads.size());
        heads.push_back({});
        qreal previousBottom = 0;  // where the previous row's content and padding end
        size_t previous = 0;       // that row's unit
        bool havePrevious = false;
        for (int r = 0; r < rows; ++r) {
            Unit row;
            row.table = r < headerRows ? -1 : index;
            row.keepWithNext = r < headerRows;
            qreal contentTop = std::numeric_limits<qreal>::max();
            qreal contentBottom = std::numeric_limits<qreal>::lowest();
            qreal topPadding = 0;
            qreal topLine = 0;
            qreal bottomEdge = 0;
            for (int c = 0; c < table->columns(); ++c) {
                const QTextTableCell cell = table->cellAt(r, c);
                if (!cell.isValid() || cell.row() != r || cell.column() != c) continue;
                const QTextTableCellFormat f = cell.format().toTableCellFormat();
                const size_t before = row.lines.size();
                for (auto it = cell.begin(); !it.atEnd(); ++it)
                    if (it.currentBlock().isValid()) Lines(it.currentBlock(), row.lines);
                const qreal first = m_layout->blockBoundingRect(cell.firstCursorPosition().block()).top();
                contentTop = std::min(contentTop, first);
                for (size_t i = before; i < row.lines.size(); ++i)
                    contentBottom = std::max(contentBottom, row.lines[i].second);
                topPadding = std::max(topPadding, f.topPadding() * m_scale);
                topLine = std::max(topLine, f.topBorder() * m_scale);
                const qreal below = f.bottomPadding() + (r == rows - 1 ? f.bottomBorder() : 0);
                bottomEdge = std::max(bottomEdge, below * m_scale);
            }
            if (contentTop == std::numeric_limits<qreal>::max()) continue;
            contentBottom = std::max(contentBottom, contentTop);
            // A row starts with the line above it, where the previous row's
            // padding ends; the previous row ends under that line.
            row.top = havePrevious ? previousBottom : contentTop - topPadding - topLine;
            if (havePrevious) units[previous].bottom = row.top + topLine;
            row.bottom = contentBottom + bottomEdge;
            previousBottom = row.bottom;
            TableHead& head = heads[static_cast<size_t>(index)];
            if (!havePrevious) head.top = row.top;
            if (r < headerRows) head.bottom = row.bottom;
            previous = units.size();
            havePrevious = true;
            units.push_back(std::move(row));
        }
        if (headerRows == 0) heads[static_cast<size_t>(index)] = {};
    }

    QAbstractTextDocumentLayout* m_layout;
    qreal m_scale;
};

// The lowest place at or above limit (and below top) that cuts no line of
// the unit; limit itself when there is none.
qreal CutInside(const Unit& unit, qreal top, qreal limit)
{
    qreal cut = limit;
    for (bool moved = true; moved;) {
        moved = false;
        for (const Span& l : unit.lines) {
            if (l.first < cut && cut < l.second) {
                cut = l.first;
                moved = true;
            }
        }
    }
    return cut > top ? cut : limit;
}

}  // namespace

std::vector<PagePlan> PlanPages(const QTextDocument& doc, qreal pageHeight, qreal scale)
{
    Collector collect(doc, scale);
    collect.Frame(doc.rootFrame());
    std::vector<Unit>& units = collect.units;
    const qreal end = doc.size().height();

    std::vector<PagePlan> pages;
    size_t i = 0;
    qreal y = 0;
    while (i < units.size()) {
        PagePlan page;
        qreal room = pageHeight;
        const int table = units[i].table;
        if (table >= 0 && i > 0 && units[i - 1].table == table) {
            const TableHead& head = collect.heads[static_cast<size_t>(table)];
            if (head.bottom > head.top && head.bottom - head.top < pageHeight / 2) {
                page.push_back({head.top, head.bottom, true});
                room -= head.bottom - head.top;
            }
        }
        size_t next = i;
        while (next < units.size() && units[next].bottom - y <= room) ++next;
        // A heading or header row goes with what follows it, unless the page
        // holds nothing else.
        size_t kept = next;
        while (kept > i && kept < units.size() && units[kept - 1].keepWithNext) --kept;
        if (kept > i) next = kept;
        if (next == i) {
            // Taller than the room left: cut it between lines where possible.
            const qreal cut = CutInside(units[i], y, y + room);
            page.push_back({y, cut});
            pages.push_back(std::move(page));
            y = cut;
            continue;
        }
        const qreal limit = y + room;
        const qreal bottom = next < units.size() ? std::min(units[next].top, limit) : std::min(end, limit);
        page.push_back({y, std::max(bottom, units[next - 1].bottom)});
        pages.push_back(std::move(page));
        i = next;
        if (i < units.size()) y = units[i].top;
    }
    if (pages.empty()) pages.push_back({{0, std::min(end, pageHeight)}});
    return pages;
}

}  // namespace volmar::pdf
