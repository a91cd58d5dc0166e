// Download and upload of the setting over the serial link: the simulated
// unit's session on an in-memory line with a virtual clock, and once over a
// real pseudo-terminal.
#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <memory>

#include "FakeUnitModel.h"
#include "FdCount.h"
#include "FlowFixture.h"
#include "PtyUnit.h"
#include "RecordingInteraction.h"
#include "SimulatedUnitLine.h"
#include "core/link/serial/ComPort.h"
#include "core/link/transfer/SettingDownload.h"
#include "core/link/transfer/SettingUpload.h"
#include "core/link/transfer/UnitMessages.h"

namespace volmar {
namespace {

using test::RecordingInteraction;

constexpr uint8_t kStx = 0x02;

// A unit that stops answering after its third result query.
class FadingUnitModel : public test::FakeUnitModel {
public:
    std::atomic<int> queries{0};
    std::atomic<bool> mute{false};
    sim::ResultReply QueryResult() override
    {
        if (++queries >= 3) mute = true;
        return FakeUnitModel::QueryResult();
    }
};

class SerialFlow : public ::testing::Test {
protected:
    SerialFlow()
    {
        link_.kind = LinkKind::Usb;
        link_.comPort = 3;
        document_ = WriteSettingDocument(*test::NamedRecord("Pump house 3"));
        model_.SetObject(kSettingObject, test::Compress(document_));
    }

    void Attach(sim::SerialFaultPlan plan = {})
    {
        unit_ = std::make_unique<test::SimulatedUnitLine>(model_, plan);
        opener_ = std::make_unique<StreamPortOpener>(unit_->line, unit_->clock);
        options_.serial = opener_.get();
    }

    // The far end drops every frame with this command code and all that
    // follows once mute is set: the line stays open but the unit is gone.
    void Intercept(uint8_t dropCommand, const std::atomic<bool>* mute = nullptr)
    {
        auto& u = *unit_;
        u.line.SetFarEnd([&u, dropCommand, mute](const uint8_t* d, size_t n) {
            if (mute && *mute) return;
            if (n >= 4 && d[0] == kStx && d[3] == dropCommand) return;
            u.session.Receive(d, n, u.clock.NowMs());
            const auto out = u.session.TakeOutput();
            if (!out.empty()) u.line.Inject(out);
        });
    }

    bool Download() { return DownloadSetting(link_, ui_, profile_, *record_, options_); }
    bool Upload(const std::string& document, UploadOptions upload = {})
    {
        return UploadSettingObject(link_, ui_, profile_, document, upload, options_);
    }

