#pragma once
// The settings report as a document: a header and sections of titled blocks,
// each a list of captioned values and an optional table. The builder fills it
// from a record; the HTML writer (and through it the PDF) renders it. Every
// text is plain UTF-8; escaping is the renderer's business.
#include <string>
#include <string_view>
#include <vector>

namespace volmar::report {

struct Field {
    std::string caption;
    std::string value;
};

struct Table {
    std::vector<std::string> columns;
    std::vector<std::vector<std::string>> rows;
    bool Empty() const { return rows.empty(); }
};

// One titled group: a channel, a slave, a mail report.
struct Block {
    std::string title;
    std::vector<Field> fields;
    Table table;

    void Add(std::string caption, std::string value) { fields.push_back({std::move(caption), std::move(value)}); }
    // The value of the first field with this caption, or nullptr.
    const std::string* Value(std::string_view caption) const;
};

// Section ids: "unit", "network", "slaves", "ai", "di", "pi", "oi", "do",
// "display", "record", "mail". Each DO block says what drives the output.
struct Section {
    std::string id;
    std::string title;
    std::vector<Block> blocks;

    const Block* FindBlock(std::string_view title) const;
};

struct Header {
    std::string source;   // the file or the unit the setting came from
    std::string date;     // when the report was made
    std::string version;  // the tool's version
};

struct Document {
    Header header;
    std::vector<Section> sections;

    const Section* Find(std::string_view id) const;
};

}  // namespace volmar::report
