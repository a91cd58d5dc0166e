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
        m_document = WriteSettingDocument(*test::NamedRecord("Pump house 3"));
        m_model.SetObject(kSettingObject, test::Compress(m_document));
        m_options.timeouts.connectMs = 2000;
        m_options.timeouts.inactivityMs = 1500;
        m_profile.SetInt(kProfileSection, kPrefConnectConfirm, 0);
    }

    void StartPlain(sim::ServerOptions o = {})
    {
        m_plain = std::make_unique<sim::PlainTcpServer>(m_model, o);
        ASSERT_TRUE(m_plain->Start());
        test::SelectNetworkUnit(m_link, m_profile, m_plain->Port());
    }
    void StartCipher(sim::ServerOptions o = {})
    {
        m_cipher = std::make_unique<sim::CipherServer>(m_model, o);
        ASSERT_TRUE(m_cipher->Start());
        test::SelectNetworkUnit(m_link, m_profile, m_cipher->Port());
    }
    void LogInRight() { m_ui.QueueLogin(m_model.loginId, m_model.password); }

    bool Download() { return DownloadSetting(m_link, m_ui, m_profile, *m_record, m_options); }
    bool Upload() { return UploadSettingObject(m_link, m_ui, m_profile, m_document, {}, m_options); }
    std::string Uploaded() const { return test::Decompress(m_model.PutData()); }

    test::FakeUnitModel m_model;
    std::unique_ptr<sim::PlainTcpServer> m_plain;
    std::unique_ptr<sim::CipherServer> m_cipher;
    LinkOptions m_options;
    LinkState m_link;
    MemoryProfile m_profile;
    RecordingInteraction m_ui;
    std::unique_ptr<SettingRecord> m_record = test::NamedRecord("Before");
    std::string m_document;
};

TEST_F(NetworkFlow, PlainDownloadAsksForTheLoginOnceAndFillsTheRecord)
{
    StartPlain();
    LogInRight();
    const int fds = test::OpenFdCount();
    ASSERT_TRUE(Download()) << ::testing::PrintToString(m_ui.Texts());
    EXPECT_EQ(WriteSettingDocument(*m_record), m_document);
    EXPECT_TRUE(m_ui.shown.empty());
    EXPECT_EQ(m_link.protocol, kProtocolPlain);
    EXPECT_EQ(m_link.loggedIn, 1);
    EXPECT_EQ(std::string(m_link.loginId), m_model.loginId);
    ASSERT_EQ(m_ui.transfers.size(), 1u);
    EXPECT_EQ(m_ui.transfers[0].link, TransferLink::PlainTcp);
    EXPECT_EQ(m_ui.transfers[0].total, 0x200000);
    EXPECT_EQ(m_ui.transfers[0].finalProgress, 0x200000);

    // Logged in and detected: the next operation goes straight through.
    ASSERT_TRUE(Download());
    EXPECT_EQ(m_ui.loginPrompts, 1);
    EXPECT_EQ(test::OpenFdCount(), fds);
}

TEST_F(NetworkFlow, PlaceholderCredentialsTheUnitAcceptsNeedNoPrompt)
{
    m_model.loginId = kPlaceholderCredential;
    m_model.password = kPlaceholderCredential;
    StartPlain();
    ASSERT_TRUE(Download()) << ::testing::PrintToString(m_ui.Texts());
    EXPECT_EQ(m_ui.loginPrompts, 0);
}

TEST_F(NetworkFlow, PlainLoginRefusedOrCancelled)
{
    StartPlain();
    m_ui.QueueLogin(m_model.loginId, "wrong");
    EXPECT_FALSE(Download());
    EXPECT_EQ(m_ui.Only().text, "Password is incorrect.");
    EXPECT_EQ(m_ui.Only().icon, MessageIcon::Warning);
    EXPECT_EQ(m_link.protocol, kProtocolUnknown);
    EXPECT_EQ(m_link.loggedIn, 0);

    m_ui = {};
    m_ui.QueueCancel();
    EXPECT_FALSE(Download());
    EXPECT_EQ(m_ui.loginPrompts, 1);
    EXPECT_TRUE(m_ui.shown.empty());
    EXPECT_STREQ(m_record->SYSTEM.NAME1, "Before");
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
        m_model.status = c.status;
        m_link.ResetSession();
        m_ui = {};
        LogInRight();
        StartPlain();
        EXPECT_EQ(Download(), c.text.empty());
        EXPECT_EQ(m_ui.Only().text, c.text);
        EXPECT_EQ(m_ui.Only().icon, c.icon);
    }
}

