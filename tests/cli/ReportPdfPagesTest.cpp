// The PDF report's pages: tables that cross pages keep each row whole on one
// page, a continued table starts its new page with its header row, and lines
// wrap only between words.
#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextBoundaryFinder>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextTable>

#include <algorithm>
#include <limits>
#include <regex>
#include <string>
#include <vector>

#include "pdf/ReportPdf.h"
#include "core/report/ReportHtml.h"
#include "core/report/ReportModel.h"

namespace volmar {
namespace {

// Zone tables of varying row heights, long enough to cross several pages.
report::Document ZoneReport()
{
    report::Document doc;
    doc.header = {"plant.xml", "2026-12-08 05:00", "0.1.0"};
    report::Section s{"ai", "Analog input (AI)", {}};
    for (int ch = 1; ch <= 4; ++ch) {
        report::Block b{"AI0" + std::to_string(ch), {}, {}};
        b.Add("CH name", "Boiler room supply temperature");
        b.Add("Engineering unit", "degC");
        b.table.columns = {"Zone", "Name", "Color", "Lower limit", "Upper limit", "Upward event", "Downward event",
                           "Actions"};
        for (int zone = 1; zone <= 30; ++zone) {
            std::string actions = "Alarm output";
            for (int i = 0; i < (zone * 7 + ch) % 13; ++i) actions += " DO" + std::to_string(10 + i) + ",";
            actions += " Trigger recording Start; Reset totalized value PI02, PI03";
            b.table.rows.push_back({std::to_string(zone), "Pressure zone " + std::to_string(zone), "#00FF00",
                                    "100.000", "150.250", "No. 12: Pressure high (Event log, E-mail No.01)",
                                    zone % 3 ? "" : "No. 15: Pressure low (Register new event)", actions});
        }
        s.blocks.push_back(std::move(b));
    }
    doc.sections.push_back(std::move(s));
    return doc;
}

struct Span {
    qreal top = std::numeric_limits<qreal>::max();
    qreal bottom = std::numeric_limits<qreal>::lowest();
};

// Where the text of a table row lies in the laid-out document.
Span RowText(const QTextDocument& doc, QTextTable* table, int row)
{
    Span span;
    for (int c = 0; c < table->columns(); ++c) {
        const QTextTableCell cell = table->cellAt(row, c);
        for (auto it = cell.begin(); !it.atEnd(); ++it) {
            const QTextBlock block = it.currentBlock();
            const qreal top = doc.documentLayout()->blockBoundingRect(block).top();
            for (int i = 0; i < block.layout()->lineCount(); ++i) {
                const QTextLine line = block.layout()->lineAt(i);
                span.top = std::min(span.top, top + line.y());
                span.bottom = std::max(span.bottom, top + line.y() + line.height());
            }
        }
    }
    return span;
}

bool Within(const Span& text, const pdf::Slice& s) { return s.top <= text.top && text.bottom <= s.bottom; }

int PdfPageCount(const std::string& pdf)
{
    std::smatch m;
    static const std::regex count(R"(/Type\s*/Pages\b[^>]*?/Count\s+(\d+))");
    return std::regex_search(pdf, m, count) ? std::stoi(m[1]) : 0;
}

TEST(ReportPdfPages, RowsStayWholeHeadersRepeatAndWordsStayWhole)
{
    pdf::GuiForPdf gui;
    const std::string html = report::RenderHtml(ZoneReport());
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                                     QPageLayout::Millimeter));
    const auto doc = pdf::LayOutHtml(html, writer);
    const auto pages = pdf::PlanPdfPages(*doc, writer);
    ASSERT_GT(pages.size(), 2u);

