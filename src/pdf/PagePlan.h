#pragma once
// Cuts a document laid out as one long page into printed pages: only between
// text lines and between table rows, a heading kept with what follows it,
// and a table continued on a new page under a copy of its header rows.
#include <QtGlobal>

#include <vector>

class QTextDocument;

namespace volmar::pdf {

// A horizontal stretch of the laid-out document, in its coordinates.
struct Slice {
    qreal top = 0;
    qreal bottom = 0;
    bool header = false;  // a table's header rows repeated on a new page
};

// What one page shows: its slices one under the other from the top.
using PagePlan = std::vector<Slice>;

// The document must be laid out without pages (page height -1). scale is the
// device units per CSS pixel of the layout (borders and paddings are in CSS
// pixels). A row or line taller than a page is cut where it must be.
std::vector<PagePlan> PlanPages(const QTextDocument& doc, qreal pageHeight, qreal scale);

}  // namespace volmar::pdf
