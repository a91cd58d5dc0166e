// The Changes window in the hub against the real simulator over every link:
// the unit's setting read and compared before the upload, the read-back
// after it, Cancel sending nothing, and "Compare..." with a settings file.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "../hub/HubTestSupport.h"
#include "Process.h"
#include "RecordFactory.h"
#include "SimProcess.h"
#include "core/common/FileIo.h"
#include "gui/hub/CDlgChanges.h"
#include "gui/hub/ChangesModel.h"
#include "gui/hub/CDlgSetMain.h"
#include "core/settings/DocumentWriter.h"

namespace volmar::gui {
namespace {

enum class Link { Serial, Plain, Cipher };

template <size_t N>
void Set(char (&field)[N], const char* text)
{
    StoreText(field, N, text, std::strlen(text));
}

// What a Changes window showed: its summary and its rows as
// "setting | left | right" (group heads as their title alone).
struct Seen {
    QString title, summary;
    std::vector<std::string> rows;
    bool times = false;
};

Seen Read(CDlgChanges* d)
{
    Seen s{d->windowTitle(), d->Summary(), {}, d->findChild<QWidget*>(QStringLiteral("times")) != nullptr};
    const ChangesModel& m = d->Model();
    for (int r = 0; r < m.rowCount(); ++r) {
        std::string row = m.index(r, 0).data().toString().toStdString();
        if (!m.IsGroupRow(r))
            row += " | " + m.index(r, 1).data().toString().toStdString() + " | " +
                   m.index(r, 2).data().toString().toStdString();
        s.rows.push_back(row);
    }
    return s;
}

// Answers every Changes window that comes up (each once) with the next
// action; gives up after ten seconds.
class ChangesDriver {
public:
    explicit ChangesDriver(std::vector<std::function<void(CDlgChanges*)>> actions) : m_actions(std::move(actions))
    {
        m_clock.start();
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            auto* d = qobject_cast<CDlgChanges*>(QApplication::activeModalWidget());
            if (m_clock.elapsed() > 10000) m_timer.stop();
            // A window at the address of one already answered is a new one
            // once that one has gone (the pointer then reads null).
            if (!d || !d->isVisible() || d == m_last || m_next >= m_actions.size()) return;
            m_last = d;
            seen.push_back(Read(d));
            m_actions[m_next++](d);
        });
        m_timer.start(5);
    }
    std::vector<Seen> seen;

private:
    std::vector<std::function<void(CDlgChanges*)>> m_actions;
    size_t m_next = 0;
    QPointer<CDlgChanges> m_last;
    QTimer m_timer;
    QElapsedTimer m_clock;
};

class HubChanges : public ::testing::TestWithParam<Link> {
protected:
    void StartUnit(std::vector<std::string> options = {})
    {
        // Web login of its own, so the hub's ID/password guidance stays away;
        // the unit starts with this very setting, so only the edits differ.
        Set(m_record->COM.WEB.AUTH[0].LOGIN, "ops");
        Set(m_record->COM.WEB.AUTH[0].PASSWORD, "s3cret");
        const std::string start = m_dir.File("unit.xml");
        ASSERT_TRUE(WriteFileAtomically(start, WriteSettingDocument(*m_record)));
        m_journal = m_dir.File("journal.log");
        std::vector<std::string> args = {"--serial", "--tcp",     "0",      "--cipher", "0",
                                         "--journal", m_journal, "--config", start};
        args.insert(args.end(), options.begin(), options.end());
        m_sim = std::make_unique<volmar::test::SimProcess>(args);
        ASSERT_TRUE(m_sim->WaitReady()) << m_sim->Errors();
        m_ctx.profile.SetInt(kProfileSection, kPrefConnectConfirm, 0);
        m_ctx.profile.SetInt(kProfileSection, kPrefShowChanges, 1);
        m_ctx.profile.SetInt(kProfileSection, kPrefVerifyUpload, 1);
        const Link kind = GetParam();
        m_ctx.UseSimulator(*m_sim, kind == Link::Serial ? "serial" : kind == Link::Plain ? "tcp" : "cipher", 2);
        m_hub = std::make_unique<CDlgSetMain>(*m_record, "", m_ctx.app);
        m_hub->show();
    }
    // Three fields as a user would edit them.
    void EditThree()
    {
        Set(m_record->SYSTEM.NAME1, "Pump 4");
        Set(m_record->COM.SNTP.SERVER, "ntp.example");
        m_record->IO.AI[1].POINT = 3;
    }
    std::string Journal() const { return volmar::testing::ReadFile(m_journal); }
    std::string Messages() const { return ::testing::PrintToString(m_ctx.ui.Texts()); }

