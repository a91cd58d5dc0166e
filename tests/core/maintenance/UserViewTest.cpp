// The user-view containers: entry layout, order, padding, checksum, the
// folder's limits, and that nothing is written or blocked on the way.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "Process.h"
#include "core/maintenance/UserView.h"

namespace volmar {
namespace {

using testing::TempDir;
using testing::WriteFile;

uint32_t Le(const std::vector<uint8_t>& b, size_t at, int bytes = 4)
{
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = v << 8 | b[at + i];
    return v;
}

std::string Build(const std::string& folder, UserViewContainers& out)
{
    Message error;
    return BuildUserViewContainers(folder, out, &error) ? std::string() : error.text;
}

TEST(UserView, ContainersInNameOrderWithUtcTimesOffsetsPaddingAndChecksum)
{
    const std::vector<uint8_t> abcd = {'a', 'b', 'c', 'd'};
    const auto c = WrapUserViewBlob(abcd);
    EXPECT_EQ(c, (std::vector<uint8_t>{0x5A, 0x5A, 0x5A, 0x5A, 4, 0, 0, 0, 'a', 'b', 'c', 'd', 0, 0, 0, 0, 'a', 'b',
                                       'c', 'd'}));

    TempDir dir;
    WriteFile(dir.File("b.htm"), "1234567");
    WriteFile(dir.File("a.css"), "abcde");
    WriteFile(dir.File(".hidden"), "x");
    std::filesystem::create_directory(dir.File(".git"));
    WriteFile(dir.File(std::string(24, 'n')), "");
    const timespec times[2] = {{1709251199, 0}, {1709251199, 0}};  // 2024-02-29 23:59:59 UTC
    ASSERT_EQ(utimensat(AT_FDCWD, dir.File("a.css").c_str(), times, 0), 0);
    setenv("TZ", "Asia/Tokyo", 1);
    tzset();
    UserViewContainers out;
    const std::string error = Build(dir.path(), out);
    unsetenv("TZ");
    tzset();
    ASSERT_EQ(error, "");

    const auto& d = out.directory;
    ASSERT_EQ(d.size(), 16 + 5 * 64u);
    EXPECT_EQ(Le(d, 4), 5 * 64u);
    EXPECT_STREQ(reinterpret_cast<const char*>(&d[16]), "/.hidden");
    const size_t a = 16 + 64;
    EXPECT_STREQ(reinterpret_cast<const char*>(&d[a]), "/a.css");
    const uint32_t expected[8] = {2024, 2, 29, 23, 59, 59, 1, 5};  // time, offset after ".hidden", length
    for (int i = 0; i < 6; ++i) EXPECT_EQ(Le(d, a + 32 + 2 * i, 2), expected[i]) << i;
    EXPECT_EQ(Le(d, a + 44), expected[6]);
    EXPECT_EQ(Le(d, a + 48), expected[7]);
    EXPECT_EQ(Le(d, a + 64 + 44), 6u);
    EXPECT_EQ(Le(d, a + 64 + 48), 7u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&d[16 + 3 * 64]), 32),
              "/" + std::string(24, 'n') + std::string(7, '\0'));
    EXPECT_EQ(std::vector<uint8_t>(d.end() - 64, d.end()), std::vector<uint8_t>(64, 0));

    // 13 bytes padded to 16; the checksum adds the words as the unit does.
    EXPECT_EQ(Le(out.data, 4), 16u);
    EXPECT_EQ(std::string(out.data.begin() + 16, out.data.end()), std::string("xabcde1234567\0\0\0", 16));
    uint32_t sum = 0;
    for (size_t i = 16; i < out.data.size(); i += 4) sum += Le(out.data, i);
    EXPECT_EQ(Le(out.data, 8), sum);
}

TEST(UserView, FolderLimitsAndRefusals)
{
    UserViewContainers out;
    TempDir dir;
    EXPECT_EQ(Build(dir.path(), out), "No file in specified folder.");
    EXPECT_EQ(Build(dir.File("none"), out), "Cannot find specified folder.");
    std::filesystem::create_directory(dir.File("img"));
    EXPECT_EQ(Build(dir.path(), out), "Subfolder(s) found in specified folder.");
    std::filesystem::remove(dir.File("img"));
    WriteFile(dir.File(std::string(25, 'n')), "");
    EXPECT_EQ(Build(dir.path(), out), "Max. file name length limited to 24 characters.\n" + std::string(25, 'n'));
    std::filesystem::remove(dir.File(std::string(25, 'n')));
    // A FIFO would block a read; it is refused at once.
    ASSERT_EQ(mkfifo(dir.File("pipe").c_str(), 0600), 0);
    EXPECT_EQ(Build(dir.path(), out), "Failed to read user defined browser view file.\npipe");
    std::filesystem::remove(dir.File("pipe"));

    WriteFile(dir.File("big.bin"), std::string(1048576, 'b'));
    EXPECT_EQ(Build(dir.path(), out), "");
    WriteFile(dir.File("big.bin"), std::string(1048577, 'b'));
    EXPECT_EQ(Build(dir.path(), out), "Max. file size limited to 1MB.\nbig.bin");
    for (int i = 0; i < 4; ++i) WriteFile(dir.File("f" + std::to_string(i)), std::string(1048576, 'f'));
    std::filesystem::remove(dir.File("big.bin"));
    EXPECT_EQ(Build(dir.path(), out), "User defined browser view file size is over capacity.");

    TempDir many;
    for (int i = 0; i < 1024; ++i) WriteFile(many.File(std::to_string(10000 + i)), "");
    EXPECT_EQ(Build(many.path(), out), "");
    WriteFile(many.File("more"), "");
    EXPECT_EQ(Build(many.path(), out), "Max. number of files limited to 1024.");
}

TEST(UserView, NothingIsWrittenToTheWorkingDirectory)
{
    TempDir work;
    TempDir folder;
    WriteFile(folder.File("index.htm"), "<html></html>");
    // A file of the name other tools work with neither blocks nor goes.
    WriteFile(work.File("user_romfile.dat"), "mine");
    ASSERT_EQ(chmod(work.path().c_str(), 0500), 0);
    const std::string before = std::filesystem::current_path();
    ASSERT_EQ(chdir(work.path().c_str()), 0);
    UserViewContainers out;
    Message error;
    const bool ok = PackUserView(folder.path(), out, &error);
    ASSERT_EQ(chdir(before.c_str()), 0);
    chmod(work.path().c_str(), 0700);
    EXPECT_TRUE(ok) << error.text;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(work.path()), {}), 1);
    EXPECT_EQ(testing::ReadFile(work.File("user_romfile.dat")), "mine");
}

}  // namespace
}  // namespace volmar