    FadingUnitModel model_;
    std::unique_ptr<test::SimulatedUnitLine> unit_;
    std::unique_ptr<StreamPortOpener> opener_;
    LinkOptions options_;
    LinkState link_;
    MemoryProfile profile_;
    RecordingInteraction ui_;
    std::unique_ptr<SettingRecord> record_ = test::NamedRecord("Before");
    std::string document_;
};

TEST_F(SerialFlow, DownloadFillsTheRecordWithTheUnitsSetting)
{
    Attach();
    ASSERT_TRUE(Download()) << ::testing::PrintToString(ui_.Texts());
    EXPECT_EQ(WriteSettingDocument(*record_), document_);
    EXPECT_TRUE(ui_.shown.empty());
    EXPECT_EQ(ui_.accessConfirmations, 0);  // the caller's, before the download
    ASSERT_EQ(ui_.transfers.size(), 1u);
    const auto& t = ui_.transfers[0];
    EXPECT_EQ(t.link, TransferLink::Serial);
    EXPECT_FALSE(t.send);
    EXPECT_EQ(t.object, "CONFIG_P");
    EXPECT_EQ(t.total, 0x200000);
    EXPECT_EQ(t.finalProgress, 0x200000);
}

TEST_F(SerialFlow, PayloadThatDoesNotDecompressLeavesTheRecordAsItWas)
{
    auto payload = test::Compress(document_);
    auto flipped = payload;
    flipped[flipped.size() / 2] ^= 0x5A;
    auto truncated = payload;
    truncated.resize(payload.size() - 5);
    const SettingRecord before = *record_;
    for (const auto& bad : {flipped, truncated, std::vector<uint8_t>{}}) {
        model_.SetObject(kSettingObject, bad);
        ui_.shown.clear();
        Attach();
        EXPECT_FALSE(Download());
        EXPECT_EQ(ui_.Only().text, "Failed to decompress setting data");
        EXPECT_EQ(ui_.Only().icon, MessageIcon::Error);
        EXPECT_EQ(std::memcmp(&before, record_.get(), sizeof before), 0);
    }
}

TEST_F(SerialFlow, FailedReceiveAndFailedTransmitAreReported)
{
    Attach();
    Intercept('G');
    EXPECT_FALSE(Download());
    EXPECT_EQ(ui_.Only().text, "Failed to receive");

    ui_ = {};
    Attach();
    Intercept('P');
    EXPECT_FALSE(Upload(document_));
    EXPECT_EQ(ui_.Only().text, "Failed to transmit");
    EXPECT_EQ(ui_.Only().icon, MessageIcon::Error);
    EXPECT_TRUE(model_.Puts().empty());
}

TEST_F(SerialFlow, UploadSendsEchoTwoAndPollsWhileTheUnitIsProcessing)
{
    for (int i = 0; i < 3; ++i) model_.QueueResult({2, 1, ""});
    model_.QueueResult({2, 0, ""});
    Attach();
    ASSERT_TRUE(Upload(document_)) << ::testing::PrintToString(ui_.Texts());
    EXPECT_EQ(ui_.questions, std::vector<std::string>{"Are you sure to upload?"});
    EXPECT_EQ(ui_.accessConfirmations, 1);
    EXPECT_TRUE(ui_.shown.empty());
    EXPECT_EQ(ui_.pauses, (std::vector<int>{500, 500, 500}));
    EXPECT_EQ(model_.PutName(), "CONFIG_P");
    EXPECT_EQ(test::Decompress(model_.PutData()), document_);
    ASSERT_EQ(ui_.transfers.size(), 1u);
    EXPECT_TRUE(ui_.transfers[0].send);
    EXPECT_EQ(ui_.transfers[0].total, static_cast<int64_t>(model_.PutData().size()));
    EXPECT_EQ(ui_.transfers[0].finalProgress, ui_.transfers[0].total);
}

TEST_F(SerialFlow, UnitVerdictsAreShownWithTheirTexts)
{
    struct Case {
        sim::ResultReply reply;
        std::string text;
    };
    const Case cases[] = {
        {{2, 101, "AI3: SCALE"}, "Cannot save: Unsupported setting value(s).\nAI3: SCALE"},
        {{2, 3, ""}, "Failed to save setting."},
        {{2, 103, ""}, "Cannot change logging setting during logging."},
        {{2, 77, ""}, "Error.\nCODE:77"},
        {{12, 0, ""}, "Error. \nFailed to receive the result of mail delivery."},  // wrong echo
    };
    for (const Case& c : cases) {
        test::FakeUnitModel model;
        model.QueueResult(c.reply);
        test::SimulatedUnitLine unit(model);
        StreamPortOpener opener(unit.line, unit.clock);
        RecordingInteraction ui;
        EXPECT_FALSE(UploadSettingObject(link_, ui, profile_, document_, {}, {&opener}));
        EXPECT_EQ(ui.Only().text, c.text);
        EXPECT_EQ(ui.Only().icon, MessageIcon::Error);
        EXPECT_EQ(model.PutName(), "CONFIG_P");
    }
}

TEST_F(SerialFlow, UnitThatFallsSilentWhileProcessingEndsWithTheFailureMessage)
{
    model_.QueueResult({2, 1, ""});
    Attach();
    Intercept(0, &model_.mute);
    const int64_t start = unit_->clock.NowMs();
    EXPECT_FALSE(Upload(document_));
    EXPECT_EQ(ui_.Only().text, "Error. \nFailed to receive the result of mail delivery.");
    EXPECT_GE(ui_.pauses.size(), 1u);
    EXPECT_LE(ui_.pauses.size(), 3u);
    // Three silent attempts of 3 s plus 2 s, with a little slack.
    EXPECT_LT(unit_->clock.NowMs() - start, 20000);
}

TEST_F(SerialFlow, SilentUnitFailsTheStatusWithinTheTimeouts)
{
    sim::SerialFaultPlan plan;
    plan.silent = true;
    Attach(plan);
    EXPECT_FALSE(Download());
    EXPECT_EQ(ui_.Only().text, "Error.\nFailed to obtain the status.");
    EXPECT_EQ(ui_.Only().icon, MessageIcon::Error);
    EXPECT_TRUE(ui_.transfers.empty());
    EXPECT_LE(unit_->clock.NowMs(), 3 * (3000 + 2000) + 100);
}

TEST_F(SerialFlow, DeviceCodes)
{
    // '(' with 1.0.27 is the supported unit; the network flag is not looked at.
    model_.status = {0x28, 1, 0, 0x00, 0x1B, 0x00};
    Attach();
    EXPECT_TRUE(Download());
    EXPECT_TRUE(ui_.shown.empty());

    for (auto status : {std::array<uint8_t, 6>{0x28, 1, 0, 0x00, 0x1C, 0x08},
                        std::array<uint8_t, 6>{'X', 1, 2, 0x01, 0x2C, 0x08}}) {
        model_.status = status;
        ui_ = {};
        Attach();
        EXPECT_FALSE(Download());
        EXPECT_EQ(ui_.Only().text, "Unsupported device");
        EXPECT_EQ(ui_.Only().icon, MessageIcon::Warning);
    }
}

TEST_F(SerialFlow, SizeRuleRefusesBeforeThePortOpens)
{
    model_.QueueResult({2, 0, ""});
    Attach();
    EXPECT_FALSE(Upload(std::string(2097137, 'x')));
    EXPECT_EQ(ui_.Only().text, "Setting data size is over capacity.");
    EXPECT_EQ(opener_->Opened(), 0);

    ui_ = {};
    const std::string largest(2097136, 'x');
    ASSERT_TRUE(Upload(largest)) << ::testing::PrintToString(ui_.Texts());
    EXPECT_EQ(test::Decompress(model_.PutData()), largest);
}

TEST_F(SerialFlow, DecliningEndsTheUploadBeforeThePortOpens)
{
    model_.QueueResult({2, 0, ""});
    Attach();
    ui_.confirmAnswers = {false};
    EXPECT_FALSE(Upload(document_));
    EXPECT_EQ(ui_.accessConfirmations, 0);

    ui_ = {};
    ui_.accessAnswers = {false};
    EXPECT_FALSE(Upload(document_));
    EXPECT_EQ(ui_.accessConfirmations, 1);
    EXPECT_EQ(opener_->Opened(), 0);
    EXPECT_TRUE(ui_.shown.empty());

    // The confirmation follows the preference; the partial-document editors
    // ask their own question and skip both.
    ui_ = {};
    profile_.SetInt(kProfileSection, kPrefConnectConfirm, 0);
    EXPECT_TRUE(Upload(document_));
    EXPECT_EQ(ui_.accessConfirmations, 0);
    ui_ = {};
    profile_.SetInt(kProfileSection, kPrefConnectConfirm, 1);
    UploadOptions partial;
    partial.askConfirmation = false;
    partial.confirmAccessMode = false;
    EXPECT_TRUE(Upload(document_, partial));
    EXPECT_TRUE(ui_.questions.empty());
    EXPECT_EQ(ui_.accessConfirmations, 0);
}

TEST_F(SerialFlow, PortThatCannotOpenNamesItsNumberAndTheCause)
{
    link_.comDevice = "/nonexistent/ttyQN0";
    EXPECT_FALSE(DownloadSetting(link_, ui_, profile_, *record_));
    EXPECT_EQ(ui_.Only().text,
              "Cannot open COM port 3\n/nonexistent/ttyQN0: No such port: the device is not connected.");
    EXPECT_EQ(ui_.Only().icon, MessageIcon::Error);

    // A port held by another program.
    test::PtyUnit pty(model_);
    ASSERT_TRUE(pty.Running());
    CComPort holder;
    ASSERT_TRUE(holder.Open(pty.SlavePath()).ok);
    link_.comDevice = pty.SlavePath();
    ui_ = {};
    const int fds = test::OpenFdCount();
    EXPECT_FALSE(UploadSettingObject(link_, ui_, profile_, document_));
    EXPECT_EQ(test::OpenFdCount(), fds);
    EXPECT_EQ(ui_.Only().text,
              "Cannot open COM port 3\n" + pty.SlavePath() + ": The port is in use by another program.");
    EXPECT_TRUE(model_.Puts().empty());
}

TEST_F(SerialFlow, RealPortCarriesBothDirectionsAndClosesAfterwards)
{
    test::PtyUnit pty(model_);
    ASSERT_TRUE(pty.Running());
    link_.comDevice = pty.SlavePath();
    model_.QueueResult({2, 0, ""});
    const int fds = test::OpenFdCount();
    ASSERT_TRUE(DownloadSetting(link_, ui_, profile_, *record_)) << ::testing::PrintToString(ui_.Texts());
    EXPECT_EQ(WriteSettingDocument(*record_), document_);
    ASSERT_TRUE(UploadSettingObject(link_, ui_, profile_, document_));
    EXPECT_EQ(test::Decompress(model_.PutData()), document_);
    EXPECT_EQ(test::OpenFdCount(), fds);
}

}  // namespace
}  // namespace volmar
