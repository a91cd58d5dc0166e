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
        m_link.kind = LinkKind::Usb;
        m_link.comPort = 3;
        m_document = WriteSettingDocument(*test::NamedRecord("Pump house 3"));
        m_model.SetObject(kSettingObject, test::Compress(m_document));
    }

    void Attach(sim::SerialFaultPlan plan = {})
    {
        m_unit = std::make_unique<test::SimulatedUnitLine>(m_model, plan);
        m_opener = std::make_unique<StreamPortOpener>(m_unit->line, m_unit->clock);
        m_options.serial = m_opener.get();
    }

    // The far end drops every frame with this command code and all that
    // follows once mute is set: the line stays open but the unit is gone.
    void Intercept(uint8_t dropCommand, const std::atomic<bool>* mute = nullptr)
    {
        auto& u = *m_unit;
        u.line.SetFarEnd([&u, dropCommand, mute](const uint8_t* d, size_t n) {
            if (mute && *mute) return;
            if (n >= 4 && d[0] == kStx && d[3] == dropCommand) return;
            u.session.Receive(d, n, u.clock.NowMs());
            const auto out = u.session.TakeOutput();
            if (!out.empty()) u.line.Inject(out);
        });
    }

    bool Download() { return DownloadSetting(m_link, m_ui, m_profile, *m_record, m_options); }
    bool Upload(const std::string& document, UploadOptions upload = {})
    {
        return UploadSettingObject(m_link, m_ui, m_profile, document, upload, m_options);
    }

    FadingUnitModel m_model;
    std::unique_ptr<test::SimulatedUnitLine> m_unit;
    std::unique_ptr<StreamPortOpener> m_opener;
    LinkOptions m_options;
    LinkState m_link;
    MemoryProfile m_profile;
    RecordingInteraction m_ui;
    std::unique_ptr<SettingRecord> m_record = test::NamedRecord("Before");
    std::string m_document;
};

TEST_F(SerialFlow, DownloadFillsTheRecordWithTheUnitsSetting)
{
    Attach();
    ASSERT_TRUE(Download()) << ::testing::PrintToString(m_ui.Texts());
    EXPECT_EQ(WriteSettingDocument(*m_record), m_document);
    EXPECT_TRUE(m_ui.shown.empty());
    EXPECT_EQ(m_ui.accessConfirmations, 0);  // the caller's, before the download
    ASSERT_EQ(m_ui.transfers.size(), 1u);
    const auto& t = m_ui.transfers[0];
    EXPECT_EQ(t.link, TransferLink::Serial);
    EXPECT_FALSE(t.send);
    EXPECT_EQ(t.object, "CONFIG_P");
    EXPECT_EQ(t.total, 0x200000);
    EXPECT_EQ(t.finalProgress, 0x200000);
}

TEST_F(SerialFlow, PayloadThatDoesNotDecompressLeavesTheRecordAsItWas)
{
    auto payload = test::Compress(m_document);
    auto flipped = payload;
    flipped[flipped.size() / 2] ^= 0x5A;
    auto truncated = payload;
    truncated.resize(payload.size() - 5);
    const SettingRecord before = *m_record;
    for (const auto& bad : {flipped, truncated, std::vector<uint8_t>{}}) {
        m_model.SetObject(kSettingObject, bad);
        m_ui.shown.clear();
        Attach();
        EXPECT_FALSE(Download());
        EXPECT_EQ(m_ui.Only().text, "Failed to decompress setting data");
        EXPECT_EQ(m_ui.Only().icon, MessageIcon::Error);
        EXPECT_EQ(std::memcmp(&before, m_record.get(), sizeof before), 0);
    }
}

TEST_F(SerialFlow, FailedReceiveAndFailedTransmitAreReported)
{
    Attach();
    Intercept('G');
    EXPECT_FALSE(Download());
    EXPECT_EQ(m_ui.Only().text, "Failed to receive");

    m_ui = {};
    Attach();
    Intercept('P');
    EXPECT_FALSE(Upload(m_document));
    EXPECT_EQ(m_ui.Only().text, "Failed to transmit");
    EXPECT_EQ(m_ui.Only().icon, MessageIcon::Error);
    EXPECT_TRUE(m_model.Puts().empty());
}

