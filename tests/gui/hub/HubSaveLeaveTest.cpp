// The configuration hub: saving the setting, leaving with and without
// changes, the keys that lead to the leave flow, the "TAG_MESSAGE"
// preference and the buttons' editors.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <memory>
#include <vector>

#include "HubTestSupport.h"
#include "Process.h"
#include "RecordFactory.h"
#include "gui/common/EditorOpeners.h"
#include "gui/editors/io/CDlgSetIo.h"
#include "gui/hub/CDlgSetMain.h"
#include "core/settings/DocumentWriter.h"

namespace volmar::gui {
namespace {

using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

template <size_t N>
void Set(char (&field)[N], const char* text)
{
    StoreText(field, N, text, std::strlen(text));
}

constexpr const char* kDiscard = "Discarding present setting to return to main menu";

class Hub : public ::testing::Test {
protected:
    // Opens the hub; Save answers with the queued paths (none: Cancel).
    void Open(const std::string& currentFile = "")
    {
        m_hub = std::make_unique<CDlgSetMain>(*m_record, currentFile, m_ctx.app);
        m_hub->SetSavePathChooser([this](QWidget*, const std::string& suggested) -> std::optional<std::string> {
            m_suggested.push_back(suggested);
            if (m_paths.empty()) return std::nullopt;
            std::string path = m_paths.front();
            m_paths.erase(m_paths.begin());
            return path;
        });
        m_hub->show();
    }
    QPushButton* Button(const char* name) const { return m_hub->findChild<QPushButton*>(name); }
    void ChangeByte(size_t offset) { reinterpret_cast<unsigned char*>(m_record.get())[offset] ^= 0x01; }
    std::vector<std::string> Folder() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(m_dir.path()))
            names.push_back(entry.path().filename().string());
        return names;
    }

    test::TestContext m_ctx;
    std::unique_ptr<SettingRecord> m_record = testing::MakeRandomRecord(7);
    std::unique_ptr<CDlgSetMain> m_hub;
    std::vector<std::string> m_paths;
    std::vector<std::string> m_suggested;
    TempDir m_dir;
};

TEST_F(Hub, LeavingUnchangedClosesWithoutAsking)
{
    Open();
    QTest::mouseClick(Button("back"), Qt::LeftButton);
    EXPECT_TRUE(m_ctx.ui.questions.empty());
    EXPECT_FALSE(m_hub->isVisible());
}

TEST_F(Hub, OneChangedByteAnywhereAsksAndCancelKeepsTheHubOpen)
{
    const auto original = std::make_unique<SettingRecord>(*m_record);
    for (size_t offset : {size_t{0}, sizeof(SettingRecord) / 2, sizeof(SettingRecord) - 1}) {
        Open();
        ChangeByte(offset);
        m_ctx.ui.questions.clear();
        m_ctx.ui.confirmAnswers = {false};
        m_hub->OnLeave();
        EXPECT_EQ(m_ctx.ui.questions, std::vector<std::string>{kDiscard}) << offset;
        EXPECT_TRUE(m_hub->isVisible()) << offset;
        m_ctx.ui.confirmAnswers = {true};
        m_hub->OnLeave();
        EXPECT_FALSE(m_hub->isVisible()) << offset;
        // Leaving does not undo the edit.
        EXPECT_NE(std::memcmp(m_record.get(), original.get(), sizeof(SettingRecord)), 0) << offset;
        ChangeByte(offset);
    }
}

TEST_F(Hub, EnterAndEscapeLeadToTheLeaveFlowWhateverHasTheFocus)
{
    Open();
    ChangeByte(100);
    QPushButton* save = Button("save");
    save->setFocus();
    m_ctx.ui.confirmAnswers = {false, false};
    QTest::keyClick(save, Qt::Key_Return);
    QTest::keyClick(m_hub->findChild<QCheckBox*>(), Qt::Key_Escape);
    EXPECT_TRUE(m_suggested.empty()) << "Enter pressed the focused Save button";
    EXPECT_EQ(m_ctx.ui.questions, (std::vector<std::string>{kDiscard, kDiscard}));
    EXPECT_TRUE(m_hub->isVisible());
    QTest::keyClick(save, Qt::Key_Enter);  // the keypad's Enter, answered OK
    EXPECT_FALSE(m_hub->isVisible());
}

// The title bar's close asks like Back: nothing is thrown away unasked.
TEST_F(Hub, ClosingFromTheTitleBarRunsTheLeaveFlow)
{
    Open();
    ChangeByte(200);
    m_ctx.ui.confirmAnswers = {false};
    m_hub->windowHandle()->close();
    EXPECT_EQ(m_ctx.ui.questions, std::vector<std::string>{kDiscard});
    EXPECT_TRUE(m_hub->isVisible());
    m_ctx.ui.confirmAnswers = {true};
    m_hub->windowHandle()->close();
    EXPECT_FALSE(m_hub->isVisible());

    ChangeByte(200);
    Open();
    m_ctx.ui.questions.clear();
    m_hub->windowHandle()->close();
    EXPECT_TRUE(m_ctx.ui.questions.empty());
    EXPECT_FALSE(m_hub->isVisible());
}

