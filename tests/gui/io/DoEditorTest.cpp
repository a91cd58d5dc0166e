// The DO list, channel editor and the report of what switches each output:
// rows by storing rate, the kept register type, the checks and their exact
// texts, the enable rule, and the report's sources in use.
#include <QCheckBox>
#include <QLabel>

#include "IoTestSupport.h"
#include "gui/common/AppContext.h"
#include "gui/common/EditorOpeners.h"
#include "core/common/Profile.h"
#include "core/link/transfer/LinkState.h"
#include "gui/editors/io/CDlgSetIoDo.h"
#include "gui/editors/io/CDlgSetIoDoCh.h"
#include "gui/editors/io/CDlgSetIoDoUsed.h"
#include "gui/editors/kit/ReportTable.h"

namespace volmar::gui::test {
namespace {

enum Entry { kDisable = 0, kCard, kModbus, kSlmp };

class DoEditorTest : public EditorTest {
protected:
    void SetUp() override
    {
        SlaveTable& t = record->IO.MODBUS_MASTER;
        std::strcpy(t.NODE[0], "10.0.0.1");
        std::strcpy(t.NODE[2], "10.0.0.3");
        t.SLAVE_TYPE[2] = 2;  // SLMP 32bit
        record->IO.DO[0].TYPE = 1;
    }

