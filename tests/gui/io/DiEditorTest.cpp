// The DI list and channel editor: rows by storing rate, the type values,
// the addressing and state checks in their order, the enable rules of the
// source and of each state block, the AI-bit and logic sources, the bit
// device tables by code, the state blocks' own masks, and Copy / Paste.
#include <QCheckBox>
#include <QColorDialog>
#include <QToolButton>

#include "IoTestSupport.h"
#include "gui/editors/io/CDlgSetIoDi.h"
#include "gui/editors/io/CDlgSetIoDiCh.h"
#include "gui/editors/kit/ColourSwatch.h"
#include "gui/editors/kit/ReportTable.h"

namespace volmar::gui::test {
namespace {

enum Entry { kDisable = 0, kCard, kModbus, kSlmp, kAi, kReg, kLogic, kDemo };

class DiEditorTest : public EditorTest {
protected:
    void SetUp() override
    {
        AddSlavesOfEachType();
        record->IO.DI[0].TYPE = 3;  // control input
    }

    std::string Refusal(CDlgSetIoDiCh& editor, const char* field, const QString& text)
    {
        ui.shown.clear();
        SetText(&editor, field, text);
        EXPECT_FALSE(PressOk(editor));
        return ui.Only().text;
    }
    static bool Enabled(QWidget* editor, const char* name) { return Find<QWidget>(editor, name)->isEnabled(); }
};

TEST_F(DiEditorTest, ListRowsFollowTheStoringRate)
{
    const std::pair<int32_t, int> cases[] = {{0, 32}, {1, 32}, {2, 32}, {3, 64}, {15, 64}, {16, 0}, {-1, 0}};
    for (auto [speed, rows] : cases) {
        record->RECORD.SPEED = speed;
        CDlgSetIoDi list(*record, ui);
        EXPECT_EQ(list.Table()->rowCount(), rows) << "speed " << speed;
    }
    record->RECORD.SPEED = 1;
    CDlgSetIoDi list(*record, ui);
    EXPECT_EQ(Cell(list.Table(), 31, 0), QStringLiteral("DI32"));
    EXPECT_EQ(Cell(list.Table(), 0, 1), QStringLiteral("DI1"));
    EXPECT_EQ(Cell(list.Table(), 1, 1), QString());  // disabled: no name
}

TEST_F(DiEditorTest, EveryTypeEntryStoresItsValue)
{
    const int32_t stored[] = {0, 1, 2, 7, 6, 3, 4, 5};
    for (int entry = 0; entry < 8; ++entry) {
        CDlgSetIoDiCh editor(*record, 0, ui);
        Pick(&editor, "type", entry);
        Pick(&editor, "slave", entry == kSlmp ? 1 : 0);
        ASSERT_TRUE(PressOk(editor)) << LastMessage();
        EXPECT_EQ(record->IO.DI[0].TYPE, stored[entry]) << entry;
        CDlgSetIoDiCh again(*record, 0, ui);
        EXPECT_EQ(Picked(&again, "type"), entry);
    }
}

TEST_F(DiEditorTest, AddressingChecksAndRegisterType)
{
    CDlgSetIoDiCh editor(*record, 0, ui);
    Pick(&editor, "type", kCard);
    EXPECT_EQ(Refusal(editor, "cardNo", QStringLiteral("17")), "Setting error: Module address");
    SetText(&editor, "cardNo", QStringLiteral("16"));
    EXPECT_EQ(Refusal(editor, "cardCh", QStringLiteral("17")), "Setting error: CH No.");
    SetText(&editor, "cardCh", QStringLiteral("16"));  // a DI allows all 16 module channels
    Pick(&editor, "type", kModbus);
    EXPECT_EQ(Refusal(editor, "regAddress", QStringLiteral("0")), "Setting error: Modbus/TCP register address");
    SetText(&editor, "regAddress", QStringLiteral("65536"));
    EXPECT_EQ(Find<QComboBox>(&editor, "regType")->currentText(), QStringLiteral("Input (1X)"));
    Pick(&editor, "regType", 1);
    ASSERT_TRUE(PressOk(editor));
    const DiChannel& ch = record->IO.DI[0];
    EXPECT_EQ(ch.CARD_NO, 16);
    EXPECT_EQ(ch.CARD_CH, 16);
    EXPECT_EQ(ch.MOD_ADDRESS, 65536u);
    EXPECT_EQ(ch.MOD_TYPE, 0);  // "Coil (0X)"
    CDlgSetIoDiCh again(*record, 0, ui);
    Pick(&again, "regType", 0);
    ASSERT_TRUE(PressOk(again));
    EXPECT_EQ(ch.MOD_TYPE, 1);  // "Input (1X)"
}

TEST_F(DiEditorTest, StateChecksRunInOrderAndRefuseNegativeDelays)
{
    CDlgSetIoDiCh editor(*record, 0, ui);
    SetText(&editor, "offText", QStringLiteral("123456789"));
    EXPECT_EQ(Refusal(editor, "onText", QStringLiteral("123456789")), "Setting error: Status (ON) display comment");
    SetText(&editor, "onText", QStringLiteral("12345678"));
    // A negative delay would wrap in the unit's field: refused like 1000.
    EXPECT_EQ(Refusal(editor, "onDelay", QStringLiteral("-5")), "Setting error: On delay");
    EXPECT_EQ(Refusal(editor, "onDelay", QStringLiteral("1000")), "Setting error: On delay");
    SetText(&editor, "onDelay", QStringLiteral("999"));
    EXPECT_EQ(Refusal(editor, "offDelay", QStringLiteral("-1")), "Setting error: Off delay");
    SetText(&editor, "offDelay", QStringLiteral("0"));
    EXPECT_EQ(Refusal(editor, "onMessage", QString(33, QLatin1Char('m'))), "Setting error: Status (ON) message");
    SetText(&editor, "onMessage", QString(32, QLatin1Char('m')));
    EXPECT_EQ(ui.Only().icon, MessageIcon::Error);
    ui.shown.clear();
    EXPECT_FALSE(PressOk(editor));
    EXPECT_EQ(ui.Only().text, "Setting error: Status (OFF) display comment");
    SetText(&editor, "offText", QStringLiteral("off"));
    EXPECT_EQ(Refusal(editor, "offMessage", QString(33, QLatin1Char('m'))), "Setting error: Status (OFF) message");
    SetText(&editor, "offMessage", QStringLiteral("aus"));
    ASSERT_TRUE(PressOk(editor));
    EXPECT_EQ(record->IO.DI[0].STATUS.ON.DELAY, 999);
    EXPECT_EQ(record->IO.DI[0].STATUS.OFF.DELAY, 0);
}

TEST_F(DiEditorTest, EnableRulesOfSourceAndStates)
{
    record->IO.DI[0].TYPE = 0;
    record->IO.DI[0].STATUS.ON.EVENT_LOG = kUse;
    record->IO.DI[0].STATUS.OFF.EVENT_LOG = kNoUse;
    CDlgSetIoDiCh editor(*record, 0, ui);
    for (const char* name : {"name", "invert", "onText", "onLog", "onConfirm", "onMail", "offDelay", "cardNo"}) {
        EXPECT_FALSE(Enabled(&editor, name)) << name;
    }
    Pick(&editor, "type", kLogic);
    for (const char* name : {"logicType", "x1", "x2", "name", "onText", "offRecord", "onConfirm"}) {
        EXPECT_TRUE(Enabled(&editor, name)) << name;
    }
    EXPECT_FALSE(Enabled(&editor, "offConfirm"));  // its own "Event log" is off
    EXPECT_FALSE(Enabled(&editor, "aiCh"));
    // Each block's "Acknowledge" follows that block's "Event log" only.
    Find<QCheckBox>(&editor, "offLog")->click();
    EXPECT_TRUE(Enabled(&editor, "offConfirm"));
    Find<QCheckBox>(&editor, "onLog")->click();
    EXPECT_FALSE(Enabled(&editor, "onConfirm"));
    EXPECT_TRUE(Enabled(&editor, "offConfirm"));

    Pick(&editor, "logicType", 3);  // "NOT X1"
    EXPECT_FALSE(Enabled(&editor, "x2"));
    EXPECT_TRUE(Enabled(&editor, "x1"));
    Pick(&editor, "type", kAi);
    EXPECT_TRUE(Enabled(&editor, "aiCh"));
    EXPECT_TRUE(Enabled(&editor, "aiBit"));
    EXPECT_FALSE(Enabled(&editor, "x1"));
    Pick(&editor, "type", kSlmp);
    EXPECT_TRUE(Enabled(&editor, "device"));
    EXPECT_FALSE(Enabled(&editor, "regType"));
}

TEST_F(DiEditorTest, LogicAndAiBitSources)
{
    record->RECORD.SPEED = 0;  // the AI list still offers all 64 channels
    std::strcpy(record->IO.DI[5].NAME, "Tuer");
    record->IO.AI[63].TYPE = 1;
    std::strcpy(record->IO.AI[63].NAME, "Last");
    DiChannel& ch = record->IO.DI[0];
    ch.LOGIC.X1 = 6;
    ch.LOGIC.X2 = 40;
    ch.AI_CH = 64;
    ch.AI_BIT = 15;
    {
        CDlgSetIoDiCh editor(*record, 0, ui);
        QComboBox* ai = Find<QComboBox>(&editor, "aiCh");
        EXPECT_EQ(ai->count(), 64);
        EXPECT_EQ(ai->currentText(), QStringLiteral("AI64 Last"));
        EXPECT_EQ(ai->itemText(1), QStringLiteral("AI02"));  // disabled: no name
        EXPECT_EQ(Find<QComboBox>(&editor, "x1")->currentText(), QStringLiteral("DI06 Tuer"));
        Pick(&editor, "type", kLogic);
        Pick(&editor, "logicType", 3);  // "NOT X1" keeps X2 as stored
        Pick(&editor, "x1", 6);
        ASSERT_TRUE(PressOk(editor));
    }
    EXPECT_EQ(ch.TYPE, 4);
    EXPECT_EQ(ch.LOGIC.TYPE, 3);
    EXPECT_EQ(ch.LOGIC.X1, 7);
    EXPECT_EQ(ch.LOGIC.X2, 40);
    CDlgSetIoDiCh editor(*record, 0, ui);
    Pick(&editor, "type", kAi);
    Pick(&editor, "aiCh", 9);
    Pick(&editor, "aiBit", 0);
    ASSERT_TRUE(PressOk(editor));
    EXPECT_EQ(ch.TYPE, 6);
    EXPECT_EQ(ch.AI_CH, 10);
    EXPECT_EQ(ch.AI_BIT, 0);
}

TEST_F(DiEditorTest, BitDevicesAreFoundByCode)
{
    DiChannel& ch = record->IO.DI[0];
    ch.TYPE = 7;
    ch.MOD_NODE = 2;  // SLMP 32bit: table B
    ch.SLMP_DEV_CODE = 0x59;  // LSTS, only in table B
    ch.SLMP_DEV_NO = 77;
    CDlgSetIoDiCh editor(*record, 0, ui);
    QComboBox* device = Find<QComboBox>(&editor, "device");
    EXPECT_EQ(device->count(), 21);
    EXPECT_EQ(device->currentText(), QStringLiteral("LSTS"));
    EXPECT_EQ(Text(&editor, "deviceDec"), QStringLiteral("77"));

    Pick(&editor, "slave", 1);  // SLMP 16bit: table A
    EXPECT_EQ(device->count(), 18);
    EXPECT_EQ(device->currentIndex(), 0);
    EXPECT_EQ(Text(&editor, "deviceDec"), QStringLiteral("0"));
    Pick(&editor, "device", 8);  // S: row 8 of A, which B does not have
    SetText(&editor, "deviceDec", QStringLiteral("12"));
    ASSERT_TRUE(PressOk(editor));
    EXPECT_EQ(ch.SLMP_DEV_CODE, 0x98);
    EXPECT_EQ(ch.SLMP_DEV_NO, 12u);

    CDlgSetIoDiCh again(*record, 0, ui);
    EXPECT_EQ(Find<QComboBox>(&again, "device")->currentText(), QStringLiteral("S"));
    Pick(&again, "device", 15);  // SB: hexadecimal
    EXPECT_TRUE(Enabled(&again, "deviceHex"));
    EXPECT_FALSE(Enabled(&again, "deviceDec"));
    SetText(&again, "deviceHex", QStringLiteral("1a0"));
    ASSERT_TRUE(PressOk(again));
    EXPECT_EQ(ch.SLMP_DEV_CODE, 0xA1);
    EXPECT_EQ(ch.SLMP_DEV_NO, 0x1A0u);
}

TEST_F(DiEditorTest, EachStateKeepsItsOwnFieldsAndMasks)
{
    record->IO.DO[39].TYPE = 1;
    record->MAIL_REPORT.EVENT[2].MODE = kUse;
    record->IO.DI[0].STATUS.ON.DISP_COLOR = 0x102030;
    record->IO.DI[0].STATUS.OFF.DISP_COLOR = 0x405060;
    CDlgSetIoDiCh editor(*record, 0, ui);
    editor.show();
    WhenModal(
        [](QWidget* modal) {
            auto* chooser = qobject_cast<QColorDialog*>(modal);
            ASSERT_NE(chooser, nullptr);
            chooser->setCurrentColor(QColor(0xAB, 0xCD, 0xEF));
            chooser->accept();
        },
        &editor);
    Find<kit::ColourSwatch>(&editor, "onColour")->ChooseButton()->click();
    SetText(&editor, "comment", QStringLiteral("Tor"));
    SetText(&editor, "onText", QStringLiteral("AN"));
    SetText(&editor, "offText", QStringLiteral("AUS"));
    SetText(&editor, "onMessage", QStringLiteral("on msg"));
    Pick(&editor, "onNumber", 4);
    Pick(&editor, "offNumber", 31);
    Pick(&editor, "offRecord", 2);
    Pick(&editor, "onTrans", 1);
    Find<QCheckBox>(&editor, "offConfirm")->setChecked(true);
    SetText(&editor, "offDelay", QStringLiteral("12"));
    WhenModal([](QWidget* output) {
        WhenModal([](QWidget* conf) {
            Pick(conf, "output", 1);
            EXPECT_TRUE(PressOk(*qobject_cast<QDialog*>(conf)));
        }, output);
        DoubleClickRow(output->findChild<kit::ReportTable*>(), 39);
        Find<QPushButton>(output, "back")->click();
    });
    Find<QPushButton>(&editor, "onOutput")->click();
    WhenModal([](QWidget* rep) {
        EXPECT_EQ(rep->windowTitle(), QStringLiteral("Select event: status OFF"));
        rep->findChild<kit::ReportTable*>()->item(2, 0)->setCheckState(Qt::Checked);
        EXPECT_TRUE(PressOk(*qobject_cast<QDialog*>(rep)));
    });
    Find<QPushButton>(&editor, "offMail")->click();
    ASSERT_TRUE(PressOk(editor)) << LastMessage();

    EXPECT_STREQ(record->IO.DI[0].COMMENT, "Tor");
    const DiStatus& s = record->IO.DI[0].STATUS;
    EXPECT_EQ(s.ON.DISP_COLOR, 0xABCDEF);  // chosen
    EXPECT_EQ(s.OFF.DISP_COLOR, 0x405060);  // kept
    EXPECT_STREQ(s.ON.DISP_STRING, "AN");
    EXPECT_STREQ(s.OFF.DISP_STRING, "AUS");
    EXPECT_STREQ(s.ON.MESSAGE, "on msg");
    EXPECT_EQ(s.ON.EVENT_NO, 5);
    EXPECT_EQ(s.OFF.EVENT_NO, 32);
    EXPECT_EQ(s.OFF.RECORD, 2);
    EXPECT_EQ(s.ON.RECORD, 0);
    EXPECT_EQ(s.ON.TRANS, kUse);
    EXPECT_EQ(s.OFF.TRANS, kNoUse);
    EXPECT_EQ(s.OFF.CONFIRM, kUse);
    EXPECT_EQ(s.ON.CONFIRM, kNoUse);
    EXPECT_EQ(s.OFF.DELAY, 12);
    EXPECT_EQ(s.ON.DO_ON1, 0u);
    EXPECT_EQ(s.ON.DO_ON2, 0x80u);  // DO40
    EXPECT_EQ(s.OFF.DO_ON2, 0u);
    EXPECT_EQ(s.OFF.MAIL, 0x4u);
    EXPECT_EQ(s.ON.MAIL, 0u);
}

TEST_F(DiEditorTest, SlaveQuestionsAndCancel)
{
    record->IO.DO[0].TYPE = 1;
    const auto before = Snapshot();
    {
        CDlgSetIoDiCh editor(*record, 0, ui);
        editor.show();
        // A state's DO mask, edited and confirmed in its own dialog, is
        // dropped with the channel's Cancel.
        WhenModal([](QWidget* output) {
            WhenModal([](QWidget* conf) {
                Pick(conf, "output", 1);
                EXPECT_TRUE(PressOk(*qobject_cast<QDialog*>(conf)));
            }, output);
            DoubleClickRow(output->findChild<kit::ReportTable*>(), 0);
            Find<QPushButton>(output, "back")->click();
        });
        Find<QPushButton>(&editor, "offOutput")->click();
        Pick(&editor, "type", kSlmp);
        Pick(&editor, "slave", 5);  // no address
        EXPECT_FALSE(PressOk(editor));
        EXPECT_EQ(ui.Only().text, "Setting error: Slave address.\nSet IP address to designated slave.");
        Pick(&editor, "slave", 0);  // a Modbus/TCP slave
        ui.confirmAnswers = {false};
        EXPECT_FALSE(PressOk(editor));
        EXPECT_EQ(ui.questions.back(), "Modbus/TCP is selected as slave.");
        editor.reject();
    }
    EXPECT_TRUE(Unchanged(*before));
}

TEST_F(DiEditorTest, CopyPasteCopiesTheWholeChannel)
{
    DiChannel& source = record->IO.DI[0];
    std::strcpy(source.NAME, "Pump");
    source.STATUS.OFF.DO_ON2 = 0x80;
    CDlgSetIoDi list(*record, ui);
    list.show();
    RowMenu(list.Table(), 0, [](QMenu* menu) { MenuAction(menu, "Copy")->trigger(); });
    RowMenu(list.Table(), 3, [](QMenu* menu) { MenuAction(menu, "Paste")->trigger(); });
    EXPECT_EQ(std::memcmp(&record->IO.DI[3], &source, sizeof source), 0);
    EXPECT_EQ(Cell(list.Table(), 3, 1), QStringLiteral("Pump"));
}

}  // namespace
}  // namespace volmar::gui::test