TEST_F(NetworkFlow, PlainUploadAndTheUnitsVerdicts)
{
    StartPlain();
    LogInRight();
    ASSERT_TRUE(Upload()) << ::testing::PrintToString(m_ui.Texts());
    EXPECT_EQ(Uploaded(), m_document);
    EXPECT_TRUE(m_ui.pauses.empty());
    ASSERT_EQ(m_ui.transfers.size(), 1u);
    EXPECT_EQ(m_ui.transfers[0].total, static_cast<int64_t>(m_model.PutData().size()));
    EXPECT_EQ(m_ui.transfers[0].finalProgress, m_ui.transfers[0].total);

    m_ui = {};
    m_model.putOutcome = {101, "DI7: MODE"};
    EXPECT_FALSE(Upload());
    EXPECT_EQ(m_ui.Only().text, "Cannot save: Unsupported setting value(s).\nDI7: MODE");
    EXPECT_EQ(m_ui.Only().icon, MessageIcon::Error);

    // Only the encrypted protocol counts 100 as done; here it fails quietly.
    m_ui = {};
    m_model.putOutcome = {100, ""};
    EXPECT_FALSE(Upload());
    EXPECT_TRUE(m_ui.shown.empty());
}

TEST_F(NetworkFlow, PlainGetRefusedAndUnitGone)
{
    StartPlain();
    LogInRight();
    m_model.RefuseGet(kSettingObject, 9);
    EXPECT_FALSE(Download());
    EXPECT_EQ(m_ui.Only().text, "Error.\nCODE:9");

    // Detected and logged in, then the unit goes away.
    m_plain->Stop();
    m_ui = {};
    EXPECT_FALSE(Download());
    EXPECT_EQ(m_ui.Only().text, "Cannot connect.");
    EXPECT_EQ(m_ui.Only().icon, MessageIcon::Information);
    EXPECT_EQ(m_link.loggedIn, 0);
}

TEST_F(NetworkFlow, CipherDownloadAndUpload)
{
    StartCipher();
    LogInRight();
    const int fds = test::OpenFdCount();
    ASSERT_TRUE(Download()) << ::testing::PrintToString(m_ui.Texts());
    EXPECT_EQ(WriteSettingDocument(*m_record), m_document);
    EXPECT_EQ(m_link.protocol, kProtocolCipher);
    EXPECT_EQ(m_link.loggedIn, 1);
    ASSERT_EQ(m_ui.transfers.size(), 1u);
    EXPECT_EQ(m_ui.transfers[0].link, TransferLink::CipherTcp);
    EXPECT_EQ(m_ui.transfers[0].total, 0x200000);
    EXPECT_EQ(m_ui.transfers[0].finalProgress, 0x200000);

    ASSERT_TRUE(Upload()) << ::testing::PrintToString(m_ui.Texts());
    EXPECT_EQ(Uploaded(), m_document);
    EXPECT_TRUE(m_ui.shown.empty());
    EXPECT_TRUE(m_ui.pauses.empty());
    EXPECT_EQ(m_ui.loginPrompts, 1);
    EXPECT_EQ(test::OpenFdCount(), fds);
}

TEST_F(NetworkFlow, CipherVerdicts)
{
    StartCipher();
    LogInRight();
    // Refused with 100 counts as done, without a word.
    m_model.putOutcome = {100, ""};
    EXPECT_TRUE(Upload());
    EXPECT_TRUE(m_ui.shown.empty());

    m_model.putOutcome = {101, "PI2: SCALE"};
    EXPECT_FALSE(Upload());
    EXPECT_EQ(m_ui.Texts(), (std::vector<std::string>{
                               "Error:Upload\nError:CODE NG",
                               "Cannot save: Unsupported setting value(s).\nPI2: SCALE"}));

    m_ui = {};
    m_model.RefuseGet(kSettingObject, 9);
    EXPECT_FALSE(Download());
    EXPECT_EQ(m_ui.Texts(), (std::vector<std::string>{"Error:Download\nError:CODE NG", "Error.\nCODE:9"}));
    EXPECT_STREQ(m_record->SYSTEM.NAME1, "Before");
}

