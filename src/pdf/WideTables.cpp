#include "WideTables.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>

#include <algorithm>
#include <limits>
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

// The words of each cell of the table.
std::vector<Word> TableWords(QTextTable* table, const QPaintDevice& device)
{
    std::vector<Word> words;
    for (int r = 0; r < table->rows(); ++r) {
        for (int c = 0; c < table->columns(); ++c) {
            const QTextTableCell cell = table->cellAt(r, c);
            if (!cell.isValid() || cell.row() != r || cell.column() != c) continue;
            for (auto it = cell.begin(); !it.atEnd(); ++it)
                if (it.currentBlock().isValid()) Words(it.currentBlock(), device, words);
        }
    }
    return words;
}

struct Extent {
    qreal left = std::numeric_limits<qreal>::max();
    qreal right = std::numeric_limits<qreal>::lowest();
};

// Where the table's text lies across the page. (The table's own bounding
// box is off by a cell's padding and line with collapsed borders.)
Extent TextExtent(QTextTable* table)
{
    const QAbstractTextDocumentLayout* layout = table->document()->documentLayout();
    Extent e;
    for (auto it = table->begin(); !it.atEnd(); ++it) {
        const QTextBlock block = it.currentBlock();
        if (!block.isValid() || !block.layout()) continue;
        const qreal left = layout->blockBoundingRect(block).left();
        for (int i = 0; i < block.layout()->lineCount(); ++i) {
            const QTextLine line = block.layout()->lineAt(i);
            e.left = std::min(e.left, left + line.x());
            e.right = std::max(e.right, left + line.x() + std::max(line.width(), line.naturalTextWidth()));
        }
    }
    return e;
}

// Adds to breaks the places inside the table's words that are wider than a
// column's share of the room, when the table reaches past the room's edge.
void Table(QTextTable* table, const QPaintDevice& device, qreal width, qreal scale, std::vector<int>& breaks)
{
    const Extent text = TextExtent(table);
    const qreal padding = 14 * scale;  // a cell's paddings and line, in CSS pixels
    if (text.right + padding / 2 <= width) return;
    const qreal share = (width - text.left) / table->columns() - padding;
    for (const Word& w : TableWords(table, device))
        if (w.width > share)
            for (int i = 1; i < w.text.size(); ++i)
                if (!w.text[i].isLowSurrogate() && !w.text[i].isMark()) breaks.push_back(w.position + i);
}

void Frame(QTextFrame* frame, const QPaintDevice& device, qreal width, qreal scale, std::vector<int>& breaks)
{
    for (QTextFrame* child : frame->childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(child))
            Table(table, device, width, scale, breaks);
        else
            Frame(child, device, width, scale, breaks);
    }
}

}  // namespace

bool LetOverlongWordsBreak(QTextDocument& doc, const QPaintDevice& device, qreal width, qreal scale)
{
    std::vector<int> breaks;
    Frame(doc.rootFrame(), device, width, scale, breaks);
    if (breaks.empty()) return false;
    // From the last, so that no place moves; in one edit, laid out once.
    std::sort(breaks.begin(), breaks.end());
    QTextCursor cursor(&doc);
    cursor.beginEditBlock();
    for (auto it = breaks.rbegin(); it != breaks.rend(); ++it) {
        cursor.setPosition(*it);
        cursor.insertText(QString(kBreak));
    }
    cursor.endEditBlock();
    return true;
}

}  // namespace volmar::pdf
