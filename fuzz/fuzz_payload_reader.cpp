// A downloaded payload: decompression, then the settings reader.
#include <cstring>
#include <memory>

#include "FuzzRecord.h"
#include "core/settings/DocumentReader.h"
#include "core/settings/Gzlib.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace volmar;
    static auto zip = std::make_unique<CGzlib>();
    static auto record = std::make_unique<SettingRecord>();
    Message error;
    if (!UnpackSettingPayload(data, size, *zip, &error)) return 0;
    std::memcpy(record.get(), FuzzDefaults(), sizeof *record);
    ConvertSettingDocument(*record, reinterpret_cast<const char*>(zip->Decompressed()), zip->DecompressedLength());
    return 0;
}
