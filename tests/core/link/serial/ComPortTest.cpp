// The serial port on a real pseudo-terminal, with the simulator's unit
// serving the master side on a thread.
#include "core/link/serial/ComPort.h"

#include <gtest/gtest.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

#include "sim/serial/PseudoTerminal.h"

#include "FakeUnitModel.h"
#include "FdCount.h"
#include "PtyUnit.h"
#include "SerialFrames.h"

namespace volmar {
namespace {

using test::Bytes;

bool GetObject(CComPort& port, const std::string& object, Bytes& out, size_t& received)
{
    const Bytes name = test::TextBytes(object);
    out.assign(0x200000, 0);
    return port.Request('G', name.data(), name.size(), 'g', out.data(), out.size(), received);
}

TEST(ComPort, TalksToTheSimulatedUnitOverAPseudoTerminal)
{
    test::FakeUnitModel model;
    const Bytes config = test::Pattern(2500, 8);
    model.SetObject("CONFIG_P", config);
    model.QueueResult({2, 0, ""});
    test::PtyUnit unit(model, {.paceAtLineRate = true});
    ASSERT_TRUE(unit.Running());

    CComPort port;
    const PortOpenResult opened = port.Open(unit.SlavePath());
    ASSERT_TRUE(opened.ok) << DescribePortOpenError(opened.error);

    Bytes out(16);
    size_t received = 0;
    ASSERT_TRUE(port.Request('S', nullptr, 0, 's', out.data(), out.size(), received));
    EXPECT_EQ(Bytes(out.begin(), out.begin() + received), (Bytes(model.status.begin(), model.status.end())));

    ASSERT_TRUE(GetObject(port, "CONFIG_P", out, received));
    EXPECT_EQ(Bytes(out.begin(), out.begin() + received), config);
    EXPECT_EQ(port.Progress(), static_cast<int32_t>(config.size()));

    const Bytes upload = test::Pattern(3000, 1);
    const Bytes name = test::TextBytes("CONFIG_P");
    ASSERT_TRUE(port.Send(name.data(), name.size(), upload.data(), upload.size()));
    EXPECT_EQ(port.Progress(), 3000);
    ASSERT_EQ(model.Puts().size(), 1u);
    EXPECT_EQ(model.Puts()[0].second, upload);

    out.assign(1024, 0);
    ASSERT_TRUE(port.Request('A', nullptr, 0, 'a', out.data(), out.size(), received));
    EXPECT_EQ(Bytes(out.begin(), out.begin() + received), (Bytes{2, 0}));
}

TEST(ComPort, RecoversFromLineFaultsOverAPseudoTerminal)
{
    test::FakeUnitModel model;
    const Bytes log = test::Pattern(3000, 2);
    model.SetObject("LOG", log);
    test::PtyUnit unit(model, {.nakFirstFrames = 1, .corruptBlock = 1, .garbageBeforeStx = 3});
    ASSERT_TRUE(unit.Running());
    CComPort port;
    ASSERT_TRUE(port.Open(unit.SlavePath()).ok);
    Bytes out;
    size_t received = 0;
    ASSERT_TRUE(GetObject(port, "LOG", out, received));
    EXPECT_EQ(Bytes(out.begin(), out.begin() + received), log);
}

TEST(ComPort, OpensRawExclusiveAndReportsTheCauseOfFailures)
{
    test::FakeUnitModel model;
    test::PtyUnit unit(model);
    ASSERT_TRUE(unit.Running());
    CComPort port;
    ASSERT_TRUE(port.Open(unit.SlavePath()).ok);

    termios t{};
    ASSERT_EQ(tcgetattr(unit.SlaveFd(), &t), 0);
    EXPECT_EQ(cfgetospeed(&t), B38400);
    EXPECT_EQ(t.c_cflag & (CSIZE | PARENB | CSTOPB | CRTSCTS), tcflag_t{CS8});
    EXPECT_EQ(t.c_lflag & (ICANON | ECHO | ISIG), 0u);
    EXPECT_EQ(t.c_iflag & (IXON | IXOFF | ICRNL), 0u);
    EXPECT_EQ(t.c_oflag & OPOST, 0u);

    CComPort second;
    PortOpenResult busy = second.Open(unit.SlavePath());
    EXPECT_FALSE(busy.ok);
    EXPECT_EQ(busy.error, EBUSY);
    EXPECT_EQ(DescribePortOpenError(busy.error), "The port is in use by another program.");

    // Reopening closes the old descriptor first; after Close another may open.
    ASSERT_TRUE(port.Open(unit.SlavePath()).ok);
    port.Close();
    port.Close();
    EXPECT_TRUE(second.Open(unit.SlavePath()).ok);

    CComPort other;
    PortOpenResult missing = other.Open("/dev/volmar-no-such-port");
    EXPECT_EQ(missing.error, ENOENT);
    EXPECT_EQ(other.Open("/dev/null").error, ENOTTY);
    EXPECT_NE(DescribePortOpenError(EACCES).find("dialout"), std::string::npos);

    // A closed port fails transactions without touching anything.
    size_t received = 7;
    EXPECT_FALSE(other.Request('S', nullptr, 0, 's', nullptr, 0, received));
    EXPECT_EQ(received, 0u);
    EXPECT_FALSE(other.Send(nullptr, 0, nullptr, 0));
}

// A line that takes no more bytes (the unit stopped reading, or output is
// held) fails the write within the deadline and keeps none of it queued.
TEST(ComPort, StalledLineFailsWithinTheWriteDeadlineAndDropsTheOutput)
{
    using Ms = std::chrono::milliseconds;
    sim::PseudoTerminal pty;
    int error = 0;
    ASSERT_TRUE(sim::OpenPseudoTerminal(pty, error)) << error;
    CComPort port;
    ASSERT_TRUE(port.Open(pty.slavePath).ok);
    port.SetWriteTimeout(300);

    // Nobody reads the master: the line fills and the write stops.
    const Bytes big(256 * 1024, 'x');
    auto start = std::chrono::steady_clock::now();
    const size_t written = port.Write(big.data(), big.size());
    EXPECT_LT(written, big.size());
    EXPECT_LT(std::chrono::steady_clock::now() - start, Ms(3000));
    // What was still queued is gone: the line takes bytes again at once, and
    // the other side finds far less than was written.
    const Bytes more(10, 'y');
    EXPECT_EQ(port.Write(more.data(), more.size()), more.size());
    EXPECT_TRUE(port.Flush());
    size_t arrived = 0;
    uint8_t sink[4096];
    for (ssize_t n; (n = ::read(pty.master.Get(), sink, sizeof sink)) > 0;) arrived += static_cast<size_t>(n);
    EXPECT_LT(arrived, written);

    // Output held: a transaction ends in time, as a failure.
    ASSERT_EQ(::tcflow(pty.slaveHold.Get(), TCOOFF), 0);
    size_t received = 0;
    Bytes out(16);
    start = std::chrono::steady_clock::now();
    EXPECT_FALSE(port.Request('S', nullptr, 0, 's', out.data(), out.size(), received));
    EXPECT_LT(std::chrono::steady_clock::now() - start, Ms(3000));
    ::tcflow(pty.slaveHold.Get(), TCOON);
}

TEST(ComPort, LeavesNoDescriptorOpen)
{
    const int before = test::OpenFdCount();
    {
        test::FakeUnitModel model;
        test::PtyUnit unit(model);
        ASSERT_TRUE(unit.Running());
        for (int i = 0; i < 5; ++i) {
            CComPort port;
            ASSERT_TRUE(port.Open(unit.SlavePath()).ok);
            CComPort busy;
            EXPECT_FALSE(busy.Open(unit.SlavePath()).ok);
            EXPECT_FALSE(busy.Open("/dev/null").ok);
            Bytes out(16);
            size_t received = 0;
            EXPECT_TRUE(port.Request('S', nullptr, 0, 's', out.data(), out.size(), received));
        }
    }
    EXPECT_EQ(test::OpenFdCount(), before);
}

}  // namespace
}  // namespace volmar
