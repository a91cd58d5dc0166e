// The unit session of each link against the simulator as a separate
// process: one flow, written once, over serial, plain TCP and encrypted TCP;
// and two sessions in one process that share neither progress nor cancel.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "RecordingInteraction.h"
#include "SimProcess.h"
#include "core/link/session/SessionFactory.h"
#include "core/link/transfer/SettingDownload.h"
#include "core/link/transfer/SettingUpload.h"

namespace volmar {
namespace {

using test::RecordingInteraction;
using test::SimProcess;

enum class Link { Serial, Plain, Cipher };

struct Bench {
    SimProcess& sim;
    LinkState link;
    RecordingInteraction ui;
    MemoryProfile profile;
    LinkContext ctx{link, ui, profile, {}};

    Bench(SimProcess& s, Link l) : sim(s)
    {
        ctx.options.timeouts.inactivityMs = 3000;
        if (l == Link::Serial) {
            link.kind = LinkKind::Usb;
            link.comDevice = sim.Link("serial");
            return;
        }
        link.kind = LinkKind::Network;
        link.address = "127.0.0.1";
        link.tcpPort = sim.Port(l == Link::Plain ? "tcp" : "cipher");
        // Plain TCP is named; the encrypted protocol is detected.
        if (l == Link::Plain) link.protocol = kProtocolPlain;
        ui.QueueLogin("kovan", "kovan");
    }
};

std::string Journal(const std::string& path)
{
    return testing::ReadFile(path);
}

TEST(UnitSessions, OneFlowRunsOverEachLinkAgainstTheSimulator)
{
    testing::TempDir dir;
    const std::string journal = dir.File("journal.log");
    SimProcess sim({"--serial", "--tcp", "0", "--cipher", "0", "--journal", journal});
    ASSERT_TRUE(sim.WaitReady()) << sim.Errors();

    const struct {
        Link link;
        TransferLink kind;
        const char* put;  // the journal line of the put
    } cases[] = {{Link::Serial, TransferLink::Serial, " serial put CONFIG_P "},
                 {Link::Plain, TransferLink::PlainTcp, " tcp put CONFIG_P "},
                 {Link::Cipher, TransferLink::CipherTcp, " cipher put CONFIG_P "}};
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.link));
        Bench b(sim, c.link);
        // The same code for every link: open, status, get, put, get again.
        auto session = MakeUnitSession(b.ctx);
        ASSERT_TRUE(session);
        EXPECT_EQ(session->Link(), c.kind);
        ASSERT_TRUE(session->Open()) << ::testing::PrintToString(b.ui.Texts());
        EXPECT_EQ(session->Status()[0], kDeviceCodeSupported);

        std::vector<uint8_t> buffer(kMaxObjectSize);
        size_t length = 0;
        ASSERT_TRUE(session->GetObject(kSettingObject, buffer, length));
        ASSERT_GT(length, 0u);
        // A finished get shows the full bar on every link.
        EXPECT_EQ(session->Progress(), static_cast<int64_t>(kMaxObjectSize));
        const std::vector<uint8_t> payload(buffer.begin(), buffer.begin() + static_cast<long>(length));

        ASSERT_TRUE(session->PutObject(kSettingObject, payload, kSettingEcho));
        EXPECT_EQ(session->Result(), 0);
        EXPECT_GT(session->Progress(), 0);  // each link counts its own way (frames, result query)

        // A second get over the same session (the encrypted link connects
        // and logs in again, without asking).
        std::vector<uint8_t> again(kMaxObjectSize);
        size_t againLength = 0;
        ASSERT_TRUE(session->GetObject(kSettingObject, again, againLength));
        EXPECT_EQ(std::vector<uint8_t>(again.begin(), again.begin() + static_cast<long>(againLength)), payload);
        session->Close();

        EXPECT_TRUE(b.ui.shown.empty()) << ::testing::PrintToString(b.ui.Texts());
        EXPECT_LE(b.ui.loginPrompts, 1);
        EXPECT_EQ(b.ui.transfers.size(), 3u);
        EXPECT_NE(Journal(journal).find(c.put), std::string::npos) << Journal(journal);
    }
}

TEST(UnitSessions, TwoSessionsShareNeitherProgressNorCancel)
{
    SimProcess sim({"--tcp", "0"});
    ASSERT_TRUE(sim.WaitReady()) << sim.Errors();
    Bench a(sim, Link::Plain);
    Bench b(sim, Link::Plain);
    auto first = MakeUnitSession(a.ctx);
    auto second = MakeUnitSession(b.ctx);
    ASSERT_TRUE(first && second);
    ASSERT_TRUE(first->Open());
    ASSERT_TRUE(second->Open());

    std::vector<uint8_t> buffer(kMaxObjectSize);
    size_t length = 0;
    ASSERT_TRUE(first->GetObject(kSettingObject, buffer, length));
    EXPECT_EQ(first->Progress(), static_cast<int64_t>(kMaxObjectSize));
    EXPECT_EQ(second->Progress(), 0);

    const std::vector<uint8_t> small = {1, 2, 3, 4, 5, 6, 7};
    (void)second->PutObject("TIME", small, 0);
    EXPECT_EQ(second->Progress(), static_cast<int64_t>(small.size()));
    EXPECT_EQ(first->Progress(), static_cast<int64_t>(kMaxObjectSize));

    // A cancelled session stops at once and silently; the other goes on.
    second->Cancel();
    const size_t shownBefore = b.ui.shown.size();
    EXPECT_FALSE(second->GetObject(kSettingObject, buffer, length));
    EXPECT_FALSE(second->Open());
    EXPECT_EQ(b.ui.shown.size(), shownBefore);
    EXPECT_FALSE(first->Cancelled());
    EXPECT_TRUE(first->GetObject(kSettingObject, buffer, length));
}

}  // namespace
}  // namespace volmar