    volmar::testing::TempDir m_dir;
    std::string m_journal;
    std::unique_ptr<volmar::test::SimProcess> m_sim;
    test::TestContext m_ctx;
    std::unique_ptr<SettingRecord> m_record = volmar::testing::MakeDefaultRecord();
    std::unique_ptr<CDlgSetMain> m_hub;
};

TEST_P(HubChanges, ShowsTheThreeEditsThenVerifies)
{
    StartUnit();
    EditThree();
    std::string filtered;
    ChangesDriver driver({[&](CDlgChanges* d) {
                              d->FilterBox().setText(QStringLiteral("sntp"));
                              filtered = std::to_string(d->Filter().rowCount());
                              d->accept();
                          },
                          [](CDlgChanges* d) { d->accept(); }});
    m_hub->OnUpload();
    ASSERT_EQ(driver.seen.size(), 2u) << Journal() << Messages();
    const Seen& before = driver.seen[0];
    EXPECT_EQ(before.title, "Changes before upload");
    EXPECT_EQ(before.summary, "3 settings change on the unit.");
    EXPECT_EQ(before.rows, (std::vector<std::string>{
                               "System (1)",
                               "Name (line 1) | QN70-G | Pump 4",
                               "Analog inputs \xC2\xB7 AI2 (1)",
                               "Number of decimal places | 2 | 3",
                               "Communication \xC2\xB7 SNTP (1)",
                               "SNTP server | pool.ntp.org | ntp.example",
                           }));
    EXPECT_EQ(filtered, "2") << "the SNTP group and its row";
    EXPECT_EQ(before.times, GetParam() == Link::Serial);
    EXPECT_EQ(driver.seen[1].summary, "The unit holds the uploaded setting.");
    EXPECT_TRUE(driver.seen[1].rows.empty());
    EXPECT_FALSE(m_hub->HasUnsavedChanges()) << Messages();
    // Read, sent, read back: in that order, over the one link.
    const std::string j = Journal();
    const size_t get = j.find("get CONFIG_P"), put = j.find("put CONFIG_P");
    ASSERT_NE(get, std::string::npos) << j;
    ASSERT_NE(put, std::string::npos) << j;
    EXPECT_LT(get, put);
    EXPECT_NE(j.find("get CONFIG_P", put), std::string::npos) << j;
}

TEST_P(HubChanges, VerifyShowsExactlyTheFieldTheUnitAltered)
{
    StartUnit({"--alter-after-put", "<VOL_MAR><SYSTEM><NAME3>=Altered"});
    EditThree();
    m_ctx.profile.SetInt(kProfileSection, kPrefShowChanges, 0);
    ChangesDriver driver({[](CDlgChanges* d) { d->accept(); }});
    m_hub->OnUpload();
    ASSERT_EQ(driver.seen.size(), 1u) << Journal() << Messages();
    EXPECT_EQ(driver.seen[0].title, "Verify after upload");
    EXPECT_EQ(driver.seen[0].summary, "The unit holds something else: 1 setting differs from the upload.");
    ASSERT_EQ(driver.seen[0].rows.size(), 2u);
    EXPECT_EQ(driver.seen[0].rows[0], "System (1)");
    EXPECT_TRUE(driver.seen[0].rows[1].starts_with("Name (line 3) | Altered | ")) << driver.seen[0].rows[1];
}

