// "Export..." and "Import..." of the channel lists with real widgets: each
// list writes its own kind's table; an import goes through the Changes
// window (Apply takes it into the list, Cancel leaves everything); a
// refused table lists its cells and offers only Close.
#include <QFileDialog>
#include <QListWidget>

#include "IoTestSupport.h"
#include "Process.h"
#include "core/sheets/ChannelTable.h"
#include "gui/editors/io/CDlgSetIoAi.h"
#include "gui/editors/io/CDlgSetIoDi.h"
#include "gui/editors/io/CDlgSetIoDo.h"
#include "gui/editors/io/CDlgSetIoOi.h"
#include "gui/editors/io/CDlgSetIoPi.h"
#include "gui/hub/CDlgChanges.h"
#include "gui/hub/ChangesModel.h"

namespace volmar::gui::test {
namespace {

using volmar::testing::ReadFile;
using volmar::testing::TempDir;
using volmar::testing::WriteFile;

class ChannelSheetTest : public EditorTest {
protected:
    void SetUp() override
    {
        record->RECORD.SPEED = 1;
        for (int i = 0; i < 3; ++i) record->IO.AI[i].TYPE = 1;
        std::strcpy(record->IO.AI[1].NAME, "Feed");
    }

    // What the Changes window showed when it came up.
    struct Seen {
        QString title, summary;
        int differences = -1;
        QStringList refusals;
        QStringList buttons;
    };

    // Clicks Import, picks path in the real file dialog and presses the
    // Changes window's button named answer.
    Seen Import(ChannelList& list, const std::string& path, const char* answer)
    {
        Seen seen;
        WhenModal([&](QWidget* fileDialog) {
            auto* files = qobject_cast<QFileDialog*>(fileDialog);
            ASSERT_NE(files, nullptr);
            EXPECT_EQ(files->nameFilters(), QStringList{"CSV File(*.csv)"});
            files->selectFile(QString::fromStdString(path));
            WhenModal([&](QWidget* modal) {
                auto* changes = qobject_cast<CDlgChanges*>(modal);
                ASSERT_NE(changes, nullptr);
                seen = {changes->windowTitle(), changes->Summary(), changes->Model().DifferenceCount(), {}, {}};
                if (auto* refused = changes->findChild<QListWidget*>(QStringLiteral("refusals"))) {
                    for (int i = 0; i < refused->count(); ++i) seen.refusals << refused->item(i)->text();
                }
                for (QPushButton* b : changes->findChildren<QPushButton*>()) seen.buttons << b->objectName();
                Find<QPushButton>(changes, answer)->click();
            }, files);
            static_cast<QDialog*>(files)->accept();
        }, &list);
        Find<QPushButton>(&list, "import")->click();
        return seen;
    }
};

TEST_F(ChannelSheetTest, EachListExportsItsOwnTableAndSaysWhenItCannot)
{
    TempDir dir;
    record->IO.DO[0].TYPE = 1;
    std::strcpy(record->IO.DO[0].NAME, "=HYPERLINK(1)");
    std::vector<std::unique_ptr<ChannelList>> lists;
    lists.push_back(std::make_unique<CDlgSetIoAi>(*record, ui));
    lists.push_back(std::make_unique<CDlgSetIoDi>(*record, ui));
    lists.push_back(std::make_unique<CDlgSetIoPi>(*record, ui));
    lists.push_back(std::make_unique<CDlgSetIoDo>(*record, ui));
    lists.push_back(std::make_unique<CDlgSetIoOi>(*record, ui));
    const sheets::ChannelSheet kinds[] = {sheets::ChannelSheet::Ai, sheets::ChannelSheet::Di, sheets::ChannelSheet::Pi,
                                          sheets::ChannelSheet::Do, sheets::ChannelSheet::Oi};
    for (size_t i = 0; i < lists.size(); ++i) {
        const std::string name = sheets::ChannelSheetName(kinds[i]);
        std::string suggested, path = dir.File(name + ".csv");
        lists[i]->SetPathChooser([&](QWidget*, bool save, const std::string& s) {
            EXPECT_TRUE(save);
            suggested = s;
            return std::optional<std::string>(path);
        });
        ui.shown.clear();
        Find<QPushButton>(lists[i].get(), "export")->click();
        EXPECT_EQ(suggested, name + ".csv");
        EXPECT_EQ(ui.Texts(), std::vector<std::string>{"File saved."}) << name;
        const std::string written = ReadFile(path);
        EXPECT_EQ(written, sheets::ExportChannelTable(*record, kinds[i])) << name;
        EXPECT_EQ(written.rfind("CH,", 0), 0u) << name << ": commas, no byte-order mark";
    }
    EXPECT_NE(ReadFile(dir.File("DO.csv")).find("'=HYPERLINK(1)"), std::string::npos);

    // Tab goes from the list to the two new buttons, then on as before.
    QStringList order;
    QWidget* w = lists[3]->Table();
    do {
        if (w->focusPolicy() & Qt::TabFocus) order << w->objectName();
        w = w->nextInFocusChain();
    } while (w != lists[3]->Table() && order.size() < 20);
    EXPECT_EQ(order.mid(1), (QStringList{"export", "import", "back", "used"}));

    // A folder that is not there: the old file stays, the reason is told.
    ChannelList& ai = *lists[0];
    ai.SetPathChooser([&](QWidget*, bool, const std::string&) { return std::optional(dir.File("gone/AI.csv")); });
    ui.shown.clear();
    Find<QPushButton>(&ai, "export")->click();
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].icon, MessageIcon::Error);
    EXPECT_EQ(ui.shown[0].text, "Failed to Open File\n" + dir.File("gone/AI.csv") + ": No such file or directory");
    // The file chooser cancelled: nothing at all.
    ai.SetPathChooser([](QWidget*, bool, const std::string&) { return std::optional<std::string>(); });
    ui.shown.clear();
    Find<QPushButton>(&ai, "export")->click();
    Find<QPushButton>(&ai, "import")->click();
    EXPECT_TRUE(ui.shown.empty());
}

