#pragma once
// Lines wrap only between words, so a table column is at least as wide as
// its longest word. Where a table's longest words make it wider than the page
// (long names without spaces, addresses), the words too wide for a column may
// break anywhere; in every other table no word is split.
#include <QtGlobal>

class QPaintDevice;
class QTextDocument;

namespace volmar::pdf {

// After layout: marks, in each table that reaches past width, every word
// wider than a column's share of the width as breakable after each
// character. scale: device units per CSS pixel. Returns whether it marked
// any (the document is then laid out anew).
bool LetOverlongWordsBreak(QTextDocument& doc, const QPaintDevice& device, qreal width, qreal scale);

}  // namespace volmar::pdf
