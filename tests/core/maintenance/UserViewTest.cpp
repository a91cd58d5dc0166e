// The user-view containers: entry layout, order, padding, checksum, the
// folder's limits, and that nothing is written or blocked on the way.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "Process.h"
#include "maintenance/UserView.h"
#include "settings/Gzlib.h"

namespace volmar {
namespace {

using testing::TempDir;
using testing::WriteFile;

uint32_t Le32(const std::vector<uint8_t>& b, size_t at)
{
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}
unsigned Le16(const std::vector<uint8_t>& b, size_t at) { return b[at] | b[at + 1] << 8; }

std::string Build(const TempDir& dir, UserViewContainers& out)
{
    Message error;
    return BuildUserViewContainers(dir.path(), out, &error) ? std::string() : error.text;
}

void SetTime(const std::string& path, time_t t)
{
    const timespec times[2] = {{t, 0}, {t, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

TEST(UserView, ContainerHeaderPaddingAndChecksum)
{
    const std::vector<uint8_t> abcd = {'a', 'b', 'c', 'd'};
    auto c = WrapUserViewBlob(abcd);
    ASSERT_EQ(c.size(), 20u);
    EXPECT_EQ(Le32(c, 0), 0x5A5A5A5Au);
    EXPECT_EQ(Le32(c, 4), 4u);
    EXPECT_EQ(Le32(c, 8), 0x64636261u);
    EXPECT_EQ(Le32(c, 12), 0u);
    // The sum wraps at 2^32 and takes the zero padding.
    const std::vector<uint8_t> odd = {0xFF, 0xFF, 0xFF, 0xFF, 0x02};
    c = WrapUserViewBlob(odd);
    ASSERT_EQ(c.size(), 24u);
    EXPECT_EQ(Le32(c, 4), 8u);
    EXPECT_EQ(Le32(c, 8), 1u);
}

TEST(UserView, EntriesInNameOrderWithUtcTimesOffsetsAndLengths)
{
    TempDir dir;
    WriteFile(dir.File("b.htm"), "1234567");
    WriteFile(dir.File("a.css"), "abcde");
    WriteFile(dir.File(".hidden"), "x");
    std::filesystem::create_directory(dir.File(".git"));
    const std::string name24(24, 'n');
    WriteFile(dir.File(name24), "");
    SetTime(dir.File("a.css"), 1709251199);  // 2024-02-29 23:59:59 UTC
    setenv("TZ", "America/New_York", 1);
    tzset();
    UserViewContainers out;
    const std::string error = Build(dir, out);
    unsetenv("TZ");
    tzset();
    ASSERT_EQ(error, "");

    const auto& d = out.directory;
    ASSERT_EQ(d.size(), 16 + 5 * 64u);
    EXPECT_EQ(Le32(d, 4), 5 * 64u);
    const char* names[4] = {"/.hidden", "/a.css", "/b.htm", nullptr};
    for (int i = 0; i < 3; ++i) EXPECT_STREQ(reinterpret_cast<const char*>(&d[16 + 64 * i]), names[i]);
    const size_t a = 16 + 64;
    EXPECT_EQ(Le16(d, a + 32), 2024u);
    EXPECT_EQ(Le16(d, a + 34), 2u);
    EXPECT_EQ(Le16(d, a + 36), 29u);
    EXPECT_EQ(Le16(d, a + 38), 23u);
    EXPECT_EQ(Le16(d, a + 40), 59u);
    EXPECT_EQ(Le16(d, a + 42), 59u);
    EXPECT_EQ(Le32(d, a + 44), 1u);  // after ".hidden"
    EXPECT_EQ(Le32(d, a + 48), 5u);
    EXPECT_EQ(Le32(d, a + 64 + 44), 6u);
    EXPECT_EQ(Le32(d, a + 64 + 48), 7u);
    // "/" + 24 characters + NUL, the rest zero.
    const size_t n = 16 + 3 * 64;
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&d[n]), 32), "/" + name24 + std::string(7, '\0'));
    EXPECT_EQ(std::vector<uint8_t>(d.end() - 64, d.end()), std::vector<uint8_t>(64, 0));

    const auto& data = out.data;
    EXPECT_EQ(Le32(data, 4), 16u);  // 13 bytes padded
    EXPECT_EQ(std::string(data.begin() + 16, data.begin() + 29), "xabcde1234567");

    // The compressed containers decompress to the same bytes.
    UserViewContainers packed;
    Message msg;
    ASSERT_TRUE(PackUserView(dir.path(), packed, &msg)) << msg.text;
    CGzlib zip;
    ASSERT_TRUE(zip.Decompress(packed.data.data(), packed.data.size()));
    EXPECT_EQ(std::vector<uint8_t>(zip.Decompressed(), zip.Decompressed() + zip.DecompressedLength()), data);
}

TEST(UserView, FolderLimitsAndRefusals)
{
    UserViewContainers out;
    {
        TempDir dir;
        EXPECT_EQ(Build(dir, out), "No file in specified folder.");
        std::filesystem::create_directory(dir.File("img"));
        EXPECT_EQ(Build(dir, out), "Subfolder(s) found in specified folder.");
    }
    {
        TempDir dir;
        WriteFile(dir.File(std::string(25, 'n')), "");
        EXPECT_EQ(Build(dir, out), "Max. file name length limited to 24 characters.\n" + std::string(25, 'n'));
    }
    {
        TempDir dir;
        WriteFile(dir.File("big.bin"), std::string(1048576, 'b'));
        EXPECT_EQ(Build(dir, out), "");
        WriteFile(dir.File("big.bin"), std::string(1048577, 'b'));
        EXPECT_EQ(Build(dir, out), "Max. file size limited to 1MB.\nbig.bin");
        // Four files of 1 MiB pass the size rule one by one, not together.
        for (int i = 0; i < 4; ++i) WriteFile(dir.File("f" + std::to_string(i)), std::string(1048576, 'f'));
        std::filesystem::remove(dir.File("big.bin"));
        EXPECT_EQ(Build(dir, out), "User defined browser view file size is over capacity.");
    }
    {
        TempDir dir;
        for (int i = 0; i < 1024; ++i) WriteFile(dir.File(std::to_string(10000 + i)), "");
        EXPECT_EQ(Build(dir, out), "");
        WriteFile(dir.File("more"), "");
        EXPECT_EQ(Build(dir, out), "Max. number of files limited to 1024.");
    }
    {
        // A FIFO would block a read; it is refused at once.
        TempDir dir;
        ASSERT_EQ(mkfifo(dir.File("pipe").c_str(), 0600), 0);
        EXPECT_EQ(Build(dir, out), "Failed to read user defined browser view file.\npipe");
    }
    TempDir missing;
    EXPECT_FALSE(BuildUserViewContainers(missing.File("none"), out, nullptr));
}

TEST(UserView, NothingIsWrittenToTheWorkingDirectory)
{
    TempDir work;
    TempDir folder;
    WriteFile(folder.File("index.htm"), "<html></html>");
    // Stale files of the names other tools use neither block nor get deleted.
    WriteFile(work.File("user_romfile.dat"), "mine");
    const std::string before = std::filesystem::current_path();
    ASSERT_EQ(chdir(work.path().c_str()), 0);
    UserViewContainers out;
    Message error;
    const bool ok = PackUserView(folder.path(), out, &error);
    ASSERT_EQ(chdir(before.c_str()), 0);
    EXPECT_TRUE(ok) << error.text;
    size_t entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(work.path())) ++entries;
    EXPECT_EQ(entries, 1u);
    EXPECT_EQ(testing::ReadFile(work.File("user_romfile.dat")), "mine");
}

}  // namespace
}  // namespace volmar
