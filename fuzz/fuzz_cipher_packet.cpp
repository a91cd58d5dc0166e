// Feeds arbitrary bytes to the reply decoder of the encrypted link, as a
// hostile unit would send them: a header (encrypted or in clear), then the
// body its lengths claim, read piece by piece into bounded buffers.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "core/link/cipher/CipherPacket.h"
#include "core/link/cipher/CipherStream.h"
#include "core/link/cipher/LinkKey.h"

using namespace volmar;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1) return 0;
    const bool encrypted = data[0] & 1;
    size_t pos = 1;
    auto read = [&](uint8_t* out, size_t n) {
        if (size - pos < n) return false;
        std::memcpy(out, data + pos, n);
        pos += n;
        return true;
    };
    static const CamelliaKey key = *DeriveLinkKey("secret");
    const CipherBlock vector{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
    CipherReplyReader reader(read, encrypted ? &key : nullptr, vector);
    CipherPacketHeader h;
    if (reader.ReadHeader(h) != 0) return 0;
    (void)ClassifyCipherReply(h);
    uint8_t part1[64];
    uint8_t part2[127];
    CipherBodySplitter body(h, part1, part2);
    size_t counted = 0;
    if (reader.ReadBody(h, body, [&](size_t n) { counted += n; }) == 0) {
        if (counted != CipherBodySize(h)) __builtin_trap();
    }
    if (body.Kept1() > sizeof part1 || body.Kept2() > sizeof part2) __builtin_trap();
    return 0;
}
