#include "core/settings/ValueText.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstring>

#include "core/settings/TextConvert.h"

namespace volmar {
namespace {

uint32_t Parse(const char* s) { return ParseIntegerText(s, std::strlen(s)); }

TEST(ValueText, ReaderIntegerRule)
{
    EXPECT_EQ(Parse("0x1F"), 31u);
    EXPECT_EQ(Parse("0Xff"), 255u);
    EXPECT_EQ(Parse("0x"), 0u);
    EXPECT_EQ(Parse(""), 0u);
    EXPECT_EQ(Parse("12ab"), 12u);
    EXPECT_EQ(Parse("-5"), 0xFFFFFFFBu);
    EXPECT_EQ(Parse("0-5"), 0xFFFFFFFBu) << "a minus is taken while no non-zero digit was read";
    EXPECT_EQ(Parse("5-3"), 5u);
    EXPECT_EQ(Parse("4294967296"), 0u) << "the 32-bit result wraps";
    EXPECT_EQ(Parse(" 5"), 0u) << "no leading blanks";
}

TEST(ValueText, EditorIntegerChecks)
{
    int64_t v = 0;
    EXPECT_TRUE(CheckIntegerText("+9", &v));
    EXPECT_EQ(v, 9);
    EXPECT_TRUE(CheckIntegerText("-12", &v));
    EXPECT_EQ(v, -12);
    EXPECT_TRUE(CheckIntegerText("-", &v));
    EXPECT_EQ(v, 0) << "a lone sign reads as 0";
    for (const char* bad : {"", "9h", "1-2", "--1", " 1", "1.0"}) EXPECT_FALSE(CheckIntegerText(bad)) << bad;

    EXPECT_TRUE(CheckSignedRange("-12", -12, 13));
    EXPECT_FALSE(CheckSignedRange("14", -12, 13));
    EXPECT_FALSE(CheckSignedRange("", 0, 10));
    EXPECT_FALSE(CheckSignedRange("1x", 0, 10));
    EXPECT_FALSE(CheckSignedRange("99999999999999999999", 0, 10));
    EXPECT_TRUE(CheckUnsignedRange("4294967295", 0, 4294967295u));
    EXPECT_FALSE(CheckUnsignedRange("4294967296", 0, 4294967295u));
    EXPECT_FALSE(CheckUnsignedRange("-1", 0, 4294967295u)) << "no wrap-around of negative numbers";
    uint64_t u = 0;
    EXPECT_TRUE(CheckHexRange("3ff", 0, 0xFFFF, &u));
    EXPECT_EQ(u, 0x3FFu);
    EXPECT_FALSE(CheckHexRange("10000", 0, 0xFFFF));
    EXPECT_FALSE(CheckHexRange("FG", 0, 0xFFFF));
}

TEST(ValueText, PrecisionAgainstTheChannelsDisplay)
{
    EXPECT_TRUE(CheckValuePrecision("1.23", 2, false));
    EXPECT_TRUE(CheckValuePrecision("1.230", 2, false)) << "trailing zeros carry no precision";
    EXPECT_FALSE(CheckValuePrecision("1.234", 2, false));
    EXPECT_TRUE(CheckValuePrecision("-40", 0, false));
    EXPECT_FALSE(CheckValuePrecision("0.5", 0, false));
    EXPECT_TRUE(CheckValuePrecision("+1.5", 1, false));
    for (const char* bad : {"", "1.2.3", "1+", "abc", "1e", "1e2.5", "--1", "1,5", "."}) {
        EXPECT_FALSE(CheckValuePrecision(bad, 3, false)) << bad;
    }
    // Exponent display: what "%.3e" shows without loss.
    EXPECT_TRUE(CheckValuePrecision("1.234e3", 0, true));
    EXPECT_TRUE(CheckValuePrecision("1.5E-7", 0, true));
    EXPECT_FALSE(CheckValuePrecision("1.2345e3", 0, true));
    EXPECT_FALSE(CheckValuePrecision("123456", 0, true));
    EXPECT_TRUE(CheckValuePrecision("123400", 0, true));

    EXPECT_TRUE(CheckRealRange(1e10));
    EXPECT_TRUE(CheckRealRange(-1e10));
    EXPECT_TRUE(CheckRealRange(1e10 + 0.0004)) << "the value is compared as printed with three decimals";
    EXPECT_FALSE(CheckRealRange(1e10 + 0.002));
}

TEST(ValueText, NumbersIgnoreTheProcessLocale)
{
    const char* old = std::setlocale(LC_NUMERIC, nullptr);
    std::string saved = old ? old : "C";
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && !std::setlocale(LC_NUMERIC, "fr_FR.UTF-8")) {
        GTEST_SKIP() << "no locale with a decimal comma installed";
    }
    EXPECT_EQ(FormatFixed(1.5, 3), "1.500");
    EXPECT_EQ(ParseDouble("2.25", 4), 2.25);
    EXPECT_TRUE(CheckValuePrecision("2.25", 2, false));
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(TextConvert, Utf8AndUtf16)
{
    EXPECT_EQ(Utf8ToWide("a\xC3\xA9\xE2\x82\xAC"), u"a\u00E9\u20AC");
    EXPECT_EQ(Utf8ToWide("\xF0\x9F\x98\x80"), u"\U0001F600");
    EXPECT_EQ(Utf8ToWide("x\xC3"), u"x\uFFFD") << "a truncated sequence";
    EXPECT_EQ(Utf8ToWide("\xC0\xAF"), u"\uFFFD\uFFFD") << "an overlong form";
    EXPECT_EQ(Utf8ToWide("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD") << "an encoded surrogate";
    EXPECT_EQ(Utf8ToWide(std::string(5000, 'a')).size(), kMaxWideUnits);

    char out[3];
    EXPECT_EQ(WideCharToUtf8(u'A', out), 1u);
    EXPECT_EQ(WideCharToUtf8(u'\u00E9', out), 2u);
    EXPECT_EQ(WideCharToUtf8(u'\u20AC', out), 3u);
    EXPECT_EQ(std::string(out, 3), "\xE2\x82\xAC");
    EXPECT_EQ(WideToUtf8(u"a\u00E9\U0001F600"), "a\xC3\xA9\xF0\x9F\x98\x80");
    EXPECT_EQ(WideToUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
}

TEST(ValueText, DottedAddressesReadAsTheAddressControlDoes)
{
    const auto parts = ParseIpv4Text("010.001.000.007");
    ASSERT_TRUE(parts);
    EXPECT_EQ(FormatIpv4(*parts), "10.1.0.7");
    EXPECT_EQ(FormatIpv4(*ParseIpv4Text("255.255.255.0")), "255.255.255.0");
    for (const char* bad : {"10.0.0.256", "0010.1.1.1", "1.2.3", "1.2.3.4.", " 1.2.3.4", "1..2.3", "", "1.2.3.4x"})
        EXPECT_FALSE(ParseIpv4Text(bad)) << bad;
}

}  // namespace
}  // namespace volmar
