// "Upload to device" from the hub against the real simulator, over a
// pseudo-terminal and plain TCP: the snapshot after a success, the firmware
// check, the size limit, and the cancel paths that must not reach the unit.
#include <gtest/gtest.h>

#include <QTest>
#include <algorithm>
#include <cstring>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "HubTestSupport.h"
#include "Process.h"
#include "RecordFactory.h"
#include "SimProcess.h"
#include "gui/hub/CDlgSetMain.h"
#include "gui/maintenance/CDlgSetIdPwd.h"
#include "core/settings/DocumentWriter.h"

namespace volmar::gui {
namespace {

using testing::ReadFile;
using testing::TempDir;

enum class Link { Serial, PlainTcp };

constexpr const char* kConfirmUpload = "Are you sure to upload?";

template <size_t N>
void Set(char (&field)[N], const char* text)
{
    StoreText(field, N, text, std::strlen(text));
}

// A record the unit takes as it is: personal web login, a name of its own.
std::unique_ptr<SettingRecord> PersonalRecord()
{
    auto record = testing::MakeDefaultRecord();
    Set(record->COM.WEB.AUTH[0].LOGIN, "ops");
    Set(record->COM.WEB.AUTH[0].PASSWORD, "s3cret");
    return record;
}

class HubUpload : public ::testing::TestWithParam<Link> {
protected:
    // Starts the simulator with the extra options and points the link at it.
    void StartUnit(std::vector<std::string> options = {})
    {
        m_journal = m_dir.File("journal.log");
        std::vector<std::string> args = {"--serial", "--tcp", "0", "--cipher", "0", "--journal", m_journal};
        args.insert(args.end(), options.begin(), options.end());
        m_sim = std::make_unique<volmar::test::SimProcess>(args);
        ASSERT_TRUE(m_sim->WaitReady()) << m_sim->Errors();
        m_ctx.profile.SetInt(kProfileSection, kPrefConnectConfirm, 0);
        m_ctx.UseSimulator(*m_sim, GetParam() == Link::Serial ? "serial" : "tcp", 1);
        m_hub = std::make_unique<CDlgSetMain>(*m_record, "", m_ctx.app);
        m_hub->show();
    }
    std::string Journal() const { return ReadFile(m_journal); }
    // The unit received a setting, or received and kept one.
    bool Put() const { return Journal().find("put CONFIG_P") != std::string::npos; }
    bool PutTaken() const
    {
        std::istringstream lines(Journal());
        for (std::string line; std::getline(lines, line);)
            if (line.find(" put CONFIG_P ") != std::string::npos && line.ends_with(" ok")) return true;
        return false;
    }
    std::string Messages() const { return ::testing::PrintToString(m_ctx.ui.Texts()); }

