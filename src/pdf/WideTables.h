#pragma once
// Lines wrap only between words, so a table column is at least as wide as
// its longest word. Where a table's longest words add up to more than the
// page is wide (long names without spaces, addresses), those words may break
// anywhere; in every other table no word is split.
#include <QtGlobal>

class QPaintDevice;
class QTextDocument;

namespace volmar::pdf {

// Before layout: marks, in each table whose columns' longest words do not
// fit the width, every word wider than a column's share of the width as
// breakable after each character. scale: device units per CSS pixel.
void LetOverlongWordsBreak(QTextDocument& doc, const QPaintDevice& device, qreal width, qreal scale);

}  // namespace volmar::pdf