TEST_F(Hub, SaveWritesTheDocumentAndLeavingAfterItAsksNothing)
{
    Open();
    ChangeByte(sizeof(SettingRecord) - 1);
    const std::string file = m_dir.File("plant.xml");
    m_paths = {file};
    QTest::mouseClick(Button("save"), Qt::LeftButton);
    ASSERT_EQ(m_ctx.ui.shown.size(), 1u);
    EXPECT_EQ(m_ctx.ui.shown[0].text, "File saved.");
    EXPECT_EQ(m_ctx.ui.shown[0].icon, MessageIcon::Information);
    EXPECT_EQ(ReadFile(file), WriteSettingDocument(*m_record));
    EXPECT_FALSE(m_hub->HasUnsavedChanges());
    m_hub->OnLeave();
    EXPECT_TRUE(m_ctx.ui.questions.empty());
    EXPECT_FALSE(m_hub->isVisible());
}

TEST_F(Hub, SaveSuggestsTheFileLastReadOrTheDefaultName)
{
    Open();
    m_hub->OnSave();  // cancelled: nothing written, nothing said
    EXPECT_TRUE(m_ctx.ui.shown.empty());
    EXPECT_TRUE(Folder().empty());

    const std::string read = m_dir.File("read.xml");
    Open(read);
    m_paths = {m_dir.File("other.xml")};
    m_hub->OnSave();
    m_hub->OnSave();
    EXPECT_EQ(m_suggested, (std::vector<std::string>{"volmar.xml", read, read}));
}

TEST_F(Hub, FileThatCannotBeOpenedIsReportedAndKeepsTheSnapshot)
{
    Open();
    ChangeByte(5);
    m_paths = {m_dir.File("missing/folder/a.xml"), m_dir.path()};
    m_hub->OnSave();
    m_hub->OnSave();
    ASSERT_EQ(m_ctx.ui.shown.size(), 2u);
    for (const Message& m : m_ctx.ui.shown) {
        EXPECT_EQ(m.text, "Failed to Open File");
        EXPECT_EQ(m.icon, MessageIcon::Error);
    }
    EXPECT_TRUE(m_hub->HasUnsavedChanges());
}

// A target the save may not write over stays as it was. A folder standing
// where the file should go stops every user, root too; a read-only file stops
// every user but root, who may write any file.
TEST_F(Hub, ReadOnlyTargetIsNotReplaced)
{
    const std::string folder = m_dir.File("locked.xml");
    std::filesystem::create_directory(folder);
    WriteFile(folder + "/inside.txt", "kept");
    std::vector<std::string> targets{folder};
    const std::string file = m_dir.File("readonly.xml");
    WriteFile(file, "old");
    std::filesystem::permissions(file, std::filesystem::perms::owner_read);
    if (::geteuid() != 0) targets.push_back(file);
    Open();
    m_paths = targets;
    for (size_t i = 0; i < targets.size(); ++i) m_hub->OnSave();
    ASSERT_EQ(m_ctx.ui.shown.size(), targets.size());
    for (const Message& m : m_ctx.ui.shown) EXPECT_EQ(m.text, "Failed to Open File");
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    EXPECT_EQ(ReadFile(folder + "/inside.txt"), "kept");
    EXPECT_EQ(ReadFile(file), "old");
    EXPECT_EQ(Folder().size(), 2u) << "no temporary file left behind";
}

// A write that fails half-way (here: the file size limit) leaves the old
// file whole, no temporary file behind, and the snapshot as it was.
TEST_F(Hub, FailedWriteLeavesNoHalfFile)
{
    const std::string file = m_dir.File("plant.xml");
    WriteFile(file, "previous contents");
    Open();
    ChangeByte(9);
    m_paths = {file};
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    m_hub->OnSave();
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(m_ctx.ui.Only().text, "Failed to save file.");
    EXPECT_EQ(m_ctx.ui.Only().icon, MessageIcon::Error);
    EXPECT_EQ(ReadFile(file), "previous contents");
    EXPECT_EQ(Folder(), std::vector<std::string>{"plant.xml"});
    m_ctx.ui.confirmAnswers = {false};
    m_hub->OnLeave();
    EXPECT_EQ(m_ctx.ui.questions, std::vector<std::string>{kDiscard});
}

TEST_F(Hub, CheckBoxMirrorsAndWritesTagMessage)
{
    Open();  // never set: on
    auto* box = m_hub->findChild<QCheckBox*>();
    EXPECT_TRUE(box->isChecked());
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_EQ(m_ctx.profile.GetInt(kProfileSection, kPrefTagMessage, -1), 0);
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_EQ(m_ctx.profile.GetInt(kProfileSection, kPrefTagMessage, -1), 1);

    m_ctx.profile.SetInt(kProfileSection, kPrefTagMessage, 0);
    Open();
    EXPECT_FALSE(m_hub->findChild<QCheckBox*>()->isChecked());
    // The preference is not part of the setting.
    EXPECT_FALSE(m_hub->HasUnsavedChanges());
}

