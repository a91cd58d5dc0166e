// The PI list and channel editor: rows by storing rate, the addressing and
// counting checks (none lets a negative count through), the enable rule of
// types and measuring modes, the pulse range order, the zone editor's
// count-reset boxes, the SLMP tables and where each control is stored.
#include <QCheckBox>
#include <QTabWidget>

#include "IoTestSupport.h"
#include "gui/editors/io/CDlgSetIoPi.h"
#include "gui/editors/io/CDlgSetIoPiCh.h"

namespace volmar::gui::test {
namespace {

enum Entry { kDisable = 0, kCard, kModbus, kSlmp, kReg, kAnalogSum, kDi, kDemo };

class PiEditorTest : public EditorTest {
protected:
    void SetUp() override
    {
        AddSlavesOfEachType();
        record->IO.PI[0].TYPE = 3;  // control input
        record->IO.PI[0].SCALE = 1;
    }

    std::string Refusal(CDlgSetIoPiCh& editor, const char* field, const QString& text)
    {
        ui.shown.clear();
        SetText(&editor, field, text);
        EXPECT_FALSE(PressOk(editor));
        return ui.Only().text;
    }

    static bool On(QWidget* root, const char* name) { return Find<QWidget>(root, name)->isEnabled(); }
};

TEST_F(PiEditorTest, ListRowsFollowTheStoringRateAndPasteCopiesTheChannel)
{
    for (auto [speed, rows] : {std::pair{0, 16}, {2, 16}, {3, 32}, {15, 32}, {16, 0}, {-1, 0}}) {
        record->RECORD.SPEED = speed;
        CDlgSetIoPi list(*record, ui);
        EXPECT_EQ(list.Table()->rowCount(), rows) << "speed " << speed;
    }
    record->RECORD.SPEED = 3;
    std::strcpy(record->IO.PI[0].NAME, "Flow");
    record->IO.PI[0].AREA[4].SUM_RESET = 1;
    CDlgSetIoPi list(*record, ui);
    list.show();
    EXPECT_EQ(Cell(list.Table(), 31, 0), QStringLiteral("PI32"));
    RowMenu(list.Table(), 0, [](QMenu* menu) { MenuAction(menu, "Copy")->trigger(); });
    RowMenu(list.Table(), 5, [](QMenu* menu) { MenuAction(menu, "Paste")->trigger(); });
    EXPECT_EQ(std::memcmp(&record->IO.PI[5], &record->IO.PI[0], sizeof(PiChannel)), 0);
    EXPECT_EQ(Cell(list.Table(), 5, 1), QStringLiteral("Flow"));
}

TEST_F(PiEditorTest, AddressingLimitsDifferFromAi)
{
    CDlgSetIoPiCh editor(*record, 0, ui);
    Pick(&editor, "type", kCard);
    EXPECT_EQ(Refusal(editor, "cardNo", QStringLiteral("17")), "Setting error: Module address");
    SetText(&editor, "cardNo", QStringLiteral("16"));
    EXPECT_EQ(Refusal(editor, "cardCh", QStringLiteral("3")), "Setting error: CH No.");
    SetText(&editor, "cardCh", QStringLiteral("2"));
    Pick(&editor, "type", kModbus);
    EXPECT_EQ(Refusal(editor, "regAddress", QStringLiteral("65536")), "Setting error: Modbus/TCP register address");
    SetText(&editor, "regAddress", QStringLiteral("65535"));
    ASSERT_TRUE(PressOk(editor));
    EXPECT_EQ(record->IO.PI[0].MOD_ADDRESS, 65535u);
    EXPECT_EQ(record->IO.PI[0].CARD_CH, 2);
}

TEST_F(PiEditorTest, CountingFieldsRefuseNegativesAndTooLargeValues)
{
    CDlgSetIoPiCh editor(*record, 0, ui);
    // "-5" would wrap the unsigned fields. Each mode is left with its
    // fields checked.
    Pick(&editor, "type", kCard);
    Find<QCheckBox>(&editor, "range")->setChecked(true);
    EXPECT_EQ(Refusal(editor, "low", QStringLiteral("-5")), "Setting error: Pulse range - lower limit");
    EXPECT_EQ(Refusal(editor, "low", QStringLiteral("4294967296")), "Setting error: Pulse range - lower limit");
    SetText(&editor, "low", QStringLiteral("4294967295"));
    EXPECT_EQ(Refusal(editor, "high", QStringLiteral("-1")), "Setting error: Pulse range - upper limit");
    SetText(&editor, "high", QStringLiteral("0"));
    Pick(&editor, "mode", 1);
    Pick(&editor, "filter", 2);  // delay buffer
    ASSERT_TRUE(On(&editor, "timeConstant"));
    EXPECT_EQ(Refusal(editor, "timeConstant", QStringLiteral("101")), "Setting error: Time constant");
    Pick(&editor, "type", kAnalogSum);  // leaving the mode checks its fields
    EXPECT_EQ(Picked(&editor, "type"), kCard);
    EXPECT_EQ(LastMessage(), "Setting error: Time constant");
    SetText(&editor, "timeConstant", QStringLiteral("010"));
    Pick(&editor, "type", kAnalogSum);
    ASSERT_EQ(Picked(&editor, "type"), kAnalogSum);
    EXPECT_EQ(Refusal(editor, "rate", QStringLiteral("10001")), "Setting error: Analog accumulation - accumulation rate");
    SetText(&editor, "rate", QStringLiteral("10000"));
    EXPECT_EQ(Refusal(editor, "dropout", QStringLiteral("12001")), "Setting error: Analog Counter - Low-end cutout");
    EXPECT_EQ(Refusal(editor, "dropout", QStringLiteral("-5")), "Setting error: Analog Counter - Low-end cutout");
    SetText(&editor, "dropout", QStringLiteral("12000"));
    EXPECT_EQ(Refusal(editor, "scale", QStringLiteral("0.0004")), "Setting error: Scaling");
    SetText(&editor, "scale", QStringLiteral("2.5"));
    ASSERT_TRUE(PressOk(editor)) << LastMessage();
    const PiChannel& ch = record->IO.PI[0];
    EXPECT_EQ(ch.WIDTH.LOW, 4294967295u);
    EXPECT_EQ(ch.T, 10u);
    EXPECT_EQ(ch.ANALOG_SUM.RATE, 10000);
    EXPECT_EQ(ch.ANALOG_SUM.DROPOUT, 12000);
    EXPECT_EQ(ch.SCALE, 2.5);
}

TEST_F(PiEditorTest, PulseRangeOrderIsCheckedForModbusAccumulationOnly)
{
    for (int type : {kModbus, kSlmp}) {
        CDlgSetIoPiCh editor(*record, 0, ui);
        Pick(&editor, "type", type);
        Pick(&editor, "slave", type == kModbus ? 0 : 1);
        SetText(&editor, "low", QStringLiteral("100"));
        SetText(&editor, "high", QStringLiteral("100"));
        ui.shown.clear();
        EXPECT_EQ(PressOk(editor), type == kSlmp);
        if (type == kModbus) {
            EXPECT_EQ(ui.Only().text, "Setting error: Pulse range lower limit >= upper limit");
        }
    }
    EXPECT_EQ(record->IO.PI[0].TYPE, 7);
    EXPECT_EQ(record->IO.PI[0].WIDTH.HIGH, 100u);
}

TEST_F(PiEditorTest, EnableRuleFollowsTypeAndMeasuringMode)
{
    CDlgSetIoPiCh editor(*record, 0, ui);
    EXPECT_TRUE(On(&editor, "scale"));
    EXPECT_FALSE(On(&editor, "resetDi"));  // control input: nothing more
    Pick(&editor, "type", kCard);
    EXPECT_TRUE(On(&editor, "resetDi"));
    EXPECT_TRUE(On(&editor, "range"));
    EXPECT_FALSE(On(&editor, "low"));
    Find<QCheckBox>(&editor, "range")->setChecked(true);
    EXPECT_TRUE(On(&editor, "low"));
    EXPECT_FALSE(On(&editor, "filter"));
    Pick(&editor, "mode", 1);  // Engineering unit value
    EXPECT_FALSE(On(&editor, "resetDi"));
    EXPECT_FALSE(On(&editor, "low"));
    EXPECT_TRUE(On(&editor, "filter"));
    EXPECT_FALSE(On(&editor, "timeConstant"));
    Pick(&editor, "filter", 2);
    EXPECT_TRUE(On(&editor, "timeConstant"));

    Pick(&editor, "type", kModbus);
    EXPECT_TRUE(On(&editor, "low"));  // Accumulation: no "Enable" box needed
    EXPECT_FALSE(On(&editor, "range"));
    Pick(&editor, "modeM", 2);  // Floating point
    for (const char* name : {"filter", "low", "high", "resetDi", "timeConstant"}) EXPECT_FALSE(On(&editor, name)) << name;
    Pick(&editor, "type", kDi);
    for (const char* name : {"diCh", "modeDi", "resetDi"}) EXPECT_TRUE(On(&editor, name)) << name;
    EXPECT_FALSE(On(&editor, "aiCh"));
    Pick(&editor, "type", kAnalogSum);
    for (const char* name : {"aiCh", "rate", "timeUnit", "dropout", "resetDi"}) EXPECT_TRUE(On(&editor, name)) << name;
}

TEST_F(PiEditorTest, ZoneEditorGetsTheCountResetFlag)
{
    record->IO.PI[0].USE_AREAS = 5;
    record->IO.PI[0].AREA[2].SUM_RESET = 1;
    struct Case {
        int type;
        int mode;
        bool allowed;
    };
    for (const Case& c : {Case{kModbus, 1, false}, Case{kCard, 1, false}, Case{kSlmp, 1, true}, Case{kModbus, 0, true}}) {
        CDlgSetIoPiCh editor(*record, 0, ui);
        Pick(&editor, "type", c.type);
        Pick(&editor, c.type == kCard ? "mode" : "modeM", c.mode);
        bool enabled = !c.allowed;
        WhenModal([&](QWidget* modal) {
            auto* box = Find<QCheckBox>(modal, "sumReset3");
            enabled = box->isEnabled();
            EXPECT_TRUE(box->isChecked());
            EXPECT_EQ(Find<QWidget>(modal, "sumReset2")->isEnabled(), enabled);
            qobject_cast<QDialog*>(modal)->reject();
        });
        Find<QPushButton>(&editor, "zones")->click();
        EXPECT_EQ(enabled, c.allowed) << c.type << "/" << c.mode;
    }
}

// The zone editor works on the channel editor's copy: its OK reaches the
// record only with the channel's OK.
TEST_F(PiEditorTest, ZoneEditsReachTheRecordOnlyThroughTheChannelOk)
{
    record->IO.PI[0].USE_AREAS = 2;
    const auto before = Snapshot();
    for (bool confirmChannel : {false, true}) {
        CDlgSetIoPiCh editor(*record, 0, ui);
        WhenModal([](QWidget* modal) {
            SetText(modal, "name1", QStringLiteral("Low"));
            EXPECT_TRUE(PressOk(*qobject_cast<QDialog*>(modal)));
        });
        Find<QPushButton>(&editor, "zones")->click();
        if (!confirmChannel) {
            editor.reject();
            EXPECT_TRUE(Unchanged(*before));
        } else {
            ASSERT_TRUE(PressOk(editor)) << LastMessage();
        }
    }
    EXPECT_STREQ(record->IO.PI[0].AREA[0].AREA_NAME, "Low");
}

TEST_F(PiEditorTest, SlmpTablesAreMatchedByDeviceCode)
{
    PiChannel& ch = record->IO.PI[0];
    ch.TYPE = 7;
    ch.MOD_NODE = 2;  // SLMP 32bit: table B
    ch.SLMP_DEV_CODE = 0x62;  // LZ: row 3 of table B, row 0 of table A
    ch.SLMP_DEV_NO = 77;
    CDlgSetIoPiCh editor(*record, 0, ui);
    QComboBox* device = Find<QComboBox>(&editor, "device");
    EXPECT_EQ(device->count(), 15);
    EXPECT_EQ(device->currentText(), QStringLiteral("LZ"));
    EXPECT_EQ(Text(&editor, "deviceDec"), QStringLiteral("77"));
    Pick(&editor, "slave", 1);  // SLMP 16bit: table A
    EXPECT_EQ(device->count(), 12);
    Pick(&editor, "device", 4);  // W: hexadecimal
    EXPECT_TRUE(On(&editor, "deviceHex"));
    SetText(&editor, "deviceHex", QStringLiteral("1F"));
    ASSERT_TRUE(PressOk(editor));
    EXPECT_EQ(ch.SLMP_DEV_CODE, 0xB4);
    EXPECT_EQ(ch.SLMP_DEV_NO, 0x1Fu);
    EXPECT_EQ(ch.MOD_NODE, 1);
}

TEST_F(PiEditorTest, EachControlIsStoredInItsOwnField)
{
    record->IO.DI[6].TYPE = 1;
    std::strcpy(record->IO.DI[6].NAME, "Door");
    CDlgSetIoPiCh editor(*record, 0, ui);
    QComboBox* reset = Find<QComboBox>(&editor, "resetDi");
    EXPECT_EQ(reset->count(), 65);
    EXPECT_EQ(reset->itemText(7), QStringLiteral("DI07 Door"));
    EXPECT_EQ(reset->itemText(8), QStringLiteral("DI08"));
    Pick(&editor, "type", kDemo);
    Pick(&editor, "resetDi", 7);
    Pick(&editor, "diCh", 9);
    Pick(&editor, "modeDi", 3);
    Pick(&editor, "aiCh", 63);
    Pick(&editor, "timeUnit", 2);
    Pick(&editor, "samples", 4);
    Pick(&editor, "regType", 1);
    Find<QCheckBox>(&editor, "swap")->setChecked(false);  // checked by default
    Find<QCheckBox>(&editor, "slmpSwap")->setChecked(true);
    Find<QCheckBox>(&editor, "range")->setChecked(true);
    Pick(&editor, "modeM", 2);
    Pick(&editor, "mode", 1);
    Pick(&editor, "filter", 2);
    Pick(&editor, "point", 3);
    SetText(&editor, "comment", QStringLiteral("Zähler"));
    SetText(&editor, "unit", QStringLiteral("m3"));
    Pick(&editor, "exp", 1);
    EXPECT_EQ(Text(&editor, "scale"), QStringLiteral("1.000e+00"));
    ASSERT_TRUE(PressOk(editor));
    const PiChannel& ch = record->IO.PI[0];
    EXPECT_EQ(ch.TYPE, 6);
    EXPECT_EQ(ch.RESET_DI, 7);  // the entry index: DI07
    EXPECT_EQ(ch.DI_CH, 10);
    EXPECT_EQ(ch.MODE_DI, 3);
    EXPECT_EQ(ch.ANALOG_SUM.TARGET_CH, 64);
    EXPECT_EQ(ch.ANALOG_SUM.UNIT, 2);
    EXPECT_EQ(ch.MOVING_AVERAGE, 64u);
    EXPECT_EQ(ch.MOD_TYPE, 4);
    EXPECT_EQ(ch.SWAP, 0);
    EXPECT_EQ(ch.SLMP_SW, 1);
    EXPECT_EQ(ch.RNG, 1);
    EXPECT_EQ(ch.MODE_M, 2);
    EXPECT_EQ(ch.MODE, 1);
    EXPECT_EQ(ch.FILTER, 2);
    EXPECT_EQ(ch.POINT, 3);
    EXPECT_EQ(QString::fromUtf8(ch.COMMENT), QStringLiteral("Zähler"));
    EXPECT_STREQ(ch.UNIT, "m3");
    EXPECT_EQ(ch.EXP, 1);
}

}  // namespace
}  // namespace volmar::gui::test
