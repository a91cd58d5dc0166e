#include "core/report/ReportModel.h"

namespace volmar::report {

const std::string* Block::Value(std::string_view caption) const
{
    for (const Field& f : fields)
        if (f.caption == caption) return &f.value;
    return nullptr;
}

const Block* Section::FindBlock(std::string_view wanted) const
{
    for (const Block& b : blocks)
        if (b.title == wanted) return &b;
    return nullptr;
}

const Section* Document::Find(std::string_view id) const
{
    for (const Section& s : sections)
        if (s.id == id) return &s;
    return nullptr;
}

}  // namespace volmar::report
