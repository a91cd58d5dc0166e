// Download and upload of the setting over the plain and the encrypted TCP
// protocols against the simulated unit's servers on loopback: protocol
// detection, the login prompt, the unit check's rules and the verdicts.
#include <gtest/gtest.h>

#include <netinet/in.h>
#include <sys/socket.h>

#include <memory>

#include "FakeUnitModel.h"
#include "FdCount.h"
#include "FlowFixture.h"
#include "RecordingInteraction.h"
#include "core/link/transfer/ProtocolDetection.h"
#include "core/link/transfer/SettingDownload.h"
#include "core/link/transfer/SettingUpload.h"
#include "sim/cipher/CipherServer.h"
#include "sim/tcp/PlainTcpServer.h"

namespace volmar {
namespace {

using test::RecordingInteraction;

// A loopback port with nothing listening on it.
uint16_t UnusedPort()
{
    UniqueFd s(::socket(AF_INET, SOCK_STREAM, 0));
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof a;
    if (::bind(s.Get(), reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 ||
        ::getsockname(s.Get(), reinterpret_cast<sockaddr*>(&a), &len) != 0)
        return 1;
    return ntohs(a.sin_port);
}

class NetworkFlow : public ::testing::Test {
protected:
    NetworkFlow()
    {
        document_ = WriteSettingDocument(*test::NamedRecord("Pump house 3"));
        model_.SetObject(kSettingObject, test::Compress(document_));
        options_.timeouts.connectMs = 2000;
        options_.timeouts.inactivityMs = 1500;
        profile_.SetInt(kProfileSection, kPrefConnectConfirm, 0);
    }

    void StartPlain(sim::ServerOptions o = {})
    {
        plain_ = std::make_unique<sim::PlainTcpServer>(model_, o);
        ASSERT_TRUE(plain_->Start());
        test::SelectNetworkUnit(link_, profile_, plain_->Port());
    }
    void StartCipher(sim::ServerOptions o = {})
    {
        cipher_ = std::make_unique<sim::CipherServer>(model_, o);
        ASSERT_TRUE(cipher_->Start());
        test::SelectNetworkUnit(link_, profile_, cipher_->Port());
    }
    void LogInRight() { ui_.QueueLogin(model_.loginId, model_.password); }

    bool Download() { return DownloadSetting(link_, ui_, profile_, *record_, options_); }
    bool Upload() { return UploadSettingObject(link_, ui_, profile_, document_, {}, options_); }
    std::string Uploaded() const { return test::Decompress(model_.PutData()); }

    test::FakeUnitModel model_;
    std::unique_ptr<sim::PlainTcpServer> plain_;
    std::unique_ptr<sim::CipherServer> cipher_;
    LinkOptions options_;
    LinkState link_;
    MemoryProfile profile_;
    RecordingInteraction ui_;
    std::unique_ptr<SettingRecord> record_ = test::NamedRecord("Before");
    std::string document_;
};

TEST_F(NetworkFlow, PlainDownloadAsksForTheLoginOnceAndFillsTheRecord)
{
    StartPlain();
    LogInRight();
    const int fds = test::OpenFdCount();
    ASSERT_TRUE(Download()) << ::testing::PrintToString(ui_.Texts());
    EXPECT_EQ(WriteSettingDocument(*record_), document_);
    EXPECT_TRUE(ui_.shown.empty());
    EXPECT_EQ(link_.protocol, kProtocolPlain);
    EXPECT_EQ(link_.loggedIn, 1);
    EXPECT_EQ(std::string(link_.loginId), model_.loginId);
    ASSERT_EQ(ui_.transfers.size(), 1u);
    EXPECT_EQ(ui_.transfers[0].link, TransferLink::PlainTcp);
    EXPECT_EQ(ui_.transfers[0].total, 0x200000);
    EXPECT_EQ(ui_.transfers[0].finalProgress, 0x200000);

    // Logged in and detected: the next operation goes straight through.
    ASSERT_TRUE(Download());
    EXPECT_EQ(ui_.loginPrompts, 1);
    EXPECT_EQ(test::OpenFdCount(), fds);
}

TEST_F(NetworkFlow, PlaceholderCredentialsTheUnitAcceptsNeedNoPrompt)
{
    model_.loginId = kPlaceholderCredential;
    model_.password = kPlaceholderCredential;
    StartPlain();
    ASSERT_TRUE(Download()) << ::testing::PrintToString(ui_.Texts());
    EXPECT_EQ(ui_.loginPrompts, 0);
}

TEST_F(NetworkFlow, PlainLoginRefusedOrCancelled)
{
    StartPlain();
    ui_.QueueLogin(model_.loginId, "wrong");
    EXPECT_FALSE(Download());
    EXPECT_EQ(ui_.Only().text, "Password is incorrect.");
    EXPECT_EQ(ui_.Only().icon, MessageIcon::Warning);
    EXPECT_EQ(link_.protocol, kProtocolUnknown);
    EXPECT_EQ(link_.loggedIn, 0);

    ui_ = {};
    ui_.QueueCancel();
    EXPECT_FALSE(Download());
    EXPECT_EQ(ui_.loginPrompts, 1);
    EXPECT_TRUE(ui_.shown.empty());
    EXPECT_STREQ(record_->SYSTEM.NAME1, "Before");
}

TEST_F(NetworkFlow, PlainStatusRecordRules)
{
    struct Case {
        std::array<uint8_t, 6> status;
        std::string text;
        MessageIcon icon;
    };
    const Case cases[] = {
        {{0x29, 1, 2, 0x01, 0x2C, 0x03}, "Network connection is prohibited.", MessageIcon::Information},
        {{'X', 1, 2, 0x01, 0x2C, 0x08}, "Unsupported device", MessageIcon::Warning},
        {{0x28, 1, 0, 0x00, 0x1B, 0x08}, "", MessageIcon::None},  // accepted as ')'
    };
    for (const Case& c : cases) {
        model_.status = c.status;
        link_.ResetSession();
        ui_ = {};
        LogInRight();
        StartPlain();
        EXPECT_EQ(Download(), c.text.empty());
        EXPECT_EQ(ui_.Only().text, c.text);
        EXPECT_EQ(ui_.Only().icon, c.icon);
    }
}

TEST_F(NetworkFlow, PlainUploadAndTheUnitsVerdicts)
{
    StartPlain();
    LogInRight();
    ASSERT_TRUE(Upload()) << ::testing::PrintToString(ui_.Texts());
    EXPECT_EQ(Uploaded(), document_);
    EXPECT_TRUE(ui_.pauses.empty());
    ASSERT_EQ(ui_.transfers.size(), 1u);
    EXPECT_EQ(ui_.transfers[0].total, static_cast<int64_t>(model_.PutData().size()));
    EXPECT_EQ(ui_.transfers[0].finalProgress, ui_.transfers[0].total);

    ui_ = {};
    model_.putOutcome = {101, "DI7: MODE"};
    EXPECT_FALSE(Upload());
    EXPECT_EQ(ui_.Only().text, "Cannot save: Unsupported setting value(s).\nDI7: MODE");
    EXPECT_EQ(ui_.Only().icon, MessageIcon::Error);

    // Only the encrypted protocol counts 100 as done; here it fails quietly.
    ui_ = {};
    model_.putOutcome = {100, ""};
    EXPECT_FALSE(Upload());
    EXPECT_TRUE(ui_.shown.empty());
}

TEST_F(NetworkFlow, PlainGetRefusedAndUnitGone)
{
    StartPlain();
    LogInRight();
    model_.RefuseGet(kSettingObject, 9);
    EXPECT_FALSE(Download());
    EXPECT_EQ(ui_.Only().text, "Error.\nCODE:9");

    // Detected and logged in, then the unit goes away.
    plain_->Stop();
    ui_ = {};
    EXPECT_FALSE(Download());
    EXPECT_EQ(ui_.Only().text, "Cannot connect.");
    EXPECT_EQ(ui_.Only().icon, MessageIcon::Information);
    EXPECT_EQ(link_.loggedIn, 0);
}

TEST_F(NetworkFlow, CipherDownloadAndUpload)
{
    StartCipher();
    LogInRight();
    const int fds = test::OpenFdCount();
    ASSERT_TRUE(Download()) << ::testing::PrintToString(ui_.Texts());
    EXPECT_EQ(WriteSettingDocument(*record_), document_);
    EXPECT_EQ(link_.protocol, kProtocolCipher);
    EXPECT_EQ(link_.loggedIn, 1);
    ASSERT_EQ(ui_.transfers.size(), 1u);
    EXPECT_EQ(ui_.transfers[0].link, TransferLink::CipherTcp);
    EXPECT_EQ(ui_.transfers[0].total, 0x200000);
    EXPECT_EQ(ui_.transfers[0].finalProgress, 0x200000);

    ASSERT_TRUE(Upload()) << ::testing::PrintToString(ui_.Texts());
    EXPECT_EQ(Uploaded(), document_);
    EXPECT_TRUE(ui_.shown.empty());
    EXPECT_TRUE(ui_.pauses.empty());
    EXPECT_EQ(ui_.loginPrompts, 1);
    EXPECT_EQ(test::OpenFdCount(), fds);
}

TEST_F(NetworkFlow, CipherVerdicts)
{
    StartCipher();
    LogInRight();
    // Refused with 100 counts as done, without a word.
    model_.putOutcome = {100, ""};
    EXPECT_TRUE(Upload());
    EXPECT_TRUE(ui_.shown.empty());

    model_.putOutcome = {101, "PI2: SCALE"};
    EXPECT_FALSE(Upload());
    EXPECT_EQ(ui_.Texts(), (std::vector<std::string>{
                               "Error:Upload\nError:CODE NG",
                               "Cannot save: Unsupported setting value(s).\nPI2: SCALE"}));

    ui_ = {};
    model_.RefuseGet(kSettingObject, 9);
    EXPECT_FALSE(Download());
    EXPECT_EQ(ui_.Texts(), (std::vector<std::string>{"Error:Download\nError:CODE NG", "Error.\nCODE:9"}));
    EXPECT_STREQ(record_->SYSTEM.NAME1, "Before");
}

TEST_F(NetworkFlow, CipherLoginRefusedForgetsTheProtocolAndCancelIsQuiet)
{
    StartCipher();
    const int fds = test::OpenFdCount();
    ui_.QueueLogin(model_.loginId, "wrong");
    EXPECT_FALSE(Download());
    ASSERT_EQ(ui_.shown.size(), 1u);
    EXPECT_EQ(ui_.shown[0].text.rfind("Error:Login\n", 0), 0u) << ui_.shown[0].text;
    EXPECT_EQ(link_.protocol, kProtocolUnknown);
    EXPECT_EQ(link_.loggedIn, 0);

    ui_ = {};
    ui_.QueueCancel();
    EXPECT_FALSE(Upload());
    EXPECT_TRUE(ui_.shown.empty());
    EXPECT_TRUE(model_.Puts().empty());

    // The next operation probes the unit again and asks again.
    ui_ = {};
    LogInRight();
    EXPECT_TRUE(Download()) << ::testing::PrintToString(ui_.Texts());
    EXPECT_EQ(link_.protocol, kProtocolCipher);
    EXPECT_EQ(test::OpenFdCount(), fds);
}

TEST_F(NetworkFlow, DetectionChoosesTheProtocolTheUnitSpeaks)
{
    StartPlain();
    LogInRight();
    LinkContext ctx{link_, ui_, profile_, options_};
    EXPECT_EQ(DetectProtocol(ctx), kProtocolPlain);
    EXPECT_EQ(ui_.loginPrompts, 1);

    StartCipher();
    link_.ResetSession();
    EXPECT_EQ(DetectProtocol(ctx), kProtocolCipher);
    EXPECT_EQ(ui_.loginPrompts, 1);  // the encrypted probe needs no login
    EXPECT_TRUE(ui_.shown.empty());
}

TEST_F(NetworkFlow, DetectionFailuresLeaveTheProtocolUnknown)
{
    LinkContext ctx{link_, ui_, profile_, options_};
    test::SelectNetworkUnit(link_, profile_, UnusedPort());
    const int fds = test::OpenFdCount();
    link_.loggedIn = 1;
    EXPECT_FALSE(Download());
    EXPECT_EQ(ui_.Only().text, "Error:Open\nError:Connect");
    EXPECT_EQ(ui_.Only().icon, MessageIcon::Error);
    EXPECT_EQ(link_.protocol, kProtocolUnknown);
    EXPECT_EQ(link_.loggedIn, 0);

    // A name the address book does not hold, or holds without an address.
    AddressBook book = ReadAddressBook(profile_);
    book[4] = {"Silo", ""};
    WriteAddressBook(profile_, book);
    for (const char* name : {"Nowhere", "tank farm", "Silo"}) {
        link_.selectedUnit = name;
        ui_ = {};
        EXPECT_EQ(DetectProtocol(ctx), kProtocolUnknown);
        EXPECT_EQ(ui_.Only().text, "Illegal network address");
        EXPECT_EQ(ui_.Only().icon, MessageIcon::Error);
    }
    EXPECT_EQ(test::OpenFdCount(), fds);
}

TEST_F(NetworkFlow, HostGivenDirectlyNeedsNoAddressBook)
{
    StartCipher();
    link_.selectedUnit.clear();
    link_.address = "127.0.0.1";
    LogInRight();
    ASSERT_TRUE(Download()) << ::testing::PrintToString(ui_.Texts());
    EXPECT_EQ(WriteSettingDocument(*record_), document_);
}

}  // namespace
}  // namespace volmar
