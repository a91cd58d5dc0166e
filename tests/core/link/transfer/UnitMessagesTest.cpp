// The unit's result texts where they take the unit's own words.
#include "core/link/transfer/UnitMessages.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace volmar {
namespace {

TEST(UnitMessages, UnitTextIsCleanedAndCut)
{
    const auto broken = UnitResultMessage(101, std::string("AI1\xFF\xFE", 5));
    ASSERT_TRUE(broken);
    EXPECT_EQ(broken->text, "Cannot save: Unsupported setting value(s).\nAI1\xEF\xBF\xBD\xEF\xBF\xBD");

    const auto longText = UnitResultMessage(101, std::string(5000, 'z'));
    EXPECT_EQ(longText->text, "Cannot save: Unsupported setting value(s).\n" + std::string(4096, 'z'));
    // UTF-16 units, not bytes or characters: a two-byte character is one
    // unit, a four-byte one two units.
    std::string accents, faces;
    for (int i = 0; i < 5000; ++i) accents += "\xC3\xA9";
    for (int i = 0; i < 3000; ++i) faces += "\xF0\x9F\x98\x80";
    const std::string head = "Cannot save: Unsupported setting value(s).\n";
    EXPECT_EQ(UnitResultMessage(101, accents)->text, head + accents.substr(0, 2 * 4096));
    EXPECT_EQ(UnitResultMessage(101, faces)->text, head + faces.substr(0, 4 * 2048));
    EXPECT_EQ(UnitResultMessage(101, "z" + faces)->text, head + "z" + faces.substr(0, 4 * 2047))
        << "a pair that does not fit whole is left out";

    EXPECT_FALSE(UnitResultMessage(100, "ignored"));
    EXPECT_EQ(UnitResultMessage(-1, "")->text, "Error.\nCODE:-1");
}

TEST(UnitMessages, PortOpenNamesTheDeviceAndTheCause)
{
    EXPECT_EQ(PortOpenMessage(4, "/dev/ttyACM0", ENOENT).text,
              "Cannot open COM port 4\n/dev/ttyACM0: No such port: the device is not connected.");
    const Message denied = PortOpenMessage(4, "/dev/ttyACM0", EACCES);
    EXPECT_EQ(denied.text.rfind("Cannot open COM port 4\n/dev/ttyACM0: Permission denied", 0), 0u);
    EXPECT_NE(denied.text.find("dialout"), std::string::npos);
    EXPECT_EQ(denied.icon, MessageIcon::Error);
    EXPECT_EQ(PortOpenMessage(0, "/dev/ttyUSB1", EBUSY).text,
              "Cannot open COM port /dev/ttyUSB1\nThe port is in use by another program.");
    EXPECT_EQ(PortOpenMessage(2, "", ENOENT).text, "Cannot open COM port 2\nNo serial device is kept for COM2.");
}

}  // namespace
}  // namespace volmar