TEST_F(SerialFlow, UploadSendsEchoTwoAndPollsWhileTheUnitIsProcessing)
{
    for (int i = 0; i < 3; ++i) m_model.QueueResult({2, 1, ""});
    m_model.QueueResult({2, 0, ""});
    Attach();
    ASSERT_TRUE(Upload(m_document)) << ::testing::PrintToString(m_ui.Texts());
    EXPECT_EQ(m_ui.questions, std::vector<std::string>{"Are you sure to upload?"});
    EXPECT_EQ(m_ui.accessConfirmations, 1);
    EXPECT_TRUE(m_ui.shown.empty());
    EXPECT_EQ(m_ui.pauses, (std::vector<int>{500, 500, 500}));
    EXPECT_EQ(m_model.PutName(), "CONFIG_P");
    EXPECT_EQ(test::Decompress(m_model.PutData()), m_document);
    ASSERT_EQ(m_ui.transfers.size(), 1u);
    EXPECT_TRUE(m_ui.transfers[0].send);
    EXPECT_EQ(m_ui.transfers[0].total, static_cast<int64_t>(m_model.PutData().size()));
    EXPECT_EQ(m_ui.transfers[0].finalProgress, m_ui.transfers[0].total);
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
        EXPECT_FALSE(UploadSettingObject(m_link, ui, m_profile, m_document, {}, {&opener}));
        EXPECT_EQ(ui.Only().text, c.text);
        EXPECT_EQ(ui.Only().icon, MessageIcon::Error);
        EXPECT_EQ(model.PutName(), "CONFIG_P");
    }
}

TEST_F(SerialFlow, UnitThatFallsSilentWhileProcessingEndsWithTheFailureMessage)
{
    m_model.QueueResult({2, 1, ""});
    Attach();
    Intercept(0, &m_model.mute);
    const int64_t start = m_unit->clock.NowMs();
    EXPECT_FALSE(Upload(m_document));
    EXPECT_EQ(m_ui.Only().text, "Error. \nFailed to receive the result of mail delivery.");
    EXPECT_GE(m_ui.pauses.size(), 1u);
    EXPECT_LE(m_ui.pauses.size(), 3u);
    // Three silent attempts of 3 s plus 2 s, with a little slack.
    EXPECT_LT(m_unit->clock.NowMs() - start, 20000);
}

TEST_F(SerialFlow, SilentUnitFailsTheStatusWithinTheTimeouts)
{
    sim::SerialFaultPlan plan;
    plan.silent = true;
    Attach(plan);
    EXPECT_FALSE(Download());
    EXPECT_EQ(m_ui.Only().text, "Error.\nFailed to obtain the status.");
    EXPECT_EQ(m_ui.Only().icon, MessageIcon::Error);
    EXPECT_TRUE(m_ui.transfers.empty());
    EXPECT_LE(m_unit->clock.NowMs(), 3 * (3000 + 2000) + 100);
}

TEST_F(SerialFlow, DeviceCodes)
{
    // '(' with 1.0.27 is the supported unit; the network flag is not looked at.
    m_model.status = {0x28, 1, 0, 0x00, 0x1B, 0x00};
    Attach();
    EXPECT_TRUE(Download());
    EXPECT_TRUE(m_ui.shown.empty());

    for (auto status : {std::array<uint8_t, 6>{0x28, 1, 0, 0x00, 0x1C, 0x08},
                        std::array<uint8_t, 6>{'X', 1, 2, 0x01, 0x2C, 0x08}}) {
        m_model.status = status;
        m_ui = {};
        Attach();
        EXPECT_FALSE(Download());
        EXPECT_EQ(m_ui.Only().text, "Unsupported device");
        EXPECT_EQ(m_ui.Only().icon, MessageIcon::Warning);
    }
}

