#pragma once
// Compressed payloads: a settings document (or a user-view container)
// travels to and from the unit as a plain zlib stream. CGzlib owns the two
// working buffers of one operation.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/common/Message.h"

namespace volmar {

constexpr size_t kGzlibBufferSize = 4194304;

extern const char* const kMsgSettingOverCapacity;    // "Setting data size is over capacity."
extern const char* const kMsgCompressFailed;         // "Failed to compress the setting data"
extern const char* const kMsgDecompressFailed;       // "Failed to decompress setting data"

class CGzlib {
public:
    CGzlib();
    virtual ~CGzlib();
    CGzlib(const CGzlib&) = delete;
    CGzlib& operator=(const CGzlib&) = delete;

    // One-shot compression at the default level into the compressed buffer.
    bool Compress(const void* data, size_t len);
    // One-shot decompression into the decompressed buffer; more than
    // kGzlibBufferSize bytes of output is a failure.
    bool Decompress(const void* data, size_t len);

    const uint8_t* Compressed() const { return m_compressed.data(); }
    uint32_t CompressedLength() const { return m_compressedLength; }
    const uint8_t* Decompressed() const { return m_decompressed.data(); }
    uint32_t DecompressedLength() const { return m_decompressedLength; }

private:
    std::vector<uint8_t> m_compressed;
    std::vector<uint8_t> m_decompressed;
    uint32_t m_compressedLength = 0;
    uint32_t m_decompressedLength = 0;
};

// The size rule for a settings document before upload: its length plus 16
// must not exceed the 2 MiB transfer buffer.
bool SettingDocumentFits(size_t length);

// Prepares a written settings document for upload: the size rule, then
// compression. On failure returns false with the message to show.
bool PackSettingDocument(const std::string& document, CGzlib& zip, Message* error);

// Decompresses a downloaded payload. On failure returns false with the
// message to show.
bool UnpackSettingPayload(const void* data, size_t len, CGzlib& zip, Message* error);

}  // namespace volmar
