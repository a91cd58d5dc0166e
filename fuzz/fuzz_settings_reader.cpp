// The settings reader on arbitrary bytes: every input ends in one of the
// verdicts, and the path output stays within its buffer.
#include <cstdlib>
#include <cstring>
#include <memory>

#include "FuzzRecord.h"
#include "core/settings/DocumentReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace volmar;
    static auto record = std::make_unique<SettingRecord>();
    std::memcpy(record.get(), FuzzDefaults(), sizeof *record);
    char path[kReadPathSize];
    int flags = ReadSettingDocument(*record, reinterpret_cast<const char*>(data), size, path);
    if (flags & ~7) std::abort();
    if (strnlen(path, kReadPathSize) >= kReadPathSize) std::abort();
    return 0;
}
