// A downloaded payload: decompression, then the settings reader.
#include <cstring>
#include <memory>

#include "settings/DocumentReader.h"
#include "settings/Gzlib.h"

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
    static auto zip = std::make_unique<CGzlib>();
    static auto record = std::make_unique<SettingRecord>();
    Message error;
    if (!UnpackSettingPayload(data, size, *zip, &error)) return 0;
    std::memcpy(record.get(), Defaults(), sizeof *record);
    ConvertSettingDocument(*record, reinterpret_cast<const char*>(zip->Decompressed()), zip->DecompressedLength());
    return 0;
}
