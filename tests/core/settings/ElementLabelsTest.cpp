#include "core/settings/ElementLabels.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>

#include "RecordFactory.h"
#include "core/settings/DocumentWriter.h"

namespace volmar {
namespace {

// Every leaf of a maximal record has a caption of the table and a section
// the editors know; no two leaves read alike.
TEST(ElementLabels, EveryLeafHasItsOwnCaption)
{
    auto record = testing::MakeMaximalRecord();
    size_t leaves = 0;
    std::set<std::string> seen;
    VisitSettingValues(*record, [&](const std::string& path, std::string_view) {
        ++leaves;
        EXPECT_TRUE(HasElementCaption(path)) << path;
        const ElementLabel label = LabelOfElement(path);
        EXPECT_FALSE(label.section.empty()) << path;
        EXPECT_FALSE(label.field.empty()) << path;
        EXPECT_EQ(label.section.find('_'), std::string::npos) << path << " " << label.section;
        EXPECT_TRUE(seen.insert(label.section + "|" + label.Full()).second) << path << " reads as " << label.Full();
    });
    EXPECT_GT(leaves, 3000u);
}

TEST(ElementLabels, ReadLikeTheEditors)
{
    struct Case {
        const char* path;
        const char* section;
        const char* full;
    } cases[] = {
        {"<VOL_MAR><IO><AI><AI1><SCALE_100>", "Analog inputs", "AI1 \xC2\xB7 Scaling 100%"},
        {"<VOL_MAR><IO><AI><AI2><AREA3><LEVEL_UPPER>", "Analog inputs", "AI2 \xC2\xB7 Zone 3 \xC2\xB7 Upper limit"},
        {"<VOL_MAR><IO><PI><PI4><WIDTH><HIGH>", "Pulse inputs", "PI4 \xC2\xB7 Pulse range Upper limit"},
        {"<VOL_MAR><IO><MODBUS_MASTER><NODE2>", "I/O slaves", "Slave 2 \xC2\xB7 IP address"},
        {"<VOL_MAR><COM><SNTP><SERVER>", "Communication", "SNTP \xC2\xB7 SNTP server"},
        {"<VOL_MAR><COM><TCP_IP><IP_ADDRESS><MY>", "Network", "IP address"},
        {"<VOL_MAR><SYSTEM><DST><START><MON>", "System", "Daylight saving time Start month"},
        {"<VOL_MAR><VOLMAR><AUTH0><LOGIN>", "Configurator access", "ID1 \xC2\xB7 Login ID"},
        {"<VOL_MAR><MAIL_REPORT><EVENT5><DST7>", "E-mail", "Event report 5 \xC2\xB7 To/Cc 7"},
        {"<VOL_MAR><DISP><PEN_COLOR12>", "Graph/Display", "Pen 12 \xC2\xB7 Color"},
    };
    for (const Case& c : cases) {
        const ElementLabel label = LabelOfElement(c.path);
        EXPECT_EQ(label.section, c.section) << c.path;
        EXPECT_EQ(label.Full(), c.full) << c.path;
    }
    // A path the description does not hold still reads as something.
    EXPECT_EQ(LabelOfElement("<VOL_MAR><NOPE><X>").field, "X");
    EXPECT_FALSE(LabelOfElement("garbage").field.empty());
    EXPECT_FALSE(LabelOfElement("").field.empty());
    // A NUL inside a name is not the end of it (found by fuzzing: it read
    // past the shorter name it was compared with).
    using namespace std::string_view_literals;
    EXPECT_FALSE(LabelOfElement("<VOL_MAR><IO><AI\0><AI><MESSAG\0\0E>"sv).field.empty());
    EXPECT_NE(LabelOfElement("<VOL_MAR><IO><AI\0>"sv).section, "Analog inputs");
}

TEST(CompareSettings, ListsExactlyTheChangedValuesInDocumentOrder)
{
    auto a = testing::MakeMaximalRecord();
    auto b = testing::MakeMaximalRecord();
    EXPECT_TRUE(CompareSettings(*a, *b).empty());

    std::strcpy(b->COM.SNTP.SERVER, "ntp.example\r\nx");
    b->IO.AI[0].POINT = static_cast<int16_t>((a->IO.AI[0].POINT + 1) % 4);
    const auto d = CompareSettings(*a, *b);
    ASSERT_EQ(d.size(), 2u);
    EXPECT_EQ(d[0].path, "<VOL_MAR><IO><AI><AI1><POINT>");
    EXPECT_EQ(d[0].label.Full(), "AI1 \xC2\xB7 Number of decimal places");
    EXPECT_EQ(d[1].path, "<VOL_MAR><COM><SNTP><SERVER>");
    EXPECT_EQ(d[1].right, "ntp.example\\nx");
    EXPECT_EQ(d[1].left, ShownValue(a->COM.SNTP.SERVER));
}

}  // namespace
}  // namespace volmar
