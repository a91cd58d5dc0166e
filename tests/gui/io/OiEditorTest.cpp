// The OI channel editor and its function dialogs: a new function resets the
// terms to its defaults, the reset input's enabling, the two copies (function
// dialog, channel editor) before the record, each member's checks, whole
// numbers that survive the confirm (and stored values that are not whole,
// refused rather than cut), a stored DI input that a single-input
// function keeps, and the exponent form of the constants.
#include <QLabel>
#include <cmath>

#include "IoTestSupport.h"
#include "gui/editors/io/CDlgSetIoOi.h"
#include "gui/editors/io/CDlgSetIoOiCalc.h"
#include "gui/editors/io/CDlgSetIoOiCh.h"

namespace volmar::gui::test {
namespace {

class OiEditorTest : public EditorTest {
protected:
    OiChannel& Oi() { return record->IO.OI[0]; }

    std::unique_ptr<OiCalcDialog> Calc(int32_t function, bool exponent = false)
    {
        return MakeOiCalcDialog(function, TermsOf(Oi()), *record, exponent, ui, nullptr);
    }

    std::string Refusal(QDialog& dialog, const char* field, const QString& text)
    {
        ui.shown.clear();
        SetText(&dialog, field, text);
        EXPECT_FALSE(PressOk(dialog));
        return ui.shown.empty() ? std::string() : ui.Only().text;
    }
};

TEST_F(OiEditorTest, NewFunctionClearsTermsThenSetsItsDefaults)
{
    Oi().TYPE = kOiAdd;
    Oi().INPUT[1] = {2, 5};
    Oi().INPUT[7] = {3, 9};
    Oi().CONST.A[0] = 7;
    Oi().CONST.K[6] = 3;
    CDlgSetIoOiCh editor(*record, 0, ui);
    SetText(&editor, "unit", QStringLiteral("123456789"));
    Pick(&editor, "function", kOiScale);
    EXPECT_EQ(ui.Only().text, "Setting error: Engineering unit");
    EXPECT_EQ(Picked(&editor, "function"), kOiAdd);
    EXPECT_EQ(editor.Terms().inputs[1].CH, 5);

    SetText(&editor, "unit", QStringLiteral("kg"));
    Pick(&editor, "function", kOiScale);
    const OiTerms& t = editor.Terms();
    for (const OiInputRef& input : t.inputs) {
        EXPECT_EQ(input.KIND, 0);
        EXPECT_EQ(input.CH, 1);
    }
    EXPECT_EQ(t.konst.K[1], 0.0);
    EXPECT_EQ(t.konst.K[2], 10000.0);
    EXPECT_EQ(t.konst.K[3], 0.0);
    EXPECT_EQ(t.konst.K[4], 10000.0);
    EXPECT_EQ(t.konst.K[6], 0.0);
    EXPECT_EQ(t.konst.A[0], 0.0);
    EXPECT_EQ(Oi().CONST.A[0], 7.0);  // the record waits for OK
    ASSERT_TRUE(PressOk(editor));
    EXPECT_EQ(Oi().TYPE, kOiScale);
    EXPECT_EQ(Oi().CONST.K[2], 10000.0);
    EXPECT_EQ(Oi().INPUT[7].KIND, 0);
}

TEST_F(OiEditorTest, ResetInputOnlyForResettableFunctionsAndKeptOtherwise)
{
    Oi().TYPE = kOiAdd;
    Oi().RESET_DI = 5;
    CDlgSetIoOiCh editor(*record, 0, ui);
    EXPECT_FALSE(Find<QComboBox>(&editor, "resetDi")->isEnabled());
    EXPECT_TRUE(Find<QPushButton>(&editor, "calc")->isEnabled());
    for (int32_t f : {kOiMax, kOiMin, kOiAnalogSum, kOiFValue}) {
        Pick(&editor, "function", f);
        EXPECT_TRUE(Find<QComboBox>(&editor, "resetDi")->isEnabled()) << f;
    }
    Pick(&editor, "function", kOiNone);
    EXPECT_FALSE(Find<QLineEdit>(&editor, "name")->isEnabled());
    EXPECT_FALSE(Find<QPushButton>(&editor, "calc")->isEnabled());
    Pick(&editor, "function", kOiAdd);
    ASSERT_TRUE(PressOk(editor));
    EXPECT_EQ(Oi().RESET_DI, 5);
}

TEST_F(OiEditorTest, FunctionAndZoneEditsReachTheRecordOnlyThroughTheChannelOk)
{
    Oi().TYPE = kOiMul;
    Oi().USE_AREAS = 2;
    const auto before = Snapshot();
    for (bool confirmChannel : {false, true}) {
        CDlgSetIoOiCh editor(*record, 0, ui);
        WhenModal([](QWidget* modal) {
            EXPECT_EQ(modal->windowTitle(), QStringLiteral("Function setting (Multiplication)"));
            Pick(modal, "t2", 2);  // PI
            Pick(modal, "c2", 31);
            SetText(modal, "A2", QStringLiteral("-4.25"));
            EXPECT_TRUE(PressOk(*qobject_cast<QDialog*>(modal)));
        });
        Find<QPushButton>(&editor, "calc")->click();
        EXPECT_EQ(editor.Terms().konst.A[2], -4.25);
        WhenModal([](QWidget* modal) {
            SetText(modal, "name2", QStringLiteral("High"));
            EXPECT_TRUE(PressOk(*qobject_cast<QDialog*>(modal)));
        });
        Find<QPushButton>(&editor, "zones")->click();
        SetText(&editor, "comment", QStringLiteral("Leistung"));
        SetText(&editor, "unit", QStringLiteral("kW"));
        Pick(&editor, "point", 2);
        if (!confirmChannel) {
            editor.reject();
            EXPECT_TRUE(Unchanged(*before));
        } else {
            ASSERT_TRUE(PressOk(editor)) << LastMessage();
        }
    }
    EXPECT_STREQ(Oi().AREA[1].AREA_NAME, "High");
    EXPECT_STREQ(Oi().COMMENT, "Leistung");
    EXPECT_STREQ(Oi().UNIT, "kW");
    EXPECT_EQ(Oi().POINT, 2);
    EXPECT_EQ(Oi().CONST.A[2], -4.25);
    EXPECT_EQ(Oi().INPUT[2].KIND, 2);
    EXPECT_EQ(Oi().INPUT[2].CH, 32);
}

TEST_F(OiEditorTest, MemberChecksInOrder)
{
    auto add = Calc(kOiAdd);
    EXPECT_EQ(Refusal(*add, "K2", QStringLiteral("1.0001")), "Setting error: K2");
    SetText(add.get(), "K2", QStringLiteral("1"));
    EXPECT_EQ(Refusal(*add, "A0", QStringLiteral("2e10")), "Setting error: A0");

    auto div = Calc(kOiDiv);
    EXPECT_EQ(Refusal(*div, "A1", QStringLiteral("x")), "Setting error: A1");
    SetText(div.get(), "A1", QStringLiteral("0"));
    EXPECT_EQ(Refusal(*div, "A0", QStringLiteral("x")), "Setting error: A0");

    Oi().CONST.K[2] = 5;
    auto scale = Calc(kOiScale);
    EXPECT_EQ(Refusal(*scale, "K1", QStringLiteral("5")), "Setting error: K1=K2");
    SetText(scale.get(), "K1", QStringLiteral("0"));
    SetText(scale.get(), "K3", QStringLiteral("2"));
    EXPECT_EQ(Refusal(*scale, "K4", QStringLiteral("2.000")), "Setting error: K3=K4");

    auto fvalue = Calc(kOiFValue);
    EXPECT_EQ(Refusal(*fvalue, "K1", QStringLiteral("abc")), "Setting error: Ref temp (deg.C)");
    SetText(fvalue.get(), "K1", QStringLiteral("121.1"));
    EXPECT_EQ(Refusal(*fvalue, "K2", QStringLiteral("0")), "Setting error: Z value");
    EXPECT_EQ(Refusal(*Calc(kOiPower), "K1", QStringLiteral("")), "Setting error: Exponent");
}

TEST_F(OiEditorTest, WholeNumberConstantsSurviveTheConfirm)
{
    auto single = Calc(kOiSingle);
    EXPECT_EQ(Refusal(*single, "K1", QStringLiteral("-1")), "Setting error: Time constant");
    EXPECT_EQ(Refusal(*single, "K1", QStringLiteral("101")), "Setting error: Time constant");
    SetText(single.get(), "K1", QStringLiteral("010"));
    ASSERT_TRUE(PressOk(*single));
    EXPECT_EQ(Text(single.get(), "K1"), QStringLiteral("10"));
    EXPECT_EQ(single->Result().konst.K[1], 10.0);

    Oi().CONST.K[1] = 10000;
    auto sum = Calc(kOiAnalogSum, true);
    EXPECT_EQ(Text(sum.get(), "K1"), QStringLiteral("10000"));
    EXPECT_EQ(Text(sum.get(), "K3"), QStringLiteral("0.000"));  // three decimals in any notation
    EXPECT_EQ(Refusal(*sum, "K1", QStringLiteral("10001")), "Setting error: Countre rate");
    SetText(sum.get(), "K1", QStringLiteral("9000"));
    EXPECT_EQ(Refusal(*sum, "K3", QStringLiteral("120.001")), "Setting error: Low-end cutout (%)");
    SetText(sum.get(), "K3", QStringLiteral("120"));
    Pick(sum.get(), "K2", 2);
    ASSERT_TRUE(PressOk(*sum));
    EXPECT_EQ(sum->Result().konst.K[1], 9000.0);
    EXPECT_EQ(sum->Result().konst.K[2], 2.0);
    EXPECT_EQ(sum->Result().konst.K[3], 120.0);
}

TEST_F(OiEditorTest, WholeNumberConstantsThatAreNotWholeAreShownAndRefused)
{
    // A delay buffer stored as 5.5 (by a document) opens as it is, and OK
    // refuses it instead of storing 5; values beyond any integer, or not a
    // number at all, likewise.
    const double stored[] = {5.5, -0.25, 1e300, -1e300, std::nan("")};
    const QString shown[] = {QStringLiteral("5.500"), QStringLiteral("-0.250"), {}, {}, QStringLiteral("nan")};
    for (size_t i = 0; i < std::size(stored); ++i) {
        Oi().CONST.K[1] = stored[i];
        for (const auto& [function, message] : {std::pair{kOiSingle, "Setting error: Time constant"},
                                                std::pair{kOiAnalogSum, "Setting error: Countre rate"}}) {
            auto dialog = Calc(function);
            if (!shown[i].isEmpty()) {
                EXPECT_EQ(Text(dialog.get(), "K1"), shown[i]);
            }
            ui.shown.clear();
            EXPECT_FALSE(PressOk(*dialog)) << stored[i];
            EXPECT_EQ(LastMessage(), message) << stored[i];
        }
    }
    Oi().CONST.K[1] = 100;
    EXPECT_EQ(Text(Calc(kOiSingle).get(), "K1"), QStringLiteral("100"));
}

TEST_F(OiEditorTest, InputKindsAndAStoredDiInputOfASingleInputFunction)
{
    Oi().INPUT[1] = {1, 7};  // DI07, which single-input functions do not offer
    record->IO.PI[1].TYPE = 1;
    std::strcpy(record->IO.PI[1].NAME, "Gas");
    auto sqrt = Calc(kOiSqrt);
    auto* kind = Find<QComboBox>(sqrt.get(), "t1");
    EXPECT_EQ(kind->currentText(), QStringLiteral("DI"));
    EXPECT_EQ(Picked(sqrt.get(), "c1"), 6);
    ASSERT_TRUE(PressOk(*sqrt));
    EXPECT_EQ(sqrt->Result().inputs[1].KIND, 1);
    EXPECT_EQ(sqrt->Result().inputs[1].CH, 7);

    auto ln = Calc(kOiLn);
    Pick(ln.get(), "t1", 1);  // "PI" is kind 2 here
    auto* ch = Find<QComboBox>(ln.get(), "c1");
    EXPECT_EQ(ch->count(), 32);
    EXPECT_EQ(ch->itemText(1), QStringLiteral("02 Gas"));
    EXPECT_EQ(ch->itemText(2), QStringLiteral("03"));
    ASSERT_TRUE(PressOk(*ln));
    EXPECT_EQ(ln->Result().inputs[1].KIND, 2);
    EXPECT_EQ(ln->Result().inputs[1].CH, 1);
    EXPECT_EQ(Find<QLabel>(ln.get(), "equation")->text(), QStringLiteral("lnX1"));
}

TEST_F(OiEditorTest, MovingAverageAndTheExponentForm)
{
    Oi().CONST.K[1] = 6;
    auto average = Calc(kOiAverage);
    EXPECT_EQ(average->windowTitle(), QStringLiteral("Function setting (Moving avarage)"));
    EXPECT_EQ(Find<QComboBox>(average.get(), "K1")->currentText(), QStringLiteral("4"));
    Pick(average.get(), "K1", 3);
    ASSERT_TRUE(PressOk(*average));
    EXPECT_EQ(average->Result().konst.K[1], 32.0);

    auto power = Calc(kOiPower, true);
    EXPECT_EQ(Refusal(*power, "K1", QStringLiteral("1234.5678")), "Setting error: Exponent");
    SetText(power.get(), "K1", QStringLiteral("1235"));
    ASSERT_TRUE(PressOk(*power));
    EXPECT_EQ(Text(power.get(), "K1"), QStringLiteral("1.235e+03"));
    EXPECT_EQ(power->Result().konst.K[1], 1235.0);
}

TEST_F(OiEditorTest, ListRowsAndZoneEditorTitle)
{
    record->RECORD.SPEED = 2;
    Oi().TYPE = kOiExp;
    std::strcpy(Oi().NAME, "Growth");
    CDlgSetIoOi list(*record, ui);
    EXPECT_EQ(list.Table()->rowCount(), 16);
    EXPECT_EQ(Cell(list.Table(), 0, 1), QStringLiteral("Growth"));
    CDlgSetIoOiCh editor(*record, 0, ui);
    EXPECT_EQ(editor.windowTitle(), QStringLiteral("OI01"));
    QString title;
    WhenModal([&](QWidget* modal) {
        title = modal->windowTitle();
        qobject_cast<QDialog*>(modal)->reject();
    });
    Find<QPushButton>(&editor, "zones")->click();
    EXPECT_EQ(title, QStringLiteral("Alarm zone setting (OI01)"));
}

}  // namespace
}  // namespace volmar::gui::test
