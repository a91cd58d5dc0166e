// Atomic file writes: the mode a new file gets from the umask, the mode a
// replaced file keeps, and nothing left behind when a write is dropped.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "Process.h"
#include "core/common/FileIo.h"

namespace volmar {
namespace {

mode_t ModeOf(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0;
}

size_t EntriesIn(const std::string& dir)
{
    size_t n = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir)) ++n;
    return n;
}

TEST(FileIo, NewFilesTakeTheUmaskAndReplacedFilesKeepTheirMode)
{
    testing::TempDir dir;
    const mode_t old = ::umask(027);
    const std::string fresh = dir.File("fresh.txt");
    EXPECT_TRUE(WriteFileAtomically(fresh, "one"));
    EXPECT_EQ(ModeOf(fresh), 0640u);
    ::umask(0);
    EXPECT_TRUE(WriteFileAtomically(dir.File("open.txt"), "one"));
    EXPECT_EQ(ModeOf(dir.File("open.txt")), 0666u);
    ::umask(old);

    ASSERT_EQ(::chmod(fresh.c_str(), 0604), 0);
    EXPECT_TRUE(WriteFileAtomically(fresh, "two"));
    EXPECT_EQ(ModeOf(fresh), 0604u);
    EXPECT_EQ(testing::ReadFile(fresh), "two");

    {
        AtomicFile dropped;
        ASSERT_TRUE(dropped.Open(fresh));
        EXPECT_TRUE(dropped.Write("three"));
        EXPECT_EQ(EntriesIn(dir.path()), 3u);
    }
    EXPECT_EQ(testing::ReadFile(fresh), "two");
    EXPECT_EQ(EntriesIn(dir.path()), 2u) << "the new file of a dropped write is removed";

    AtomicFile pieces;
    ASSERT_TRUE(pieces.Open(fresh));
    EXPECT_TRUE(pieces.Write("four,"));
    EXPECT_TRUE(pieces.Write("five"));
    EXPECT_TRUE(pieces.Commit());
    EXPECT_EQ(testing::ReadFile(fresh), "four,five");
    EXPECT_EQ(EntriesIn(dir.path()), 2u);

    std::string error;
    EXPECT_FALSE(WriteFileAtomically(dir.File("missing/x.txt"), "x", &error));
    EXPECT_NE(error.find("missing/x.txt"), std::string::npos) << error;
}

}  // namespace
}  // namespace volmar
