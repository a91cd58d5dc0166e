#include "core/settings/Gzlib.h"

#include <zlib.h>

#include <cstring>

#include "core/settings/DocumentWriter.h"

namespace volmar {

const char* const kMsgSettingOverCapacity = "Setting data size is over capacity.";
const char* const kMsgCompressFailed = "Failed to compress the setting data";
const char* const kMsgDecompressFailed = "Failed to decompress setting data";

CGzlib::CGzlib() : m_compressed(kGzlibBufferSize), m_decompressed(kGzlibBufferSize) {}

CGzlib::~CGzlib() = default;

bool CGzlib::Compress(const void* data, size_t len)
{
    m_compressedLength = static_cast<uint32_t>(kGzlibBufferSize);
    std::memset(m_compressed.data(), 0, m_compressed.size());
    uLongf out = kGzlibBufferSize;
    if (len > static_cast<size_t>(~uLong{0})) return false;
    int rc = compress2(m_compressed.data(), &out, static_cast<const Bytef*>(data), static_cast<uLong>(len),
                       Z_DEFAULT_COMPRESSION);
    if (rc != Z_OK) return false;
    m_compressedLength = static_cast<uint32_t>(out);
    return true;
}

bool CGzlib::Decompress(const void* data, size_t len)
{
    m_decompressedLength = static_cast<uint32_t>(kGzlibBufferSize);
    std::memset(m_decompressed.data(), 0, m_decompressed.size());
    uLongf out = kGzlibBufferSize;
    int rc = uncompress(m_decompressed.data(), &out, static_cast<const Bytef*>(data), static_cast<uLong>(len));
    if (rc != Z_OK) return false;
    m_decompressedLength = static_cast<uint32_t>(out);
    return true;
}

bool SettingDocumentFits(size_t length)
{
    return length + 16 <= kSettingBufferSize;
}

bool PackSettingDocument(const std::string& document, CGzlib& zip, Message* error)
{
    if (!SettingDocumentFits(document.size())) {
        if (error) *error = {MessageIcon::Error, kMsgSettingOverCapacity};
        return false;
    }
    if (!zip.Compress(document.data(), document.size())) {
        if (error) *error = {MessageIcon::Error, kMsgCompressFailed};
        return false;
    }
    return true;
}

bool UnpackSettingPayload(const void* data, size_t len, CGzlib& zip, Message* error)
{
    if (!zip.Decompress(data, len)) {
        if (error) *error = {MessageIcon::Error, kMsgDecompressFailed};
        return false;
    }
    return true;
}

}  // namespace volmar