    std::string Refusal(CDlgSetIoDoCh& editor, const char* field, const QString& text)
    {
        ui.shown.clear();
        SetText(&editor, field, text);
        EXPECT_FALSE(PressOk(editor));
        return ui.Only().text;
    }
    static bool Enabled(QWidget* editor, const char* name) { return Find<QWidget>(editor, name)->isEnabled(); }
};

TEST_F(DoEditorTest, ListRowsAndTheReportButton)
{
    const std::pair<int32_t, int> cases[] = {{2, 32}, {3, 64}, {15, 64}, {16, 0}};
    for (auto [speed, rows] : cases) {
        record->RECORD.SPEED = speed;
        CDlgSetIoDo list(*record, ui);
        EXPECT_EQ(list.Table()->rowCount(), rows) << "speed " << speed;
    }
    record->RECORD.SPEED = 3;
    CDlgSetIoDo list(*record, ui);
    list.show();
    EXPECT_EQ(Cell(list.Table(), 0, 1), QStringLiteral("DO1"));
    EXPECT_EQ(Cell(list.Table(), 1, 0), QStringLiteral("DO02"));
    EXPECT_EQ(Cell(list.Table(), 1, 1), QString());
    QString title;
    WhenModal([&title](QWidget* report) {
        title = report->windowTitle();
        Find<QPushButton>(report, "back")->click();
    });
    Find<QPushButton>(&list, "used")->click();
    EXPECT_EQ(title, QStringLiteral("Which functions assigned to DO?"));
}

TEST_F(DoEditorTest, ChecksAndTheRegisterTypeIsNeverChanged)
{
    DoChannel& ch = record->IO.DO[0];
    ch.MOD_TYPE = 1;  // whatever the document held stays
    CDlgSetIoDoCh editor(*record, 0, ui);
    EXPECT_EQ(Find<QLabel>(&editor, "regType")->text(), QStringLiteral("Coil (0X)"));
    EXPECT_EQ(Refusal(editor, "cardNo", QStringLiteral("0")), "Setting error: Module address");
    SetText(&editor, "cardNo", QStringLiteral("16"));
    EXPECT_EQ(Refusal(editor, "cardCh", QStringLiteral("17")), "Setting error: CH No.");
    SetText(&editor, "cardCh", QStringLiteral("16"));
    EXPECT_EQ(Refusal(editor, "name", QString(17, QLatin1Char('n'))), "Setting error: CH name");
    SetText(&editor, "name", QStringLiteral("Horn"));
    EXPECT_EQ(Refusal(editor, "onText", QStringLiteral("123456789")), "Setting error: Status (ON)");
    SetText(&editor, "onText", QStringLiteral("laut"));
    EXPECT_EQ(Refusal(editor, "offText", QStringLiteral("123456789")), "Setting error: Status (OFF)");
    SetText(&editor, "offText", QStringLiteral("still"));
    ASSERT_TRUE(PressOk(editor));
    EXPECT_EQ(ch.CARD_NO, 16);
    EXPECT_EQ(ch.CARD_CH, 16);

    CDlgSetIoDoCh again(*record, 0, ui);
    Pick(&again, "type", kModbus);
    EXPECT_EQ(Refusal(again, "regAddress", QStringLiteral("65537")), "Setting error: Modbus/TCP register address");
    SetText(&again, "regAddress", QStringLiteral("40"));
    Find<QCheckBox>(&again, "invert")->setChecked(true);
    ASSERT_TRUE(PressOk(again));
    EXPECT_EQ(ch.TYPE, 2);
    EXPECT_EQ(ch.MOD_ADDRESS, 40u);
    EXPECT_EQ(ch.MOD_TYPE, 1);
    EXPECT_EQ(ch.INVERT, kActive);
    EXPECT_STREQ(ch.STATUS.ON.DISP_STRING, "laut");
    EXPECT_STREQ(ch.STATUS.OFF.DISP_STRING, "still");
}

TEST_F(DoEditorTest, EnableRuleAndSlmpOutputs)
{
    record->IO.DO[0].TYPE = 0;
    CDlgSetIoDoCh editor(*record, 0, ui);
    for (const char* name : {"name", "comment", "invert", "onText", "offColour", "cardNo", "slave", "device"}) {
        EXPECT_FALSE(Enabled(&editor, name)) << name;
    }
    Pick(&editor, "type", kModbus);
    for (const char* name : {"name", "invert", "onText", "onColour", "offText", "slave", "regAddress"}) {
        EXPECT_TRUE(Enabled(&editor, name)) << name;
    }
    EXPECT_FALSE(Enabled(&editor, "cardNo"));
    Pick(&editor, "type", kSlmp);
    EXPECT_FALSE(Enabled(&editor, "regAddress"));
    ui.confirmAnswers = {false};
    EXPECT_FALSE(PressOk(editor));  // slave 0 is a Modbus/TCP slave
    EXPECT_EQ(ui.questions.back(), "Modbus/TCP is selected as slave.");
    Pick(&editor, "slave", 2);
    EXPECT_EQ(Find<QComboBox>(&editor, "device")->count(), 21);
    Pick(&editor, "device", 2);  // Y: hexadecimal
    EXPECT_TRUE(Enabled(&editor, "deviceHex"));
    EXPECT_EQ(Refusal(editor, "deviceHex", QStringLiteral("1ffffffff")),
              "Setting error: SLMP device No. (Hexadecimal)");
    SetText(&editor, "deviceHex", QStringLiteral("ff"));
    ASSERT_TRUE(PressOk(editor));
    const DoChannel& ch = record->IO.DO[0];
    EXPECT_EQ(ch.TYPE, 3);
    EXPECT_EQ(ch.MOD_NODE, 2);
    EXPECT_EQ(ch.SLMP_DEV_CODE, 0x9D);
    EXPECT_EQ(ch.SLMP_DEV_NO, 0xFFu);
}

// A source that is off keeps its DO bits and acts again once enabled: it is
// listed too, marked.
TEST_F(DoEditorTest, ReportListsEverySourceAndMarksThoseThatAreOff)
{
    IoBlock& io = record->IO;
    io.AI[1].TYPE = 3;
    io.AI[1].USE_AREAS = 3;
    io.AI[1].AREA[2].DO_ON1 = 0x1;   // zone 3: in use
    io.AI[1].AREA[3].DO_ON1 = 0x1;   // zone 4: beyond the count
    io.PI[0].TYPE = 1;
    io.PI[0].USE_AREAS = 2;
    io.PI[0].AREA[0].DO_ON2 = 0x80;  // DO40
    io.DI[6].TYPE = 1;
    io.DI[6].STATUS.OFF.DO_ON1 = 0x1;
    io.DI[7].STATUS.ON.DO_ON1 = 0x1;  // a disabled input
    io.OI[2].AREA[1].DO_ON1 = 0x1;     // a zone of a disabled channel
    MailReportBlock& mail = record->MAIL_REPORT;
    mail.EVENT[0].MODE = kUse;
    mail.EVENT[0].DO_ON1 = 0x1;
    mail.EVENT[4].MODE = kUse;
    mail.EVENT[4].DO_OFF1 = 0x1;
    mail.EVENT[5].DO_ON1 = 0x1;  // disabled report
    mail.EVENT[8].DO_OFF1 = 0x1;  // disabled report
    mail.TIME.REPORT.MODE = kNoUse;
    mail.TIME.REPORT.DO_OFF2 = 0x80;
    mail.ERROR = 1;

    CDlgSetIoDoUsed report(*record);
    QStringList rows;
    for (int r = 0; r < report.Table()->rowCount(); ++r) {
        rows << QStringList{Cell(report.Table(), r, 0), Cell(report.Table(), r, 1), Cell(report.Table(), r, 2)}.join(
                    QLatin1Char('|'));
    }
    EXPECT_EQ(rows, (QStringList{
                        QStringLiteral("DO01|I/O (AI02)|Zone 3"),
                        QStringLiteral("DO01|I/O (AI02)|Zone 4 (disabled)"),
                        QStringLiteral("DO01|I/O (DI07)|OFF"),
                        QStringLiteral("DO01|I/O (DI08)|ON (disabled)"),
                        QStringLiteral("DO01|I/O (OI03)|Zone 2 (disabled)"),
                        QStringLiteral("DO01|E-mail|Event report 1, 5, "),
                        QStringLiteral("DO01|E-mail|Event report 6 (disabled)"),
                        QStringLiteral("DO01|E-mail|Event report 9 (disabled)"),
                        QStringLiteral("DO01|E-mail|Delivery failure output"),
                        QStringLiteral("DO40|I/O (PI01)|Zone 1"),
                        QStringLiteral("DO40|E-mail|Regular report (disabled)"),
                    }));
}

TEST_F(DoEditorTest, TheIoMenuOpensTheDiAndDoLists)
{
    MemoryProfile profile;
    LinkState link;
    AppContext app{profile, link, ui, {}};
    for (auto [slot, title] : {std::pair{EditorSlot::DiscreteInput, "Discrete input (DI)"},
                               std::pair{EditorSlot::DiscreteOutput, "Discrete output (DO)"}}) {
        QString shown;
        WhenModal([&shown](QWidget* list) {
            shown = list->windowTitle();
            Find<QPushButton>(list, "back")->click();
        });
        OpenerFor(slot)(*record, app, nullptr);
        EXPECT_EQ(shown, QString::fromUtf8(title));
    }
}

}  // namespace
}  // namespace volmar::gui::test
