#include "core/report/ReportHtml.h"

namespace volmar::report {
namespace {

constexpr const char* kStyle =
    "body{font-family:sans-serif;font-size:10pt;color:#000;}\n"
    "@media screen{body{margin:1.5em;}}\n"
    "h1{font-size:16pt;margin:0 0 .2em 0;}\n"
    "h2{font-size:13pt;border-bottom:1px solid #444;margin:1.2em 0 .4em 0;}\n"
    "h3{font-size:11pt;margin:.8em 0 .2em 0;}\n"
    "p.meta{color:#444;margin:0 0 1em 0;}\n"
    "table{border-collapse:collapse;margin:.2em 0 .6em 0;}\n"
    "th,td{border:1px solid #999;padding:2px 6px;text-align:left;vertical-align:top;}\n"
    "th{background:#eee;}\n"
    "table.fields th{width:16em;font-weight:normal;}\n"
    "div.block{page-break-inside:avoid;}\n"
    "@media print{body{margin:0;font-size:9pt;}h2,h3{page-break-after:avoid;}"
    "tr{page-break-inside:avoid;}"
    "th{background:#ddd;-webkit-print-color-adjust:exact;print-color-adjust:exact;}}\n";

// Escapes text for element content and attribute values; drops the control
// characters XML does not allow and keeps line breaks.
void Escape(std::string& out, const std::string& text)
{
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&#39;"; break;
        case '\r': break;
        case '\n': out += "<br/>"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20 && c != '\t') break;
            out += c;
        }
    }
}

void Element(std::string& out, const char* tag, const std::string& text)
{
    out += '<';
    out += tag;
    out += '>';
    Escape(out, text);
    out += "</";
    out += tag;
    out += '>';
}

void RenderTable(std::string& out, const Table& t)
{
    out += "<table class=\"list\"><thead><tr>";
    for (const std::string& c : t.columns) Element(out, "th", c);
    out += "</tr></thead>\n<tbody>\n";
    for (const auto& row : t.rows) {
        out += "<tr>";
        for (const std::string& cell : row) Element(out, "td", cell);
        out += "</tr>\n";
    }
    out += "</tbody></table>\n";
}

void RenderBlock(std::string& out, const Block& b)
{
    out += "<div class=\"block\">";
    Element(out, "h3", b.title);
    out += '\n';
    if (!b.fields.empty()) {
        out += "<table class=\"fields\">\n";
        for (const Field& f : b.fields) {
            out += "<tr>";
            Element(out, "th", f.caption);
            Element(out, "td", f.value);
            out += "</tr>\n";
        }
        out += "</table>\n";
    }
    if (!b.table.Empty()) RenderTable(out, b.table);
    out += "</div>\n";
}

}  // namespace

std::string RenderHtml(const Document& doc)
{
    std::string out;
    out.reserve(256 * 1024);
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<!DOCTYPE html>\n"
           "<html xmlns=\"http://www.w3.org/1999/xhtml\">\n<head>\n"
           "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\"/>\n";
    Element(out, "title", "Settings report: " + doc.header.source);
    out += "\n<style type=\"text/css\">\n";
    out += kStyle;
    out += "</style>\n</head>\n<body>\n";
    Element(out, "h1", "Settings report: " + doc.header.source);
    out += "\n<p class=\"meta\">";
    Escape(out, "Made " + doc.header.date + " by VOLMAR " + doc.header.version);
    out += "</p>\n";
    for (const Section& s : doc.sections) {
        out += "<div class=\"section\" id=\"";
        Escape(out, s.id);
        out += "\">";
        Element(out, "h2", s.title);
        out += '\n';
        for (const Block& b : s.blocks) RenderBlock(out, b);
        out += "</div>\n";
    }
    out += "</body>\n</html>\n";
    return out;
}

}  // namespace volmar::report
