// The settings reader on arbitrary bytes: every input ends in a verdict, and
// an accepted record writes a document that reads back into the same record.
#include <cstdlib>
#include <cstring>
#include <memory>

#include "settings/DocumentReader.h"
#include "settings/DocumentWriter.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace volmar;
    static auto record = std::make_unique<SettingRecord>();
    static auto again = std::make_unique<SettingRecord>();
    ResetSettingRecord(*record);
    char path[kReadPathSize];
    int flags = ReadSettingDocument(*record, reinterpret_cast<const char*>(data), size, path);
    if (flags & ~7) std::abort();
    if (std::strlen(path) >= kReadPathSize) std::abort();
    if ((flags & kReadFailed) == 0) {
        std::string doc = WriteSettingDocument(*record);
        ResetSettingRecord(*again);
        int back = ReadSettingDocument(*again, doc.data(), doc.size());
        if (back & kReadFailed) std::abort();
    }
    return 0;
}
