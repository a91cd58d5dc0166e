// What the port-open message adds for the user, read from a laid-out root:
// proc/ with a ModemManager process, etc/group, the device.
#include "core/link/serial/PortAccessHint.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "Process.h"
#include "core/link/transfer/UnitMessages.h"

namespace volmar {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;
using testing::WriteFile;

// A group id this process does not have.
constexpr int kForeignGid = 424242;

void Process(const TempDir& root, const std::string& pid, const std::string& name)
{
    fs::create_directories(root.File("proc/" + pid + "/fd"));
    WriteFile(root.File("proc/" + pid + "/comm"), name + "\n");
}

TEST(PortAccessHint, PermissionNamesTheCommandForThisUserAndGroup)
{
    TempDir root;
    fs::create_directories(root.File("etc"));
    fs::create_directories(root.File("dev"));
    WriteFile(root.File("etc/group"),
              "root:x:0:\ndialout:x:" + std::to_string(kForeignGid) + ":alice,carol\n");
    const PortHostView alice{root.path(), "alice"}, bob{root.path(), "bob"};

    EXPECT_EQ(PortAccessHint(EACCES, "/dev/ttyUSB0", bob),
              "To give bob access to serial ports, run\n  sudo usermod -aG dialout bob\n"
              "then log out and log in again.");
    EXPECT_EQ(PortAccessHint(EPERM, "/dev/ttyUSB0", alice),
              "alice is in the dialout group, but this session began before that: log out and log in again.");
    EXPECT_EQ(PortAccessHint(ENOENT, "/dev/ttyUSB0", alice), "") << "nothing to add to a missing device";

    // A device whose group may read and write it names that group (uucp on
    // some systems); one only its owner may use falls back to dialout.
    const gid_t own = ::geteuid() == 0 ? 4243 : ::getegid();
    WriteFile(root.File("etc/group"), "dialout:x:20:\nuucp:x:" + std::to_string(own) + ":\n");
    WriteFile(root.File("dev/ttyUSB0"), "");
    ASSERT_EQ(::chmod(root.File("dev/ttyUSB0").c_str(), 0660), 0);
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(root.File("dev/ttyUSB0").c_str(), 0, own), 0);
    }
    if (own != 0) {
        EXPECT_NE(PortAccessHint(EACCES, "/dev/ttyUSB0", bob).find("sudo usermod -aG uucp bob"), std::string::npos);
    }
    ASSERT_EQ(::chmod(root.File("dev/ttyUSB0").c_str(), 0600), 0);
    EXPECT_NE(PortAccessHint(EACCES, "/dev/ttyUSB0", bob).find("sudo usermod -aG dialout bob"), std::string::npos);

    // The whole message: the fixed first line, the cause, then the hint.
    EXPECT_EQ(PortOpenMessage(3, "/dev/ttyUSB0", EACCES, bob).text.rfind(
                  "Cannot open COM port 3\n/dev/ttyUSB0: Permission denied: the user needs access to the port "
                  "(member of the dialout group).\nTo give bob access to serial ports, run\n"
                  "  sudo usermod -aG dialout bob\n",
                  0),
              0u);
}

TEST(PortAccessHint, ModemManagerHoldingThePortIsNamed)
{
    TempDir root;
    Process(root, "77", "bash");
    Process(root, "123", "ModemManager");
    fs::create_symlink("/dev/ttyACM1", root.File("proc/123/fd/4"));
    fs::create_symlink("/dev/ttyUSB0", root.File("proc/77/fd/3"));
    const PortHostView host{root.path(), "bob"};

    const std::string busy = PortAccessHint(EBUSY, "/dev/ttyACM1", host);
    EXPECT_EQ(busy.rfind("ModemManager (process 123) holds /dev/ttyACM1. Mark the adapter as a unit", 0), 0u) << busy;
    EXPECT_NE(busy.find("sudo systemctl stop ModemManager"), std::string::npos);
    // Held by another program, not by ModemManager: nothing about it.
    EXPECT_EQ(PortAccessHint(EBUSY, "/dev/ttyUSB0", host), "");
    // Permission and ModemManager together: both, the group command first.
    const std::string both = PortAccessHint(EACCES, "/dev/ttyACM1", host);
    EXPECT_LT(both.find("usermod"), both.find("ModemManager (process 123)"));

    // Its descriptors out of sight (another user's process): a busy port
    // may be its probing; other failures say nothing of it.
    fs::remove_all(root.File("proc/123/fd"));
    WriteFile(root.File("proc/123/fd"), "");
    EXPECT_EQ(PortAccessHint(EBUSY, "/dev/ttyACM1", host).rfind("ModemManager is running and may be probing", 0), 0u);
    EXPECT_EQ(PortAccessHint(ENOENT, "/dev/ttyACM1", host), "");

    EXPECT_EQ(PortOpenMessage(0, "/dev/ttyACM1", EBUSY, host).text.rfind(
                  "Cannot open COM port /dev/ttyACM1\nThe port is in use by another program.\nModemManager is running", 0),
              0u);
}

}  // namespace
}  // namespace volmar
