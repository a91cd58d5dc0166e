// The settings reader on arbitrary bytes: every input ends in one of the
// verdicts, and the path output stays within its buffer.
#include <cstdlib>
#include <cstring>
#include <memory>

#include "settings/DocumentReader.h"

namespace {
// A reset record to copy from: resetting anew on every input costs more
// than the parse.
const volmar::SettingRecord* Defaults()
{
    static auto defaults = [] {
        auto r = std::make_unique<volmar::SettingRecord>();
        volmar::ResetSettingRecord(*r);
        return r;
    }();
    return defaults.get();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace volmar;
    static auto record = std::make_unique<SettingRecord>();
    std::memcpy(record.get(), Defaults(), sizeof *record);
    char path[kReadPathSize];
    int flags = ReadSettingDocument(*record, reinterpret_cast<const char*>(data), size, path);
    if (flags & ~7) std::abort();
    if (strnlen(path, kReadPathSize) >= kReadPathSize) std::abort();
    return 0;
}