// The access-mode confirmation may change the link; the lines follow it
// even when the upload then stops.
TEST_F(Hub, LinkLinesFollowTheAccessModeConfirmation)
{
    class SwitchingPort final : public Interaction {
    public:
        explicit SwitchingPort(Interaction& inner) : m_inner(inner) {}
        void Show(const Message& m) override { m_inner.Show(m); }
        bool Confirm(const Message& q) override { return m_inner.Confirm(q); }
        bool ConfirmYesNo(const Message& q) override { return m_inner.ConfirmYesNo(q); }
        bool ConfirmAccessMode(LinkState& link) override
        {
            link.comPort = 2;
            return false;
        }
        bool AskLogin(std::string&, std::string&) override { return false; }
        void RunTransfer(const TransferView&, const std::function<void()>& work) override { work(); }
        void Pause(int) override {}

    private:
        Interaction& m_inner;
    } ui(m_ctx.ui);
    AppContext app{m_ctx.profile, m_ctx.link, ui, [] { return ComPortNames{{0, "ttyS0"}, {1, "ttyUSB0"}}; }};
    m_ctx.link.kind = LinkKind::Usb;
    m_ctx.profile.SetInt(kProfileSection, kPrefConnectConfirm, 1);
    for (Account& a : m_record->COM.WEB.AUTH) a.MODE = 0;  // no ID/password guidance
    m_record->COM.FTP.MODE = 0;
    CDlgSetMain hub(*m_record, "", app);
    auto lineShown = [&hub](const char* text) {
        for (QLabel* label : hub.findChildren<QLabel*>())
            if (label->text() == text) return true;
        return false;
    };
    EXPECT_TRUE(lineShown("USB"));
    EXPECT_TRUE(lineShown("ttyS0"));
    hub.OnUpload();
    EXPECT_TRUE(lineShown("ttyUSB0"));
    EXPECT_EQ(m_ctx.ui.questions, std::vector<std::string>{"Are you sure to upload?"});
}

// With a USB link the second line names the port, as the main window does.
TEST_F(Hub, UsbLinkLineNamesThePort)
{
    AppContext app{m_ctx.profile, m_ctx.link, m_ctx.ui};
    app.serialDevices = [] { return std::vector<SerialDevice>{{"/dev/ttyACM0", "/dev/ttyACM0", "QN70G"}}; };
    m_ctx.link.kind = LinkKind::Usb;
    m_ctx.link.comPort = 1;
    CDlgSetMain hub(*m_record, "", app);
    const std::string expected = DescribeLink(m_ctx.link, m_ctx.profile, app.PortNames()).device;
    ASSERT_FALSE(expected.empty());
    bool shown = false;
    for (QLabel* label : hub.findChildren<QLabel*>()) shown = shown || label->text().toStdString() == expected;
    EXPECT_TRUE(shown) << expected;
}

// Every editor button opens its slot's editor on the hub's own record; the
// I/O button opens the I/O menu.
TEST_F(Hub, ButtonsOpenTheirEditorsOnTheSameRecord)
{
    Open();
    struct Case {
        const char* button;
        EditorSlot slot;
    };
    for (const Case& c : {Case{"system", EditorSlot::System}, Case{"communication", EditorSlot::Communication},
                          Case{"mail", EditorSlot::Mail}, Case{"display", EditorSlot::Display},
                          Case{"record", EditorSlot::Record}}) {
        SettingRecord* seen = nullptr;
        ScopedEditor spy(c.slot, [&](SettingRecord& r, AppContext&, QWidget* parent) {
            seen = &r;
            EXPECT_EQ(parent, m_hub.get());
        });
        QTest::mouseClick(Button(c.button), Qt::LeftButton);
        EXPECT_EQ(seen, m_record.get()) << c.button;
    }

    auto menu = test::OnNextModal<CDlgSetIo>([&](CDlgSetIo* io) {
        std::vector<EditorSlot> opened;
        std::vector<std::unique_ptr<ScopedEditor>> spies;
        for (EditorSlot slot : {EditorSlot::IoSlave, EditorSlot::AnalogInput, EditorSlot::DiscreteInput,
                                EditorSlot::PulseInput, EditorSlot::FunctionInput, EditorSlot::DiscreteOutput}) {
            spies.push_back(std::make_unique<ScopedEditor>(slot, [&, slot](SettingRecord& r, AppContext&, QWidget*) {
                if (&r == m_record.get()) opened.push_back(slot);
            }));
        }
        for (QPushButton* b : io->findChildren<QPushButton*>())
            if (b->text() != "Back") QTest::mouseClick(b, Qt::LeftButton);
        EXPECT_EQ(opened.size(), 6u);
        for (QPushButton* b : io->findChildren<QPushButton*>())
            if (b->text() == "Back") QTest::mouseClick(b, Qt::LeftButton);
    });
    QTest::mouseClick(Button("io"), Qt::LeftButton);
    EXPECT_TRUE(*menu);
    EXPECT_TRUE(m_hub->isVisible());
}

}  // namespace
}  // namespace volmar::gui
