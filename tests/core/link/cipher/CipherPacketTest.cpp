#include "core/link/cipher/CipherPacket.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/link/cipher/CipherErrors.h"

namespace volmar {
namespace {

TEST(CipherPacket, HeaderLayoutAndPaddedParts)
{
    const std::vector<uint8_t> name{'C', 'O', 'N', 'F', 'I', 'G', '_', 'P'};
    const std::vector<uint8_t> data(17, 0xAA);
    CipherPacketBuffer p;
    ASSERT_TRUE(BuildCipherPacket(kCipherCmdPut, name, data, 0x11223344, p));
    ASSERT_EQ(p.size, 160u + 16 + 32);
    const uint8_t* b = p.bytes.get();
    EXPECT_EQ(b[0], 0x55);
    EXPECT_EQ(b[1], 0xCC);
    EXPECT_EQ(b[2], 'P');
    EXPECT_EQ(b[3], 0xAF);
    EXPECT_EQ(b[4], 8);
    EXPECT_EQ(b[8], 17);
    EXPECT_EQ(b[12], 0x44);
    EXPECT_EQ(b[15], 0x11);
    for (int i = 16; i < 160; ++i) ASSERT_EQ(b[i], 0) << i;
    EXPECT_EQ(b[160], 'C');
    EXPECT_EQ(b[168], 0);          // padding of part 1
    EXPECT_EQ(b[176], 0xAA);       // part 2 starts on the next block
    EXPECT_EQ(b[176 + 16], 0xAA);
    EXPECT_EQ(b[176 + 17], 0);     // padding of part 2

    const auto h = DecodeCipherHeader(std::span<const uint8_t, kCipherHeaderSize>(b, kCipherHeaderSize));
    EXPECT_EQ(h.code, 'P');
    EXPECT_EQ(h.part1, 8u);
    EXPECT_EQ(h.part2, 17u);
    EXPECT_EQ(h.nonce, 0x11223344u);

    CipherPacketBuffer empty;
    ASSERT_TRUE(BuildCipherPacket(kCipherCmdHello, {}, {}, 0, empty));
    EXPECT_EQ(empty.size, 160u);
    EXPECT_EQ(empty.bytes[3], 0xBC);
}

TEST(CipherPacket, HugeLengthsPadWithoutOverflowAndAreRefused)
{
    CipherPacketHeader h;
    h.part1 = 0xFFFFFFFFu;
    h.part2 = 0xFFFFFFF1u;
    EXPECT_EQ(CipherPadded(h.part1), 0x100000000ull);
    EXPECT_EQ(CipherBodySize(h), 0x200000000ull);
    EXPECT_GT(CipherBodySize(h), kCipherMaxBody);
    CipherPacketBuffer p;
    EXPECT_FALSE(BuildCipherPacket('P', {}, std::vector<uint8_t>(kCipherMaxBody + 1), 0, p));
}

// Fed byte by byte or in one piece, the splitter keeps the same bytes and
// never writes past its buffers.
TEST(CipherPacket, SplitterKeepsOnlyWhatFits)
{
    CipherPacketHeader h;
    h.part1 = 5;
    h.part2 = 20;
    std::vector<uint8_t> body(16 + 32);
    for (size_t i = 0; i < body.size(); ++i) body[i] = static_cast<uint8_t>(i + 1);
    for (size_t step : {size_t{1}, size_t{7}, body.size()}) {
        std::vector<uint8_t> k1(8, 0xEE), k2(12, 0xEE);
        CipherBodySplitter s(h, std::span(k1.data(), 3), std::span(k2.data(), 10));
        for (size_t i = 0; i < body.size(); i += step)
            s.Feed(body.data() + i, std::min(step, body.size() - i));
        EXPECT_EQ(s.Kept1(), 3u);
        EXPECT_EQ(s.Kept2(), 10u);
        EXPECT_EQ(k1, (std::vector<uint8_t>{1, 2, 3, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE}));
        for (int i = 0; i < 10; ++i) EXPECT_EQ(k2[i], 17 + i);
        EXPECT_EQ(k2[10], 0xEE);
    }
}

TEST(CipherErrors, ShowLinkErrorPicksSecondLineAndIcon)
{
    struct Case {
        int heading, last;
        const char* text;
        MessageIcon icon;
    };
    const Case cases[] = {
        {506, 509, "Error:Connection\nUnsupported device", MessageIcon::Warning},
        {504, 511, "Error:Login\nError:login", MessageIcon::Warning},
        {504, 505, "Error:Login\nError:Failed", MessageIcon::Error},
        {499, 499, "Error:Download\nError:Failed", MessageIcon::Error},
        {510, 0, "Error:Open\nError:Failed", MessageIcon::Error},
        {502, 513, "Error:Upload\nError:Failed", MessageIcon::Error},
        {510, 508, "Error:Open\nError:Connect", MessageIcon::Error},
        {499, 501, "Error:Download\nError:Recv size", MessageIcon::Error},
        {502, 493, "Error:Upload\nError:CODE NG", MessageIcon::Error},
        {506, 512, "Error:Connection\nError:Each password", MessageIcon::Error},
        {504, 503, "Error:Login\nError:nencryption", MessageIcon::Error},
        {506, 507, "Error:Connection\nError:Failed to obtain the status.", MessageIcon::Error},
        {499, 514, "Error:Download\nError:Failed", MessageIcon::Error},
    };
    for (const Case& c : cases) {
        const Message m = ShowLinkError(c.heading, c.last);
        EXPECT_EQ(m.text, c.text);
        EXPECT_EQ(m.icon, c.icon) << c.text;
    }
}

}  // namespace
}  // namespace volmar