    int continued = 0;
    for (QTextFrame* frame : doc->rootFrame()->childFrames()) {
        auto* table = qobject_cast<QTextTable*>(frame);
        if (!table || table->columns() != 8) continue;
        ASSERT_EQ(table->format().headerRowCount(), 1);
        const Span header = RowText(*doc, table, 0);
        size_t previousPage = 0;
        for (int r = 1; r < table->rows(); ++r) {
            SCOPED_TRACE("row " + std::to_string(r));
            const Span row = RowText(*doc, table, r);
            // Exactly one page shows the row, whole.
            size_t page = pages.size();
            for (size_t p = 0; p < pages.size(); ++p) {
                for (const pdf::Slice& s : pages[p]) {
                    if (s.header || s.bottom <= row.top || row.bottom <= s.top) continue;
                    ASSERT_TRUE(Within(row, s)) << "cut between pages " << p + 1 << " and the next";
                    ASSERT_EQ(page, pages.size()) << "shown twice";
                    page = p;
                }
            }
            ASSERT_LT(page, pages.size());
            // A row that opens a page after the table's first page sits under
            // the header row.
            if (r > 1 && page != previousPage) {
                ++continued;
                ASSERT_GE(pages[page].size(), 2u);
                EXPECT_TRUE(pages[page][0].header);
                EXPECT_TRUE(Within(header, pages[page][0]));
                EXPECT_TRUE(Within(row, pages[page][1]));
            }
            previousPage = page;
        }
    }
    EXPECT_GE(continued, 2);

    // Every line ends where a line may break: between words, never inside.
    int lines = 0;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, b.text());
        for (int i = 0; i + 1 < b.layout()->lineCount(); ++i) {
            const QTextLine line = b.layout()->lineAt(i);
            breaks.setPosition(line.textStart() + line.textLength());
            EXPECT_TRUE(breaks.isAtBoundary()) << b.text().toStdString() << " broken after "
                                               << b.text().left(breaks.position()).toStdString();
            ++lines;
        }
    }
    EXPECT_GT(lines, 100);

    std::string pdf;
    ASSERT_TRUE(pdf::HtmlToPdf(html, "plant.xml", pdf));
    EXPECT_EQ(PdfPageCount(pdf), static_cast<int>(pages.size()));
}

// Words without spaces (addresses) too long to stand side by side in a table
// may break, so that the table stays on the page; elsewhere none does.
TEST(ReportPdfPages, TableOfOverlongWordsStaysOnThePage)
{
    pdf::GuiForPdf gui;
    const std::string address = "alarm.notification.recipient.number@plant-north.example.com";
    report::Document doc;
    doc.header = {"plant.xml", "2026-12-08 05:00", "0.1.0"};
    report::Block b{"Mail", {}, {}};
    const std::string shortAddress = "plant-north.alarms@example.com";
    b.Add("Recipients", shortAddress);
    b.table.columns = {"To", "Cc", "Bcc", "Reply to"};
    b.table.rows.push_back({address, address, address, address});
    doc.sections.push_back({"mail", "E-mail reports", {b}});

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                                     QPageLayout::Millimeter));
    const auto laid = pdf::LayOutHtml(report::RenderHtml(doc), writer);
    int tables = 0;
    for (QTextFrame* frame : laid->rootFrame()->childFrames()) {
        auto* table = qobject_cast<QTextTable*>(frame);
        if (!table) continue;
        ++tables;
        for (auto it = table->begin(); !it.atEnd(); ++it) {
            const QTextBlock block = it.currentBlock();
            const qreal left = laid->documentLayout()->blockBoundingRect(block).left();
            for (int i = 0; i < block.layout()->lineCount(); ++i) {
                const QTextLine line = block.layout()->lineAt(i);
                EXPECT_LE(left + line.x() + line.naturalTextWidth(), writer.width()) << table->columns();
            }
        }
        // The table that fits keeps its words whole.
        if (table->columns() == 2) {
            EXPECT_EQ(table->cellAt(0, 1).firstCursorPosition().block().text().toStdString(), shortAddress);
        }
    }
    EXPECT_EQ(tables, 2);
}

}  // namespace
}  // namespace volmar