// Cancel in the window ends the upload with nothing sent; its check box
// switches the window off for the next upload, and the hub shows that.
TEST_P(HubChanges, CancelSendsNothingAndTheCheckBoxSwitchesTheWindowOff)
{
    StartUnit();
    EditThree();
    ChangesDriver driver({[](CDlgChanges* d) {
        d->findChild<QCheckBox*>(QStringLiteral("preference"))->setChecked(false);
        d->reject();
    }});
    m_hub->OnUpload();
    ASSERT_EQ(driver.seen.size(), 1u) << Messages();
    EXPECT_NE(Journal().find("get CONFIG_P"), std::string::npos);
    EXPECT_EQ(Journal().find("put"), std::string::npos) << Journal();
    EXPECT_TRUE(m_hub->HasUnsavedChanges());
    EXPECT_EQ(m_ctx.profile.GetInt(kProfileSection, kPrefShowChanges, 1), 0);
    EXPECT_FALSE(m_hub->findChild<QCheckBox*>(QStringLiteral("showChanges"))->isChecked());
}

// "Compare..." with the unit reads its setting and shows what an upload
// would change; nothing is sent.
TEST_P(HubChanges, CompareWithTheUnitShowsWhatAnUploadWouldChange)
{
    StartUnit();
    EditThree();
    ChangesDriver driver({[](CDlgChanges* d) { d->accept(); }});
    m_hub->OnCompareUnit();
    ASSERT_EQ(driver.seen.size(), 1u) << Journal() << Messages();
    EXPECT_EQ(driver.seen[0].title, "Compare");
    EXPECT_EQ(driver.seen[0].summary, "3 settings differ.");
    EXPECT_EQ(driver.seen[0].rows.size(), 6u);
    EXPECT_NE(Journal().find("get CONFIG_P"), std::string::npos);
    EXPECT_EQ(Journal().find("put"), std::string::npos) << Journal();
}

INSTANTIATE_TEST_SUITE_P(AllLinks, HubChanges, ::testing::Values(Link::Serial, Link::Plain, Link::Cipher),
                         [](const auto& info) {
                             return info.param == Link::Serial ? "Serial"
                                                               : info.param == Link::Plain ? "Plain" : "Cipher";
                         });

TEST(HubCompare, WithAFileListsTheEditsOrSaysNothingDiffers)
{
    test::TestContext ctx;
    volmar::testing::TempDir dir;
    auto record = volmar::testing::MakeDefaultRecord();
    const std::string file = dir.File("saved.xml");
    ASSERT_TRUE(WriteFileAtomically(file, WriteSettingDocument(*record)));
    CDlgSetMain hub(*record, "", ctx.app);
    hub.SetOpenPathChooser([&](QWidget*) { return std::optional<std::string>(file); });

    ChangesDriver same({[](CDlgChanges* d) { d->accept(); }});
    hub.OnCompareFile();
    ASSERT_EQ(same.seen.size(), 1u);
    EXPECT_EQ(same.seen[0].summary, "Both settings are the same.");

    // A list field shows the entries of the editor's list, not the document's keywords.
    Set(record->SYSTEM.NAME2, "Hall B");
    record->IO.DO[0].TYPE = 1;
    ChangesDriver edited({[](CDlgChanges* d) { d->accept(); }});
    hub.OnCompareFile();
    ASSERT_EQ(edited.seen.size(), 1u);
    EXPECT_EQ(edited.seen[0].rows,
              (std::vector<std::string>{"System (1)", "Name (line 2) |  | Hall B",
                                        "Discrete outputs \xC2\xB7 DO1 (1)", "CH setting | Disable | I/O module"}));

    hub.SetOpenPathChooser([&](QWidget*) { return std::optional<std::string>(dir.File("missing.xml")); });
    hub.OnCompareFile();
    EXPECT_EQ(ctx.ui.Texts(), std::vector<std::string>{"Failed to Open File"});
}

}  // namespace
}  // namespace volmar::gui
