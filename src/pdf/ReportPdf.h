#pragma once
// A report's HTML laid out by Qt's rich-text engine and written as PDF
// (A4). Needs a QGuiApplication (fonts); the GUI has one, the CLI makes one
// on the offscreen platform.
#include <memory>
#include <string>
#include <vector>

#include "pdf/PagePlan.h"

class QPagedPaintDevice;
class QPaintDevice;
class QTextDocument;

namespace volmar::pdf {

// The HTML laid out at the device's resolution and width as one long page,
// for the print medium, lines wrapped only between words.
std::unique_ptr<QTextDocument> LayOutHtml(const std::string& html, QPaintDevice& device);
// Its pages on the device, a footer's height left free at the foot of each.
std::vector<PagePlan> PlanPdfPages(const QTextDocument& doc, const QPaintDevice& device);
qreal FooterHeight(const QPaintDevice& device);

// Lays the HTML out once and paints it page by page (rows kept whole, table
// headers repeated), "page / pages" at the foot of each: for the PDF writer
// and the printer alike.
void PaintHtml(const std::string& html, QPagedPaintDevice& device);

bool HtmlToPdf(const std::string& html, const std::string& title, std::string& out, std::string* error = nullptr);

// Makes the QGuiApplication a command-line program needs for HtmlToPdf, on
// the offscreen platform unless QT_QPA_PLATFORM names another; does nothing
// when an application object exists. Keep the result alive while printing.
class GuiForPdf {
public:
    GuiForPdf();
    ~GuiForPdf();
    GuiForPdf(const GuiForPdf&) = delete;
    GuiForPdf& operator=(const GuiForPdf&) = delete;

private:
    struct State;
    State* m_state;
};

}  // namespace volmar::pdf