TEST_F(ChannelSheetTest, ImportShowsTheChangesThenCancelLeavesAndApplyTakesThem)
{
    TempDir dir;
    const std::string path = dir.File("names.csv");
    WriteFile(path, "CH;CH name;CH comment\r\n2;Boiler feed;\"Pump 2, east\"\r\n");
    CDlgSetIoAi list(*record, ui);
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    const auto before = Snapshot();

    Seen seen = Import(list, path, "cancel");
    EXPECT_EQ(seen.title, QStringLiteral("Import"));
    EXPECT_EQ(seen.summary, QStringLiteral("2 settings change with the table."));
    EXPECT_EQ(seen.differences, 2);
    EXPECT_TRUE(seen.refusals.isEmpty());
    EXPECT_TRUE(seen.buttons.contains(QStringLiteral("apply")));
    EXPECT_TRUE(Unchanged(*before));
    EXPECT_EQ(Cell(list.Table(), 1, 1), QStringLiteral("Feed"));

    seen = Import(list, path, "apply");
    EXPECT_EQ(seen.differences, 2);
    EXPECT_STREQ(record->IO.AI[1].NAME, "Boiler feed");
    EXPECT_STREQ(record->IO.AI[1].COMMENT, "Pump 2, east");
    EXPECT_EQ(Cell(list.Table(), 1, 1), QStringLiteral("Boiler feed"));
    EXPECT_EQ(Cell(list.Table(), 1, 2), QStringLiteral("Pump 2, east"));
    // Nothing else moved.
    std::strcpy(before->IO.AI[1].NAME, "Boiler feed");
    std::strcpy(before->IO.AI[1].COMMENT, "Pump 2, east");
    EXPECT_TRUE(Unchanged(*before));
    EXPECT_TRUE(ui.shown.empty());
}

TEST_F(ChannelSheetTest, ARefusedTableListsItsCellsAndChangesNothing)
{
    TempDir dir;
    const std::string path = dir.File("IN.csv");
    WriteFile(path, "CH,CH name\r\n1,Tank\r\n2," + std::string(49, 'x') + "\r\n");
    CDlgSetIoAi list(*record, ui);
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    const auto before = Snapshot();

    const Seen seen = Import(list, path, "close");
    EXPECT_EQ(seen.summary, QStringLiteral("Nothing is imported: 1 entry of the table is refused."));
    EXPECT_EQ(seen.differences, 0);
    ASSERT_EQ(seen.refusals.size(), 1);
    EXPECT_TRUE(seen.refusals[0].startsWith(QStringLiteral("IN.csv:3: CH 2, 'CH name': "))) << seen.refusals[0].toStdString();
    EXPECT_FALSE(seen.buttons.contains(QStringLiteral("apply")));
    EXPECT_TRUE(Unchanged(*before));
    EXPECT_EQ(Cell(list.Table(), 0, 1), QString::fromUtf8(before->IO.AI[0].NAME));  // not "Tank"

    // A file that cannot be read never reaches the window.
    list.SetPathChooser([&](QWidget*, bool save, const std::string&) {
        EXPECT_FALSE(save);
        return std::optional(dir.File("missing.csv"));
    });
    Find<QPushButton>(&list, "import")->click();
    EXPECT_EQ(ui.Only().text, "Failed to Open File\n" + dir.File("missing.csv") + ": No such file or directory");
    EXPECT_TRUE(Unchanged(*before));
}

}  // namespace
}  // namespace volmar::gui::test
