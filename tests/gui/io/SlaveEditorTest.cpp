// The slave list and editors: deleting a slave that channels use, type
// conflicts with the channels, guarded type changes, the number fields,
// Copy / Paste and the polling parameters.
#include "IoTestSupport.h"
#include "gui/editors/io/CDlgSetIoNode.h"
#include "gui/editors/io/CDlgSetIoNodeConf.h"
#include "gui/editors/io/CDlgSetIoNodeTime.h"
#include "gui/editors/kit/Ipv4Edit.h"

namespace volmar::gui::test {
namespace {

class SlaveEditorTest : public EditorTest {
protected:
    void SetUp() override
    {
        std::strcpy(record->IO.MODBUS_MASTER.NODE[2], "10.0.0.2");
        std::strcpy(record->IO.MODBUS_MASTER.NODE[3], "10.0.0.3");
    }
    static void ClearAddress(QWidget& dialog) { Find<kit::Ipv4Edit>(&dialog, "address")->Clear(); }
};

TEST_F(SlaveEditorTest, DeletingAUsedSlaveDisablesItsChannelsOnlyOnOk)
{
    record->IO.AI[4].TYPE = 2;  // AI05 over Modbus/TCP
    record->IO.AI[4].MOD_NODE = 2;
    record->IO.DO[7].TYPE = 3;  // DO08 over SLMP
    record->IO.DO[7].MOD_NODE = 2;
    record->IO.DI[0].TYPE = 2;  // DI01 polls another slave
    record->IO.DI[0].MOD_NODE = 3;

    CDlgSetIoNodeConf dialog(*record, 2, ui);
    ClearAddress(dialog);
    ui.confirmAnswers = {false};
    EXPECT_FALSE(PressOk(dialog));
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions[0], "I/O channels of deleted slave will be disabled.");
    EXPECT_EQ(Find<kit::Ipv4Edit>(&dialog, "address")->Address(), QStringLiteral("10.0.0.2"));
    EXPECT_EQ(record->IO.AI[4].TYPE, 2);

    ClearAddress(dialog);
    ui.confirmAnswers = {true};
    ASSERT_TRUE(PressOk(dialog));
    EXPECT_EQ(record->IO.AI[4].TYPE, 0);
    EXPECT_EQ(record->IO.DO[7].TYPE, 0);
    EXPECT_EQ(record->IO.DI[0].TYPE, 2);
    EXPECT_STREQ(record->IO.MODBUS_MASTER.NODE[2], "");
}

TEST_F(SlaveEditorTest, DeletingAnUnusedSlaveAsksNothing)
{
    CDlgSetIoNodeConf dialog(*record, 2, ui);
    ClearAddress(dialog);
    ASSERT_TRUE(PressOk(dialog));
    EXPECT_TRUE(ui.questions.empty());
    EXPECT_STREQ(record->IO.MODBUS_MASTER.NODE[2], "");
}

TEST_F(SlaveEditorTest, TypeConflictsNameTheSlaveAndKeepTheChannels)
{
    record->IO.DI[10].TYPE = 2;
    record->IO.DI[10].MOD_NODE = 3;
    {
        CDlgSetIoNodeConf dialog(*record, 3, ui);
        Pick(&dialog, "type", 1);
        ui.confirmAnswers = {false};
        const auto before = Snapshot();
        EXPECT_FALSE(PressOk(dialog));
        EXPECT_TRUE(Unchanged(*before));
        ui.confirmAnswers = {true};
        ASSERT_TRUE(PressOk(dialog));
        EXPECT_EQ(ui.questions.back(),
                  "Slave 3 has I/O channel(s) assigned for Modbus/TCP connection.\n"
                  "Are you sure to enable the new setting?");
        EXPECT_EQ(record->IO.MODBUS_MASTER.SLAVE_TYPE[3], 1);
        EXPECT_EQ(record->IO.DI[10].TYPE, 2);
    }
    // A DO channel is on SLMP with type 3.
    ui.questions.clear();
    record->IO.DI[10].TYPE = 0;
    record->IO.DO[0].TYPE = 3;
    record->IO.DO[0].MOD_NODE = 3;
    CDlgSetIoNodeConf dialog(*record, 3, ui);
    Pick(&dialog, "type", 0);
    ASSERT_TRUE(PressOk(dialog));
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions[0],
              "Slave 3 has I/O channel(s) assigned for SLMP connection.\nAre you sure to enable the new setting?");
}

