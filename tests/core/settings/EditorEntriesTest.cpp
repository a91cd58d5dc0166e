#include "core/settings/EditorEntries.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "RecordFactory.h"
#include "core/settings/DocumentSchema.h"
#include "core/settings/DocumentWriter.h"
#include "core/settings/SlmpDeviceTables.h"

namespace volmar {
namespace {

// Every keyword of every list field, in every channel, zone and item, reads
// as an entry of its editor's list, and no two keywords of a field read
// alike (else a change would show as "Enable -> Enable"). The numbers the
// editors pick from a list (register type, SLMP device, partitions, week of
// the month) do the same for every value the reader accepts.
TEST(EditorEntries, EveryListValueReadsAsItsEditorsEntry)
{
    auto record = testing::MakeMaximalRecord();
    size_t keywordLeaves = 0, numberLeaves = 0;
    std::set<const KeywordList*> lists;
    auto check = [](const std::string& path, std::initializer_list<std::string> values) {
        std::set<std::string> shown;
        for (const std::string& value : values) {
            const char* entry = EditorEntry(path, value);
            ASSERT_NE(entry, nullptr) << path << " " << value;
            EXPECT_EQ(EditorValue(path, value), entry);
            EXPECT_TRUE(shown.insert(entry).second) << path << ": " << value << " reads as " << entry;
        }
    };
    VisitSettingValues(*record, [&](const std::string& path, std::string_view) {
        const std::vector<PathStep> steps = ResolvePath(path);
        ASSERT_FALSE(steps.empty()) << path;
        const Node& leaf = *steps.back().node;
        if (leaf.fmt == Fmt::Keyword) {
            ++keywordLeaves;
            lists.insert(leaf.keywords);
            std::set<std::string> shown;
            for (int i = 0; i < leaf.keywords->count; ++i) {
                const std::string keyword = leaf.keywords->words[i];
                const char* entry = EditorEntry(path, keyword);
                ASSERT_NE(entry, nullptr) << path << " " << keyword;
                EXPECT_NE(*entry, '\0') << path << " " << keyword;
                EXPECT_TRUE(shown.insert(entry).second) << path << ": " << keyword << " reads as " << entry;
            }
            return;
        }
        const std::string name = leaf.name;
        const std::string owner = steps.size() > 1 ? steps[steps.size() - 2].node->name : "";
        if (name == "WEEK1") check(path, {"1", "2", "3", "4", "5"});
        else if (name == "USE_AREAS") check(path, {"0", "2", "3", "4", "5"});
        else if (name == "MOD_TYPE" && (owner == "AI" || owner == "PI")) check(path, {"3", "4"});
        else if (name == "MOD_TYPE" && owner == "DI") check(path, {"0", "1"});
        else if (name == "MOD_TYPE") check(path, {"0"});
        else if (name != "SLMP_DEV_CODE") return;
        ++numberLeaves;
    });
    EXPECT_GT(keywordLeaves, 1000u);
    EXPECT_GT(numberLeaves, 500u);
    EXPECT_EQ(lists.size(), 28u) << "every keyword list but the input kinds, which no field of its own uses";

    // Every device of every SLMP table reads as its name.
    for (int32_t slave = 0; slave < 3; ++slave) {
        for (SlmpDeviceTable table : {AiDeviceTable(slave), PiDeviceTable(slave), BitDeviceTable(slave)}) {
            for (int row = 0; row < table.count; ++row) {
                const std::string code = std::to_string(table.rows[row].code);
                EXPECT_STREQ(EditorEntry("<VOL_MAR><IO><DO><DO64><SLMP_DEV_CODE>", code), table.rows[row].name);
            }
        }
    }
}

TEST(EditorEntries, ReadLikeTheEditorsAndLeaveTextsAndNumbers)
{
    struct Case {
        const char* path;
        const char* value;
        const char* shown;
    } cases[] = {
        {"<VOL_MAR><IO><AI><AI1><TYPE>", "NONE", "Disable"},
        {"<VOL_MAR><IO><AI><AI1><TYPE>", "CARD", "I/O module"},
        {"<VOL_MAR><IO><AI><AI7><TYPE>", "DEMO_SIN", "Demo (sine wave)"},
        {"<VOL_MAR><IO><DI><DI2><TYPE>", "AI", "AI"},
        {"<VOL_MAR><IO><PI><PI3><TYPE>", "ANALOG_SUM", "Analog accumulation"},
        {"<VOL_MAR><IO><DO><DO4><TYPE>", "SLMP", "SLMP"},
        {"<VOL_MAR><IO><OI><OI5><TYPE>", "ADD", "Addition/Subtraction"},
        {"<VOL_MAR><IO><AI><AI1><MOD_TYPE>", "4", "Holding Register (4X)"},
        {"<VOL_MAR><IO><DI><DI1><MOD_TYPE>", "1", "Input (1X)"},
        {"<VOL_MAR><IO><AI><AI1><SLMP_DEV_CODE>", "168", "D"},
        {"<VOL_MAR><IO><AI><AI1><USE_AREAS>", "0", "Disable"},
        {"<VOL_MAR><IO><AI><AI1><AREA2><RECORD>", "START", "Start"},
        {"<VOL_MAR><IO><MODBUS_MASTER><SLAVE_TYPE3>", "SLMP32", "SLMP 32bit"},
        {"<VOL_MAR><SYSTEM><DST><END><WEEK1>", "5", "Last"},
        {"<VOL_MAR><SYSTEM><DST><END><WEEK2>", "SAT", "Saturday"},
        {"<VOL_MAR><COM><TCP_IP><IP_ADDRESS><DHCP>", "ON", "Automatic setting (DHCP)"},
        {"<VOL_MAR><COM><FTPC><PASV_ADDR>", "ACTIVE", "Ignore"},
        {"<VOL_MAR><COM><SMTP_POP3><SMTP_AUTH><MODE>", "CRAM_MD5", "CRAM-MD5"},
        {"<VOL_MAR><RECORD><SPEED>", "1S", "1 second"},
        {"<VOL_MAR><RECORD><MB><TRANS>", "1MON", "1 month"},
        {"<VOL_MAR><DISP><TREND>", "HRIZONTAL", "Horizontal"},
        {"<VOL_MAR><MAIL_REPORT><EVENT2><DST3>", "BCC", "Bcc"},
        {"<VOL_MAR><IO><DI><DI1><INVERT>", "ACTIVE", "Enable"},
        // Texts, numbers and values no list holds stay as the document has them.
        {"<VOL_MAR><IO><AI><AI1><NAME>", "NONE", "NONE"},
        {"<VOL_MAR><IO><AI><AI1><POINT>", "2", "2"},
        {"<VOL_MAR><IO><AI><AI1><SCALE_100>", "100.000", "100.000"},
        {"<VOL_MAR><IO><AI><AI1><TYPE>", "BOGUS", "BOGUS"},
        {"<VOL_MAR><IO><AI><AI1><TYPE>", "", ""},
        {"<VOL_MAR><IO><AI><AI1><SLMP_DEV_CODE>", "7", "7"},
        {"<VOL_MAR><IO><DI><DI1><MOD_TYPE>", "+", "+"},
        {"<VOL_MAR><IO><OI><OI1><INPUT><X1>", "AI1", "AI1"},
        {"<VOL_MAR><NOPE><TYPE>", "NONE", "NONE"},
        {"garbage", "CARD", "CARD"},
    };
    for (const Case& c : cases) EXPECT_EQ(EditorValue(c.path, c.value), c.shown) << c.path << " " << c.value;
}

}  // namespace
}  // namespace volmar
