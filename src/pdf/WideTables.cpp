#include "pdf/WideTables.h"

#include <QFontMetricsF>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <algorithm>
#include <vector>

namespace volmar::pdf {
namespace {

constexpr QChar kBreak(0x200B);  // zero-width space: a place to break, nothing shown

// A word of a block: its position in the document and its width.
struct Word {
    int position = 0;
    QString text;
    qreal width = 0;
};

void Words(const QTextBlock& block, const QPaintDevice& device, std::vector<Word>& out)
{
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (!fragment.isValid()) continue;
        const QString text = fragment.text();
        const QFontMetricsF metrics(fragment.charFormat().font(), &device);
        for (qsizetype i = 0; i < text.size();) {
            if (text[i].isSpace()) {
                ++i;
                continue;
            }
            qsizetype j = i;
            while (j < text.size() && !text[j].isSpace()) ++j;
            const QString word = text.mid(i, j - i);
            out.push_back({fragment.position() + static_cast<int>(i), word, metrics.horizontalAdvance(word)});
            i = j;
        }
    }
}

// The words of each cell of the table, cells in document order.
std::vector<std::vector<Word>> CellWords(QTextTable* table, const QPaintDevice& device,
                                         std::vector<qreal>& columnMinimum)
{
    std::vector<std::vector<Word>> cells;
    columnMinimum.assign(static_cast<size_t>(table->columns()), 0);
    for (int r = 0; r < table->rows(); ++r) {
        for (int c = 0; c < table->columns(); ++c) {
            const QTextTableCell cell = table->cellAt(r, c);
            if (!cell.isValid() || cell.row() != r || cell.column() != c) continue;
            std::vector<Word> words;
            for (auto it = cell.begin(); !it.atEnd(); ++it)
                if (it.currentBlock().isValid()) Words(it.currentBlock(), device, words);
            if (cell.columnSpan() == 1)
                for (const Word& w : words)
                    columnMinimum[static_cast<size_t>(c)] = std::max(columnMinimum[static_cast<size_t>(c)], w.width);
            cells.push_back(std::move(words));
        }
    }
    return cells;
}

void Table(QTextTable* table, const QPaintDevice& device, qreal width, qreal scale)
{
    std::vector<qreal> columnMinimum;
    const auto cells = CellWords(table, device, columnMinimum);
    const qreal padding = 16 * scale;  // a cell's paddings and lines, in CSS pixels
    qreal needed = 0;
    for (qreal w : columnMinimum) needed += w + padding;
    if (needed <= width) return;
    const qreal share = width / table->columns() - padding;
    std::vector<int> breaks;  // positions, inserted from the last so that none moves
    for (const auto& words : cells)
        for (const Word& w : words)
            if (w.width > share)
                for (int i = 1; i < w.text.size(); ++i)
                    if (!w.text[i].isLowSurrogate() && !w.text[i].isMark()) breaks.push_back(w.position + i);
    std::sort(breaks.begin(), breaks.end());
    table->document()->setUndoRedoEnabled(false);
    QTextCursor cursor(table->document());
    cursor.beginEditBlock();
    for (auto it = breaks.rbegin(); it != breaks.rend(); ++it) {
        cursor.setPosition(*it);
        cursor.insertText(QString(kBreak));
    }
    cursor.endEditBlock();
}

void Frame(QTextFrame* frame, const QPaintDevice& device, qreal width, qreal scale)
{
    for (QTextFrame* child : frame->childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(child))
            Table(table, device, width, scale);
        else
            Frame(child, device, width, scale);
    }
}

}  // namespace

void LetOverlongWordsBreak(QTextDocument& doc, const QPaintDevice& device, qreal width, qreal scale)
{
    Frame(doc.rootFrame(), device, width, scale);
}

}  // namespace volmar::pdf
