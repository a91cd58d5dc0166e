// The AI list and channel editor: rows by storing rate, the addressing and
// scaling checks, guarded mode changes, Time forcing, the exponent form, the
// slave's device table, the slave questions, Copy / Paste and Cancel.
#include "IoTestSupport.h"
#include "gui/editors/io/CDlgSetIoAi.h"
#include "gui/editors/io/CDlgSetIoAiCh.h"

namespace volmar::gui::test {
namespace {

enum Entry { kDisable = 0, kCard = 1, kModbus = 2, kSlmp = 3, kReg = 4, kTime = 5 };

class AiEditorTest : public EditorTest {
protected:
    void SetUp() override
    {
        AddSlavesOfEachType();
        record->IO.AI[0].TYPE = 3;  // control input: name, data type and scaling editable
    }

    // Types a value and presses OK; returns the message shown ("" if none).
    std::string Refusal(CDlgSetIoAiCh& editor, const char* field, const QString& text)
    {
        ui.shown.clear();
        SetText(&editor, field, text);
        EXPECT_FALSE(PressOk(editor));
        return ui.Only().text;
    }
};

TEST_F(AiEditorTest, ListRowsFollowTheStoringRate)
{
    const std::pair<int32_t, int> cases[] = {{0, 16}, {2, 16}, {3, 32}, {8, 32}, {9, 64}, {15, 64}, {16, 0}, {-1, 0}};
    for (auto [speed, rows] : cases) {
        record->RECORD.SPEED = speed;
        CDlgSetIoAi list(*record, ui);
        EXPECT_EQ(list.Table()->rowCount(), rows) << "speed " << speed;
    }
    record->RECORD.SPEED = 9;
    CDlgSetIoAi list(*record, ui);
    EXPECT_EQ(Cell(list.Table(), 0, 1), QStringLiteral("AI1"));  // in use
    EXPECT_EQ(Cell(list.Table(), 63, 0), QStringLiteral("AI64"));
    EXPECT_EQ(Cell(list.Table(), 63, 1), QString());               // disabled: no name
}

TEST_F(AiEditorTest, AddressingChecks)
{
    CDlgSetIoAiCh editor(*record, 0, ui);
    Pick(&editor, "type", kCard);
    EXPECT_EQ(Refusal(editor, "cardNo", QStringLiteral("0")), "Setting error: Module address");
    EXPECT_EQ(Refusal(editor, "cardNo", QStringLiteral("17")), "Setting error: Module address");
    SetText(&editor, "cardNo", QStringLiteral("16"));
    EXPECT_EQ(Refusal(editor, "cardCh", QStringLiteral("5")), "Setting error: CH No.");
    SetText(&editor, "cardCh", QStringLiteral("4"));

    Pick(&editor, "type", kModbus);
    EXPECT_EQ(Refusal(editor, "regAddress", QStringLiteral("0")), "Setting error: Modbus/TCP register address");
    SetText(&editor, "regAddress", QStringLiteral("65536"));
    Pick(&editor, "regType", 1);
    ASSERT_TRUE(PressOk(editor));
    const AiChannel& ch = record->IO.AI[0];
    EXPECT_EQ(ch.TYPE, 2);
    EXPECT_EQ(ch.CARD_NO, 16);
    EXPECT_EQ(ch.CARD_CH, 4);
    EXPECT_EQ(ch.MOD_ADDRESS, 65536u);
    EXPECT_EQ(ch.MOD_TYPE, 4);
}

TEST_F(AiEditorTest, ScalingPrecisionAndRange)
{
    CDlgSetIoAiCh editor(*record, 0, ui);
    SetText(&editor, "scale100", QStringLiteral("100"));
    EXPECT_EQ(Refusal(editor, "scale0", QStringLiteral("0.0005")), "Setting error: Scaling 0 %");
    EXPECT_EQ(Refusal(editor, "scale0", QStringLiteral("1e11")), "Setting error: Scaling 0 %");
    EXPECT_EQ(Refusal(editor, "scale0", QStringLiteral("100.000")), "Setting error: Scaling 0 %, Scaling 100 %");
    // Too precise for three decimals: refused before the two are compared.
    SetText(&editor, "scale0", QStringLiteral("100"));
    EXPECT_EQ(Refusal(editor, "scale100", QStringLiteral("100.0004")), "Setting error: Scaling 100 %");
    SetText(&editor, "scale100", QStringLiteral("100"));
    SetText(&editor, "scale0", QStringLiteral("0.5000"));
    ASSERT_TRUE(PressOk(editor));
    EXPECT_EQ(record->IO.AI[0].SCALE_0, 0.5);
    EXPECT_EQ(Text(&editor, "scale0"), QStringLiteral("0.500"));  // re-written in the channel's notation
}

TEST_F(AiEditorTest, IntegerScalingMustNotRoundToZero)
{
    for (int dataType : {1, 2}) {  // Int, and Uint which divides by it too
        SCOPED_TRACE(dataType);
        CDlgSetIoAiCh editor(*record, 0, ui);
        Pick(&editor, "dataType", dataType);
        EXPECT_EQ(Refusal(editor, "scale", QStringLiteral("0.0001")), "Setting error: Scaling");
        EXPECT_EQ(Refusal(editor, "scale", QStringLiteral("0")), "Setting error: Scaling");
        EXPECT_EQ(Refusal(editor, "scale", QStringLiteral("abc")), "Setting error: Scaling");
        SetText(&editor, "scale", QStringLiteral("1"));
        Pick(&editor, "exp", 1);
        // With exponent notation the value is typed in the exponent form; the
        // shared precision check still refuses a fourth decimal digit.
        EXPECT_EQ(Refusal(editor, "scale", QStringLiteral("0.0001")), "Setting error: Scaling");
        SetText(&editor, "scale", QStringLiteral("1e-4"));
        ASSERT_TRUE(PressOk(editor));
        EXPECT_EQ(Text(&editor, "scale"), QStringLiteral("1.000e-04"));
        EXPECT_DOUBLE_EQ(record->IO.AI[0].SCALE, 0.0001);
        EXPECT_EQ(record->IO.AI[0].EXP, 1);
    }
}

TEST_F(AiEditorTest, NegativeTimeConstantIsRefused)
{
    CDlgSetIoAiCh editor(*record, 0, ui);
    Pick(&editor, "filter", 2);
    EXPECT_EQ(Refusal(editor, "timeConstant", QStringLiteral("-5")), "Setting error: Time constant");
    EXPECT_EQ(Refusal(editor, "timeConstant", QStringLiteral("101")), "Setting error: Time constant");
    SetText(&editor, "timeConstant", QStringLiteral("100"));
    ASSERT_TRUE(PressOk(editor));
    EXPECT_EQ(record->IO.AI[0].T, 100u);
}

TEST_F(AiEditorTest, GuardedChangesKeepTheOldModeOnFailure)
{
    CDlgSetIoAiCh editor(*record, 0, ui);
    SetText(&editor, "name", QString(17, QLatin1Char('n')));
    Pick(&editor, "type", kCard);
    EXPECT_EQ(ui.Only().text, "Setting error: CH name");
    EXPECT_EQ(Picked(&editor, "type"), kReg);
    EXPECT_FALSE(Find<QLineEdit>(&editor, "cardNo")->isEnabled());

    SetText(&editor, "name", QStringLiteral("ok"));
    SetText(&editor, "scale0", QStringLiteral("x"));
    for (const char* combo : {"dataType", "filter", "exp"}) {
        ui.shown.clear();
        Pick(&editor, combo, 1);
        EXPECT_EQ(ui.Only().text, "Setting error: Scaling 0 %") << combo;
        EXPECT_EQ(Picked(&editor, combo), 0) << combo;
    }
    SetText(&editor, "scale0", QStringLiteral("0"));
    Pick(&editor, "dataType", 1);
    EXPECT_TRUE(Find<QLineEdit>(&editor, "scale")->isEnabled());
    EXPECT_FALSE(Find<QLineEdit>(&editor, "scale0")->isEnabled());
    Pick(&editor, "filter", 1);
    EXPECT_TRUE(Find<QComboBox>(&editor, "samples")->isEnabled());
    EXPECT_FALSE(Find<QLineEdit>(&editor, "timeConstant")->isEnabled());
}

TEST_F(AiEditorTest, TimeTypeForcesAnIntegerWithoutFilterAndExponent)
{
    record->IO.AI[0].EXP = 1;
    record->IO.AI[0].FILTER = 1;
    record->IO.AI[0].POINT = 3;
    CDlgSetIoAiCh editor(*record, 0, ui);
    Pick(&editor, "type", kTime);
    EXPECT_EQ(Picked(&editor, "dataType"), 1);
    EXPECT_EQ(Text(&editor, "scale"), QStringLiteral("1.000"));
    EXPECT_EQ(Picked(&editor, "filter"), 0);
    EXPECT_EQ(Picked(&editor, "point"), 0);
    EXPECT_EQ(Picked(&editor, "exp"), 0);
    for (const char* name : {"dataType", "filter", "point", "exp", "samples"}) {
        EXPECT_FALSE(Find<QComboBox>(&editor, name)->isEnabled()) << name;
    }
    EXPECT_FALSE(Find<QLineEdit>(&editor, "scale")->isEnabled());
    EXPECT_TRUE(Find<QLineEdit>(&editor, "unit")->isEnabled());
    EXPECT_TRUE(Find<QComboBox>(&editor, "timeType")->isEnabled());
    Pick(&editor, "timeType", 2);
    ASSERT_TRUE(PressOk(editor));
    const AiChannel& ch = record->IO.AI[0];
    EXPECT_EQ(ch.TYPE, 4);
    EXPECT_EQ(ch.TIME_TYPE, 2);
    EXPECT_EQ(ch.AI_DATA_TYPE, 1);
    EXPECT_EQ(ch.SCALE, 1.0);
    EXPECT_EQ(ch.FILTER, 0);
    EXPECT_EQ(ch.POINT, 0);
    EXPECT_EQ(ch.EXP, 0);
}

TEST_F(AiEditorTest, ExponentNotationRewritesTheScaling)
{
    CDlgSetIoAiCh editor(*record, 0, ui);
    SetText(&editor, "scale0", QStringLiteral("12.5"));
    Pick(&editor, "exp", 1);
    const QString shown = Text(&editor, "scale0");
    EXPECT_EQ(shown, QStringLiteral("1.250e+01"));
    EXPECT_EQ(Text(&editor, "scale100"), QStringLiteral("1.000e+02"));
    Pick(&editor, "exp", 0);
    EXPECT_EQ(Text(&editor, "scale0"), QStringLiteral("12.500"));
}

TEST_F(AiEditorTest, SlmpDevicesFollowTheSlaveType)
{
    AiChannel& ch = record->IO.AI[0];
    ch.TYPE = 7;
    ch.MOD_NODE = 1;
    ch.SLMP_DEV_CODE = 0xB4;  // W: hexadecimal numbers
    ch.SLMP_DEV_NO = 0x1A0;
    CDlgSetIoAiCh editor(*record, 0, ui);
    QComboBox* device = Find<QComboBox>(&editor, "device");
    EXPECT_EQ(device->count(), 10);
    EXPECT_EQ(device->currentText(), QStringLiteral("W"));
    EXPECT_EQ(Text(&editor, "deviceHex"), QStringLiteral("000001a0"));
    EXPECT_EQ(Text(&editor, "deviceDec"), QStringLiteral("0"));
    EXPECT_TRUE(Find<QLineEdit>(&editor, "deviceHex")->isEnabled());
    EXPECT_FALSE(Find<QLineEdit>(&editor, "deviceDec")->isEnabled());

    Pick(&editor, "slave", 2);  // SLMP 32bit: table B with RD
    EXPECT_EQ(device->count(), 11);
    EXPECT_EQ(device->itemText(10), QStringLiteral("RD"));
    EXPECT_EQ(device->currentIndex(), 0);
    EXPECT_EQ(Text(&editor, "deviceHex"), QStringLiteral("00000000"));
    EXPECT_TRUE(Find<QLineEdit>(&editor, "deviceDec")->isEnabled());

    Pick(&editor, "device", 10);
    EXPECT_EQ(Refusal(editor, "deviceHex", QStringLiteral("100000000")), "Setting error: SLMP device No. (Hexadecimal)");
    SetText(&editor, "deviceHex", QStringLiteral("0"));
    EXPECT_EQ(Refusal(editor, "deviceDec", QStringLiteral("4294967296")), "Setting error: SLMP device No. (Decimal)");
    SetText(&editor, "deviceDec", QStringLiteral("4294967295"));
    ASSERT_TRUE(PressOk(editor));
    EXPECT_EQ(ch.MOD_NODE, 2);
    EXPECT_EQ(ch.SLMP_DEV_CODE, 0x2C);
    EXPECT_EQ(ch.SLMP_DEV_NO, 4294967295u);
}

TEST_F(AiEditorTest, SlaveQuestions)
{
    CDlgSetIoAiCh editor(*record, 0, ui);
    Pick(&editor, "type", kModbus);
    Pick(&editor, "slave", 5);  // no address
    EXPECT_FALSE(PressOk(editor));
    EXPECT_EQ(ui.Only().text, "Setting error: Slave address.\nSet IP address to designated slave.");

    Pick(&editor, "slave", 1);  // an SLMP slave
    ui.confirmAnswers = {false};
    EXPECT_FALSE(PressOk(editor));
    EXPECT_EQ(ui.questions.back(), "SLMP is selected as slave.");
    EXPECT_EQ(record->IO.AI[0].TYPE, 3);
    Pick(&editor, "type", kSlmp);
    Pick(&editor, "slave", 0);  // a Modbus/TCP slave
    ui.confirmAnswers = {true};
    EXPECT_TRUE(PressOk(editor));
    EXPECT_EQ(ui.questions.back(), "Modbus/TCP is selected as slave.");
    EXPECT_EQ(record->IO.AI[0].TYPE, 7);
}

TEST_F(AiEditorTest, ZoneOrderIsCheckedInTheChannelsNotation)
{
    AiChannel& ch = record->IO.AI[0];
    ch.USE_AREAS = 2;
    ch.AREA[0].LEVEL_UPPER = 50.0004;  // 50.000 at three decimals
    ch.AREA[1].LEVEL_LOWER = 50.0001;
    {
        CDlgSetIoAiCh editor(*record, 0, ui);
        EXPECT_TRUE(PressOk(editor));
    }
    ch.AREA[0].LEVEL_UPPER = 50.01;
    CDlgSetIoAiCh editor(*record, 0, ui);
    EXPECT_FALSE(PressOk(editor));
    EXPECT_EQ(ui.Only().text, "Limit value error: Zone 1upper limit > zone 2 lower limit");
}

TEST_F(AiEditorTest, CopyPasteCopiesTheWholeChannel)
{
    record->RECORD.SPEED = 9;
    AiChannel& source = record->IO.AI[0];
    std::strcpy(source.NAME, "Flow");
    source.USE_AREAS = 4;
    source.AREA[3].DO_ON2 = 0x80;
    CDlgSetIoAi list(*record, ui);
    list.show();
    RowMenu(list.Table(), 0, [](QMenu* menu) { MenuAction(menu, "Copy")->trigger(); });
    RowMenu(list.Table(), 1, [](QMenu* menu) { MenuAction(menu, "Paste")->trigger(); });
    EXPECT_EQ(std::memcmp(&record->IO.AI[1], &source, sizeof source), 0);
    EXPECT_EQ(Cell(list.Table(), 1, 1), QStringLiteral("Flow"));
}

TEST_F(AiEditorTest, CancelLeavesTheRecordByteIdentical)
{
    record->RECORD.SPEED = 9;
    const auto before = Snapshot();
    CDlgSetIoAi list(*record, ui);
    list.show();
    WhenModal([](QWidget* modal) {
        SetText(modal, "name", QStringLiteral("changed"));
        Pick(modal, "type", kCard);
        Pick(modal, "exp", 1);
        qobject_cast<QDialog*>(modal)->reject();
    });
    DoubleClickRow(list.Table(), 0);
    EXPECT_TRUE(Unchanged(*before));
    EXPECT_EQ(Cell(list.Table(), 0, 1), QStringLiteral("AI1"));
}

}  // namespace
}  // namespace volmar::gui::test
