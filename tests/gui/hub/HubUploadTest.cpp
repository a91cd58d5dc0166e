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
#include "gui/editors/io/CDlgSetMain.h"
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
        journal_ = dir_.File("journal.log");
        std::vector<std::string> args = {"--serial", "--tcp", "0", "--cipher", "0", "--journal", journal_};
        args.insert(args.end(), options.begin(), options.end());
        sim_ = std::make_unique<volmar::test::SimProcess>(args);
        ASSERT_TRUE(sim_->WaitReady()) << sim_->Errors();
        ctx_.profile.SetInt(kProfileSection, kPrefConnectConfirm, 0);
        ctx_.UseSimulator(*sim_, GetParam() == Link::Serial ? "serial" : "tcp", 1);
        hub_ = std::make_unique<CDlgSetMain>(*record_, "", ctx_.app);
        hub_->show();
    }
    std::string Journal() const { return ReadFile(journal_); }
    // The unit received a setting, or received and kept one.
    bool Put() const { return Journal().find("put CONFIG_P") != std::string::npos; }
    bool PutTaken() const
    {
        std::istringstream lines(Journal());
        for (std::string line; std::getline(lines, line);)
            if (line.find(" put CONFIG_P ") != std::string::npos && line.ends_with(" ok")) return true;
        return false;
    }
    std::string Messages() const { return ::testing::PrintToString(ctx_.ui.Texts()); }

    TempDir dir_;
    std::string journal_;
    std::unique_ptr<volmar::test::SimProcess> sim_;
    test::TestContext ctx_;
    std::unique_ptr<SettingRecord> record_ = PersonalRecord();
    std::unique_ptr<CDlgSetMain> hub_;
};

TEST_P(HubUpload, SuccessTakesANewSnapshot)
{
    StartUnit();
    Set(record_->SYSTEM.NAME1, "Hub upload");
    ASSERT_TRUE(hub_->HasUnsavedChanges());
    hub_->OnUpload();
    EXPECT_TRUE(PutTaken()) << Journal() << Messages();
    EXPECT_EQ(ctx_.ui.questions, std::vector<std::string>{kConfirmUpload});
    ASSERT_EQ(ctx_.ui.transfers.size(), 1u);
    EXPECT_EQ(ctx_.ui.transfers[0].object, "CONFIG_P");
    EXPECT_FALSE(hub_->HasUnsavedChanges()) << Messages();
    hub_->OnLeave();
    EXPECT_EQ(ctx_.ui.questions.size(), 1u);
    EXPECT_FALSE(hub_->isVisible());
}

TEST_P(HubUpload, FailedUploadKeepsTheSnapshot)
{
    StartUnit({"--refuse-put", "3"});
    Set(record_->SYSTEM.NAME1, "Refused");
    hub_->OnUpload();
    EXPECT_TRUE(Put());
    EXPECT_FALSE(PutTaken());
    EXPECT_TRUE(hub_->HasUnsavedChanges());
}

// Before 2.2 a PI channel of type SLMP may only read LTN, LCN, LSTN or LZ.
TEST_P(HubUpload, OldFirmwareRefusesOtherSlmpDevicesBeforeSending)
{
    StartUnit();  // firmware 2.1
    record_->IO.PI[4].TYPE = 7;
    record_->IO.PI[4].SLMP_DEV_CODE = 0xA8;  // D
    record_->IO.PI[9].TYPE = 7;
    record_->IO.PI[9].SLMP_DEV_CODE = 0x9C;
    hub_->OnUpload();
    ASSERT_FALSE(ctx_.ui.shown.empty());
    EXPECT_EQ(ctx_.ui.shown.back().text, "Setting error: PI5\nSLMP device not supported by this QN70 version.");
    EXPECT_EQ(ctx_.ui.shown.back().icon, MessageIcon::Error);
    EXPECT_NE(Journal().find("status"), std::string::npos) << Journal();
    EXPECT_FALSE(Put());
    EXPECT_TRUE(ctx_.ui.transfers.empty());
}

TEST_P(HubUpload, NewerFirmwareTakesAnySlmpDevice)
{
    StartUnit({"--firmware", "2.2.0"});
    record_->IO.PI[4].TYPE = 7;
    record_->IO.PI[4].SLMP_DEV_CODE = 0xA8;
    hub_->OnUpload();
    EXPECT_TRUE(PutTaken()) << Messages();
    EXPECT_EQ(std::count(ctx_.ui.Texts().begin(), ctx_.ui.Texts().end(),
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
    record_ = testing::MakeMaximalRecord();
    for (Account& a : record_->COM.WEB.AUTH) a.MODE = 0;
    record_->COM.FTP.MODE = 0;
    ASSERT_EQ(DefaultCredentialFlags(*record_), 0u);
    const std::string document = WriteSettingDocument(*record_);
    EXPECT_LT(document.size() + 16, kSettingBufferSize);
    hub_ = std::make_unique<CDlgSetMain>(*record_, "", ctx_.app);
    hub_->OnUpload();
    EXPECT_TRUE(PutTaken()) << Journal() << Messages();
}

// Cancelling the ID/password dialog, the upload question or the access-mode
// confirmation ends the upload before the unit hears anything.
TEST_P(HubUpload, CancelledUploadNeverReachesTheUnit)
{
    StartUnit();
    Set(record_->SYSTEM.NAME1, "Not sent");

    Set(record_->COM.WEB.AUTH[0].PASSWORD, "kovan");
    Set(record_->COM.WEB.AUTH[0].LOGIN, "kovan");
    auto cancelled = test::OnNextModal<CDlgSetIdPwd>([](CDlgSetIdPwd* d) { d->reject(); });
    hub_->OnUpload();
    EXPECT_TRUE(*cancelled);
    EXPECT_TRUE(ctx_.ui.questions.empty());
    Set(record_->COM.WEB.AUTH[0].PASSWORD, "s3cret");

    ctx_.ui.confirmAnswers = {false};
    hub_->OnUpload();
    EXPECT_EQ(ctx_.ui.questions, std::vector<std::string>{kConfirmUpload});

    ctx_.profile.SetInt(kProfileSection, kPrefConnectConfirm, 1);
    ctx_.ui.accessAnswers = {false};
    hub_->OnUpload();
    EXPECT_EQ(ctx_.ui.accessConfirmations, 1);

    EXPECT_EQ(Journal(), "");
    EXPECT_TRUE(ctx_.ui.transfers.empty());
    EXPECT_EQ(ctx_.ui.loginPrompts, 0);
    EXPECT_TRUE(hub_->HasUnsavedChanges());
}

INSTANTIATE_TEST_SUITE_P(Links, HubUpload, ::testing::Values(Link::Serial, Link::PlainTcp),
                         [](const auto& info) { return info.param == Link::Serial ? "Serial" : "PlainTcp"; });

}  // namespace
}  // namespace volmar::gui