    TempDir m_dir;
    std::string m_journal;
    std::unique_ptr<volmar::test::SimProcess> m_sim;
    test::TestContext m_ctx;
    std::unique_ptr<SettingRecord> m_record = PersonalRecord();
    std::unique_ptr<CDlgSetMain> m_hub;
};

TEST_P(HubUpload, SuccessTakesANewSnapshot)
{
    StartUnit();
    Set(m_record->SYSTEM.NAME1, "Hub upload");
    ASSERT_TRUE(m_hub->HasUnsavedChanges());
    m_hub->OnUpload();
    EXPECT_TRUE(PutTaken()) << Journal() << Messages();
    EXPECT_EQ(m_ctx.ui.questions, std::vector<std::string>{kConfirmUpload});
    ASSERT_EQ(m_ctx.ui.transfers.size(), 1u);
    EXPECT_EQ(m_ctx.ui.transfers[0].object, "CONFIG_P");
    EXPECT_FALSE(m_hub->HasUnsavedChanges()) << Messages();
    m_hub->OnLeave();
    EXPECT_EQ(m_ctx.ui.questions.size(), 1u);
    EXPECT_FALSE(m_hub->isVisible());
}

TEST_P(HubUpload, FailedUploadKeepsTheSnapshot)
{
    StartUnit({"--refuse-put", "3"});
    Set(m_record->SYSTEM.NAME1, "Refused");
    m_hub->OnUpload();
    EXPECT_TRUE(Put());
    EXPECT_FALSE(PutTaken());
    EXPECT_TRUE(m_hub->HasUnsavedChanges());
}

// Before 2.2 a PI channel of type SLMP may only read LTN, LCN, LSTN or LZ.
TEST_P(HubUpload, OldFirmwareRefusesOtherSlmpDevicesBeforeSending)
{
    StartUnit();  // firmware 2.1
    m_record->IO.PI[4].TYPE = 7;
    m_record->IO.PI[4].SLMP_DEV_CODE = 0xA8;  // D
    m_record->IO.PI[9].TYPE = 7;
    m_record->IO.PI[9].SLMP_DEV_CODE = 0x9C;
    m_hub->OnUpload();
    ASSERT_FALSE(m_ctx.ui.shown.empty());
    EXPECT_EQ(m_ctx.ui.shown.back().text, "Setting error: PI5\nSLMP device not supported by this QN70 version.");
    EXPECT_EQ(m_ctx.ui.shown.back().icon, MessageIcon::Error);
    EXPECT_NE(Journal().find("status"), std::string::npos) << Journal();
    EXPECT_FALSE(Put());
    EXPECT_TRUE(m_ctx.ui.transfers.empty());
}

TEST_P(HubUpload, NewerFirmwareTakesAnySlmpDevice)
{
    StartUnit({"--firmware", "2.2.0"});
    m_record->IO.PI[4].TYPE = 7;
    m_record->IO.PI[4].SLMP_DEV_CODE = 0xA8;
    m_hub->OnUpload();
    EXPECT_TRUE(PutTaken()) << Messages();
    EXPECT_EQ(std::count(m_ctx.ui.Texts().begin(), m_ctx.ui.Texts().end(),
                         "Setting error: PI5\nSLMP device not supported by this QN70 version."),
              0);
}

// The largest setting a record can hold (every text at full length and
// escaped) stays well under the 2 MiB limit, so the hub never meets that
// refusal; the limit itself belongs to the upload flow's tests. That
// setting goes through whole.
TEST_P(HubUpload, LargestSettingGoesThrough)
{
    StartUnit();
    m_record = testing::MakeMaximalRecord();
    for (Account& a : m_record->COM.WEB.AUTH) a.MODE = 0;
    m_record->COM.FTP.MODE = 0;
    ASSERT_EQ(DefaultCredentialFlags(*m_record), 0u);
    const std::string document = WriteSettingDocument(*m_record);
    EXPECT_LT(document.size() + 16, kSettingBufferSize);
    m_hub = std::make_unique<CDlgSetMain>(*m_record, "", m_ctx.app);
    m_hub->OnUpload();
    EXPECT_TRUE(PutTaken()) << Journal() << Messages();
}

// Cancelling the ID/password dialog, the upload question or the access-mode
// confirmation ends the upload before the unit hears anything.
TEST_P(HubUpload, CancelledUploadNeverReachesTheUnit)
{
    StartUnit();
    Set(m_record->SYSTEM.NAME1, "Not sent");

    Set(m_record->COM.WEB.AUTH[0].PASSWORD, "kovan");
    Set(m_record->COM.WEB.AUTH[0].LOGIN, "kovan");
    auto cancelled = test::OnNextModal<CDlgSetIdPwd>([](CDlgSetIdPwd* d) { d->reject(); });
    m_hub->OnUpload();
    EXPECT_TRUE(*cancelled);
    EXPECT_TRUE(m_ctx.ui.questions.empty());
    Set(m_record->COM.WEB.AUTH[0].PASSWORD, "s3cret");

    m_ctx.ui.confirmAnswers = {false};
    m_hub->OnUpload();
    EXPECT_EQ(m_ctx.ui.questions, std::vector<std::string>{kConfirmUpload});

    m_ctx.profile.SetInt(kProfileSection, kPrefConnectConfirm, 1);
    m_ctx.ui.accessAnswers = {false};
    m_hub->OnUpload();
    EXPECT_EQ(m_ctx.ui.accessConfirmations, 1);

    EXPECT_EQ(Journal(), "");
    EXPECT_TRUE(m_ctx.ui.transfers.empty());
    EXPECT_EQ(m_ctx.ui.loginPrompts, 0);
    EXPECT_TRUE(m_hub->HasUnsavedChanges());
}

INSTANTIATE_TEST_SUITE_P(Links, HubUpload, ::testing::Values(Link::Serial, Link::PlainTcp),
                         [](const auto& info) { return info.param == Link::Serial ? "Serial" : "PlainTcp"; });

}  // namespace
}  // namespace volmar::gui