TEST_F(SlaveEditorTest, TypeChangeChecksTheFieldsOfTheOldType)
{
    CDlgSetIoNodeConf dialog(*record, 0, ui);
    EXPECT_FALSE(Find<QLineEdit>(&dialog, "station")->isEnabled());
    SetText(&dialog, "node", QStringLiteral("300"));
    Pick(&dialog, "type", 1);
    EXPECT_EQ(ui.Only().text, "Setting error: Modbus/TCP nord No.");
    EXPECT_EQ(Picked(&dialog, "type"), 0);
    EXPECT_TRUE(Find<QLineEdit>(&dialog, "node")->isEnabled());

    SetText(&dialog, "node", QStringLiteral("0"));
    Pick(&dialog, "type", 2);
    EXPECT_EQ(Picked(&dialog, "type"), 2);
    EXPECT_FALSE(Find<QLineEdit>(&dialog, "node")->isEnabled());
    EXPECT_TRUE(Find<QLineEdit>(&dialog, "station")->isEnabled());
    EXPECT_EQ(Text(&dialog, "node"), QStringLiteral("0"));  // disabled fields keep their text
}

TEST_F(SlaveEditorTest, SlmpNumbers)
{
    CDlgSetIoNodeConf dialog(*record, 1, ui);
    Pick(&dialog, "type", 1);
    SetText(&dialog, "network", QStringLiteral("0"));
    SetText(&dialog, "station", QStringLiteral("0"));
    EXPECT_FALSE(PressOk(dialog));
    EXPECT_EQ(LastMessage(), "Setting error: SLMP station No.");
    SetText(&dialog, "station", QStringLiteral("1"));
    SetText(&dialog, "processor", QStringLiteral("10000"));
    EXPECT_FALSE(PressOk(dialog));
    EXPECT_EQ(LastMessage(), "Setting error: SLMP processor No.");
    SetText(&dialog, "processor", QStringLiteral("3ff"));
    SetText(&dialog, "port", QStringLiteral("65536"));
    EXPECT_FALSE(PressOk(dialog));
    EXPECT_EQ(LastMessage(), "Setting error: Port No.");
    SetText(&dialog, "port", QStringLiteral("5000"));
    ASSERT_TRUE(PressOk(dialog));
    EXPECT_EQ(record->IO.MODBUS_MASTER.SLMP_CPU[1], 0x03FF);
    EXPECT_EQ(record->IO.MODBUS_MASTER.SLMP_SS[1], 1);
    EXPECT_EQ(record->IO.MODBUS_MASTER.PORT[1], 5000);
    CDlgSetIoNodeConf again(*record, 1, ui);
    EXPECT_EQ(Text(&again, "processor"), QStringLiteral("03ff"));
}

TEST_F(SlaveEditorTest, ListRowsEditingAndCopyPaste)
{
    record->IO.MODBUS_MASTER.SLAVE_TYPE[3] = 2;
    CDlgSetIoNode list(*record, ui);
    list.show();
    QTableWidget* table = list.Table();
    ASSERT_EQ(table->rowCount(), kSlaveCount);
    EXPECT_EQ(Cell(table, 0, 0), QStringLiteral("Slave 0"));
    EXPECT_EQ(Cell(table, 0, 1), QString());
    EXPECT_EQ(Cell(table, 3, 1), QStringLiteral("SLMP 32bit"));
    EXPECT_EQ(Cell(table, 3, 2), QStringLiteral("10.0.0.3"));
    EXPECT_EQ(Cell(table, 3, 3), QStringLiteral("502"));

    // Editing a row redraws it.
    WhenModal([](QWidget* modal) {
        auto* editor = qobject_cast<CDlgSetIoNodeConf*>(modal);
        ASSERT_NE(editor, nullptr);
        EXPECT_EQ(editor->windowTitle(), QStringLiteral("Slave 0"));
        Find<kit::Ipv4Edit>(editor, "address")->SetAddress("192.168.1.50");
        SetText(editor, "port", QStringLiteral("1502"));
        EXPECT_TRUE(PressOk(*editor));
    });
    DoubleClickRow(table, 0);
    EXPECT_EQ(Cell(table, 0, 2), QStringLiteral("192.168.1.50"));
    EXPECT_EQ(Cell(table, 0, 3), QStringLiteral("1502"));

    RowMenu(table, 0, [](QMenu* menu) {
        EXPECT_FALSE(MenuAction(menu, "Paste")->isEnabled());
        MenuAction(menu, "Copy")->trigger();
    });
    RowMenu(table, 5, [](QMenu* menu) {
        ASSERT_TRUE(MenuAction(menu, "Paste")->isEnabled());
        MenuAction(menu, "Paste")->trigger();
    });
    for (int column = 1; column < 4; ++column) EXPECT_EQ(Cell(table, 5, column), Cell(table, 0, column));
    EXPECT_STREQ(record->IO.MODBUS_MASTER.NODE[5], "192.168.1.50");
    EXPECT_EQ(record->IO.MODBUS_MASTER.PORT[5], 1502);
}