TEST_F(SerialFlow, SizeRuleRefusesBeforeThePortOpens)
{
    m_model.QueueResult({2, 0, ""});
    Attach();
    EXPECT_FALSE(Upload(std::string(2097137, 'x')));
    EXPECT_EQ(m_ui.Only().text, "Setting data size is over capacity.");
    EXPECT_EQ(m_opener->Opened(), 0);

    m_ui = {};
    const std::string largest(2097136, 'x');
    ASSERT_TRUE(Upload(largest)) << ::testing::PrintToString(m_ui.Texts());
    EXPECT_EQ(test::Decompress(m_model.PutData()), largest);
}

TEST_F(SerialFlow, DecliningEndsTheUploadBeforeThePortOpens)
{
    m_model.QueueResult({2, 0, ""});
    Attach();
    m_ui.confirmAnswers = {false};
    EXPECT_FALSE(Upload(m_document));
    EXPECT_EQ(m_ui.accessConfirmations, 0);

    m_ui = {};
    m_ui.accessAnswers = {false};
    EXPECT_FALSE(Upload(m_document));
    EXPECT_EQ(m_ui.accessConfirmations, 1);
    EXPECT_EQ(m_opener->Opened(), 0);
    EXPECT_TRUE(m_ui.shown.empty());

    // The confirmation follows the preference; the partial-document editors
    // ask their own question and skip both.
    m_ui = {};
    m_profile.SetInt(kProfileSection, kPrefConnectConfirm, 0);
    EXPECT_TRUE(Upload(m_document));
    EXPECT_EQ(m_ui.accessConfirmations, 0);
    m_ui = {};
    m_profile.SetInt(kProfileSection, kPrefConnectConfirm, 1);
    UploadOptions partial;
    partial.askConfirmation = false;
    partial.confirmAccessMode = false;
    EXPECT_TRUE(Upload(m_document, partial));
    EXPECT_TRUE(m_ui.questions.empty());
    EXPECT_EQ(m_ui.accessConfirmations, 0);
}

TEST_F(SerialFlow, PortThatCannotOpenNamesItsNumberAndTheCause)
{
    m_link.comDevice = "/nonexistent/ttyQN0";
    EXPECT_FALSE(DownloadSetting(m_link, m_ui, m_profile, *m_record));
    EXPECT_EQ(m_ui.Only().text,
              "Cannot open COM port 3\n/nonexistent/ttyQN0: No such port: the device is not connected.");
    EXPECT_EQ(m_ui.Only().icon, MessageIcon::Error);

    // A port held by another program.
    test::PtyUnit pty(m_model);
    ASSERT_TRUE(pty.Running());
    CComPort holder;
    ASSERT_TRUE(holder.Open(pty.SlavePath()).ok);
    m_link.comDevice = pty.SlavePath();
    m_ui = {};
    const int fds = test::OpenFdCount();
    EXPECT_FALSE(UploadSettingObject(m_link, m_ui, m_profile, m_document));
    EXPECT_EQ(test::OpenFdCount(), fds);
    EXPECT_EQ(m_ui.Only().text,
              "Cannot open COM port 3\n" + pty.SlavePath() + ": The port is in use by another program.");
    EXPECT_TRUE(m_model.Puts().empty());
}

TEST_F(SerialFlow, RealPortCarriesBothDirectionsAndClosesAfterwards)
{
    test::PtyUnit pty(m_model);
    ASSERT_TRUE(pty.Running());
    m_link.comDevice = pty.SlavePath();
    m_model.QueueResult({2, 0, ""});
    const int fds = test::OpenFdCount();
    ASSERT_TRUE(DownloadSetting(m_link, m_ui, m_profile, *m_record)) << ::testing::PrintToString(m_ui.Texts());
    EXPECT_EQ(WriteSettingDocument(*m_record), m_document);
    ASSERT_TRUE(UploadSettingObject(m_link, m_ui, m_profile, m_document));
    EXPECT_EQ(test::Decompress(m_model.PutData()), m_document);
    EXPECT_EQ(test::OpenFdCount(), fds);
}

}  // namespace
}  // namespace volmar
