#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <vector>

#include "core/link/cipher/CamelliaCbc.h"
#include "core/link/cipher/LinkKey.h"

namespace volmar {
namespace {

std::vector<uint8_t> Hex(const char* s)
{
    std::vector<uint8_t> v;
    for (; s[0] && s[1]; s += 2) v.push_back(static_cast<uint8_t>(std::stoi(std::string(s, 2), nullptr, 16)));
    return v;
}

CamelliaKey KeyOf(const std::vector<uint8_t>& v)
{
    CamelliaKey k{};
    std::memcpy(k.data(), v.data(), k.size());
    return k;
}

TEST(CamelliaCbc, MatchesTheRfc3713Vector)
{
    const CamelliaKey key = KeyOf(Hex("0123456789abcdeffedcba987654321000112233445566778899aabbccddeeff"));
    auto block = Hex("0123456789abcdeffedcba9876543210");
    CipherBlock chain{};
    ASSERT_TRUE(CamelliaCbcEncrypt(key, chain, block));
    EXPECT_EQ(block, Hex("9acc237dff16d76c20ef7c919e3a7509"));
    EXPECT_EQ(std::vector<uint8_t>(chain.begin(), chain.end()), block);  // next chaining value

    CipherBlock back{};
    ASSERT_TRUE(CamelliaCbcDecrypt(key, back, block));
    EXPECT_EQ(block, Hex("0123456789abcdeffedcba9876543210"));
}

TEST(CamelliaCbc, ChainRunsAcrossBuffersAndRoundTrips)
{
    const CamelliaKey key = KeyOf(Hex("00112233445566778899aabbccddeeff00112233445566778899aabbccddeeff"));
    std::vector<uint8_t> plain(160 + 48);
    for (size_t i = 0; i < plain.size(); ++i) plain[i] = static_cast<uint8_t>(i);
    const CipherBlock iv{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};

    auto whole = plain;
    CipherBlock c1 = iv;
    ASSERT_TRUE(CamelliaCbcEncrypt(key, c1, whole));

    // Header and body encrypted one after the other give the same stream.
    auto parts = plain;
    CipherBlock c2 = iv;
    ASSERT_TRUE(CamelliaCbcEncrypt(key, c2, std::span(parts.data(), 160)));
    ASSERT_TRUE(CamelliaCbcEncrypt(key, c2, std::span(parts.data() + 160, 48)));
    EXPECT_EQ(parts, whole);

    CipherBlock d = iv;
    ASSERT_TRUE(CamelliaCbcDecrypt(key, d, std::span(parts.data(), 160)));
    ASSERT_TRUE(CamelliaCbcDecrypt(key, d, std::span(parts.data() + 160, 48)));
    EXPECT_EQ(parts, plain);
}

TEST(CamelliaCbc, LengthNotAMultipleOf16FailsUntouched)
{
    const CamelliaKey key{};
    std::vector<uint8_t> data(20, 0xAB);
    CipherBlock chain{};
    EXPECT_FALSE(CamelliaCbcEncrypt(key, chain, data));
    EXPECT_FALSE(CamelliaCbcDecrypt(key, chain, data));
    EXPECT_EQ(data, std::vector<uint8_t>(20, 0xAB));
    EXPECT_EQ(chain, CipherBlock{});
}

TEST(LinkKey, ConstantsAreThirtyTwoAlphanumerics)
{
    for (const char* c : {kLinkKeyConstant1, kLinkKeyConstant2}) {
        ASSERT_EQ(std::strlen(c), 32u);
        for (int i = 0; i < 32; ++i) EXPECT_TRUE(std::isalnum(static_cast<unsigned char>(c[i])));
    }
    EXPECT_STRNE(kLinkKeyConstant1, kLinkKeyConstant2);
}

TEST(LinkKey, DependsOnThePasswordOnlyAndWrapsLongPasswords)
{
    const auto a = DeriveLinkKey("secret");
    ASSERT_TRUE(a);
    EXPECT_EQ(*DeriveLinkKey("secret"), *a);
    EXPECT_NE(*DeriveLinkKey("secreu"), *a);
    const auto empty = DeriveLinkKey("");
    ASSERT_TRUE(empty);
    EXPECT_NE(*empty, *a);
    // Byte 32 of a password folds back onto byte 0.
    const std::string p32(32, 'a');
    auto k32 = *DeriveLinkKey(p32);
    auto k33 = *DeriveLinkKey(p32 + "b");
    EXPECT_EQ(k33[0], static_cast<uint8_t>(k32[0] ^ 'b'));
    EXPECT_TRUE(std::equal(k32.begin() + 1, k32.end(), k33.begin() + 1));
}

}  // namespace
}  // namespace volmar
