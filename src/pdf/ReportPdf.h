#pragma once
// A report's HTML laid out by Qt's rich-text engine and written as PDF
// (A4). Needs a QGuiApplication (fonts); the GUI has one, the CLI makes one
// on the offscreen platform.
#include <string>

class QPagedPaintDevice;

namespace volmar::pdf {

// Lays the HTML out once at the device's resolution and paints it page by
// page, "page / pages" at the foot of each: for the PDF writer and the
// printer alike.
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
    State* state_;
};

}  // namespace volmar::pdf