TEST_F(NetworkFlow, CipherLoginRefusedForgetsTheProtocolAndCancelIsQuiet)
{
    StartCipher();
    const int fds = test::OpenFdCount();
    m_ui.QueueLogin(m_model.loginId, "wrong");
    EXPECT_FALSE(Download());
    ASSERT_EQ(m_ui.shown.size(), 1u);
    EXPECT_EQ(m_ui.shown[0].text.rfind("Error:Login\n", 0), 0u) << m_ui.shown[0].text;
    EXPECT_EQ(m_link.protocol, kProtocolUnknown);
    EXPECT_EQ(m_link.loggedIn, 0);

    m_ui = {};
    m_ui.QueueCancel();
    EXPECT_FALSE(Upload());
    EXPECT_TRUE(m_ui.shown.empty());
    EXPECT_TRUE(m_model.Puts().empty());

    // The next operation probes the unit again and asks again.
    m_ui = {};
    LogInRight();
    EXPECT_TRUE(Download()) << ::testing::PrintToString(m_ui.Texts());
    EXPECT_EQ(m_link.protocol, kProtocolCipher);
    EXPECT_EQ(test::OpenFdCount(), fds);
}

TEST_F(NetworkFlow, DetectionChoosesTheProtocolTheUnitSpeaks)
{
    StartPlain();
    LogInRight();
    LinkContext ctx{m_link, m_ui, m_profile, m_options};
    EXPECT_EQ(DetectProtocol(ctx), kProtocolPlain);
    EXPECT_EQ(m_ui.loginPrompts, 1);

    StartCipher();
    m_link.ResetSession();
    EXPECT_EQ(DetectProtocol(ctx), kProtocolCipher);
    EXPECT_EQ(m_ui.loginPrompts, 1);  // the encrypted probe needs no login
    EXPECT_TRUE(m_ui.shown.empty());
}

TEST_F(NetworkFlow, DetectionFailuresLeaveTheProtocolUnknown)
{
    LinkContext ctx{m_link, m_ui, m_profile, m_options};
    test::SelectNetworkUnit(m_link, m_profile, UnusedPort());
    const int fds = test::OpenFdCount();
    m_link.loggedIn = 1;
    EXPECT_FALSE(Download());
    EXPECT_EQ(m_ui.Only().text, "Error:Open\nError:Connect");
    EXPECT_EQ(m_ui.Only().icon, MessageIcon::Error);
    EXPECT_EQ(m_link.protocol, kProtocolUnknown);
    EXPECT_EQ(m_link.loggedIn, 0);

    // A name the address book does not hold, or holds without an address.
    AddressBook book = ReadAddressBook(m_profile);
    book[4] = {"Silo", ""};
    WriteAddressBook(m_profile, book);
    for (const char* name : {"Nowhere", "tank farm", "Silo"}) {
        m_link.selectedUnit = name;
        m_ui = {};
        EXPECT_EQ(DetectProtocol(ctx), kProtocolUnknown);
        EXPECT_EQ(m_ui.Only().text, "Illegal network address");
        EXPECT_EQ(m_ui.Only().icon, MessageIcon::Error);
    }
    EXPECT_EQ(test::OpenFdCount(), fds);
}

TEST_F(NetworkFlow, HostGivenDirectlyNeedsNoAddressBook)
{
    StartCipher();
    m_link.selectedUnit.clear();
    m_link.address = "127.0.0.1";
    LogInRight();
    ASSERT_TRUE(Download()) << ::testing::PrintToString(m_ui.Texts());
    EXPECT_EQ(WriteSettingDocument(*m_record), m_document);
}

}  // namespace
}  // namespace volmar