// The keyboard opens rows as a double-click does: Enter or Space on the
// current row (every list of the toolkit inherits this).
TEST_F(SlaveEditorTest, EnterOrSpaceOnARowOpensItsEditor)
{
    CDlgSetIoNode list(*record, ui);
    list.show();
    list.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&list));
    QTableWidget* table = list.Table();
    table->setFocus(Qt::TabFocusReason);
    std::vector<QString> opened;
    auto openedTitle = [&opened](QWidget* modal) {
        opened.push_back(modal->windowTitle());
        static_cast<QDialog*>(modal)->reject();
    };
    table->setCurrentCell(0, 0);
    QTest::keyClick(list.focusWidget(), Qt::Key_Down);
    QTest::keyClick(list.focusWidget(), Qt::Key_Down);
    WhenModal(openedTitle, &list);
    QTest::keyClick(list.focusWidget(), Qt::Key_Return);
    QTest::keyClick(list.focusWidget(), Qt::Key_Down);
    WhenModal(openedTitle, &list);
    QTest::keyClick(list.focusWidget(), Qt::Key_Space);
    WhenModal(openedTitle, &list);
    QTest::keyClick(list.focusWidget(), Qt::Key_Enter);
    EXPECT_EQ(opened, (std::vector<QString>{QStringLiteral("Slave 2"), QStringLiteral("Slave 3"),
                                           QStringLiteral("Slave 3")}));
    EXPECT_TRUE(list.isVisible());
}

TEST_F(SlaveEditorTest, PollingParameters)
{
    struct Case {
        const char* interval;
        const char* timeout;
        const char* slmp;
        const char* error;
    };
    const Case cases[] = {
        {"99", "1", "1", "Setting error: Pause period"},
        {"10001", "1", "1", "Setting error: Pause period"},
        {"100", "11", "1", "Setting error: Timeout"},
        {"100", "0", "1", "Setting error: Timeout"},
        {"100", "1", "61", "Setting error: SLMP timeout"},
        {"10000", "10", "60", nullptr},
    };
    for (const Case& c : cases) {
        ui.shown.clear();
        CDlgSetIoNodeTime dialog(*record, ui);
        SetText(&dialog, "interval", QString::fromUtf8(c.interval));
        SetText(&dialog, "timeout", QString::fromUtf8(c.timeout));
        SetText(&dialog, "slmpTimeout", QString::fromUtf8(c.slmp));
        Pick(&dialog, "transaction", 0);
        EXPECT_EQ(PressOk(dialog), c.error == nullptr);
        EXPECT_EQ(ui.Only().text, c.error ? c.error : "");
    }
    const SlaveTable& t = record->IO.MODBUS_MASTER;
    EXPECT_EQ(t.INTERVAL, 10000);
    EXPECT_EQ(t.TIMEOUT, 10);
    EXPECT_EQ(t.SLMP_TIMEOUT, 60);
    EXPECT_EQ(t.TRANSACTION, 0);
}

}  // namespace
}  // namespace volmar::gui::test
