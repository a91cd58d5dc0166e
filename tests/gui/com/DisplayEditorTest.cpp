// The pen list and pen editor: rows and channels the storing rate allows,
// row colours, limit formats and checks by scale and exponent display, a
// stored channel the list does not offer, Paste, and page names.
#include "../io/IoTestSupport.h"
#include "gui/editors/com/CDlgSetDispPageName.h"
#include "gui/editors/com/CDlgSetDispPen.h"
#include "gui/editors/com/CDlgSetDispPenConf.h"
#include "gui/editors/kit/ColourSwatch.h"
#include "core/settings/Keywords.h"

namespace volmar::gui::test {
namespace {

class DisplayEditorTest : public EditorTest {
protected:
    void SetUp() override
    {
        record->RECORD.SPEED = kSpeed5ms;
        for (int p = 0; p < kPenCount; ++p) record->DISP.PEN_CONF[p] = {kPenNone, 1, 0};
        record->IO.AI[4].TYPE = 1;
        record->IO.AI[4].EXP = 1;
        std::strcpy(record->IO.AI[4].NAME, "Flow");
        std::strcpy(record->IO.AI[4].UNIT, "m3/h");
        record->DISP.PEN_CONF[0] = {kPenAi, 5, 1};
        record->DISP.PEN_COLOR[0] = 0x123456;
        record->DISP.PEN_DRAW[0] = {1500.0, -2.5};
    }
};

TEST_F(DisplayEditorTest, ListRowsColoursAndPaste)
{
    CDlgSetDispPen list(*record, ui);
    list.show();
    QTableWidget* table = list.Table();
    ASSERT_EQ(table->rowCount(), 16);
    EXPECT_EQ(Cell(table, 0, 1), "AI");
    EXPECT_EQ(Cell(table, 0, 3), "Flow");
    EXPECT_EQ(Cell(table, 0, 4), "Enable");
    EXPECT_EQ(Cell(table, 0, 6), "-2.500e+00");  // exponent display
    EXPECT_EQ(Cell(table, 0, 7), "1.500e+03");
    EXPECT_EQ(Cell(table, 0, 8), "m3/h");
    EXPECT_EQ(list.CellColour(0, 5), QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(table->item(4, 0)->background().color(), QColor(224, 255, 255));  // index 4: bit 2
    EXPECT_NE(table->item(3, 0)->background().color(), QColor(224, 255, 255));
    EXPECT_EQ(table->item(12, 2)->background().color(), QColor(224, 255, 255));

    RowMenu(table, 0, [](QMenu* menu) { MenuAction(menu, "Copy")->trigger(); });
    RowMenu(table, 5, [](QMenu* menu) { MenuAction(menu, "Paste")->trigger(); });
    EXPECT_EQ(record->DISP.PEN_COLOR[5], 0x123456);
    EXPECT_EQ(record->DISP.PEN_DRAW[5].HIGH, 1500.0);
    EXPECT_EQ(Cell(table, 5, 2), "5");
    EXPECT_EQ(table->item(5, 5)->background().color(), QColor(0x12, 0x34, 0x56));
}

TEST_F(DisplayEditorTest, ChannelsFollowTheRateAndAnUnofferedChannelIsKept)
{
    record->DISP.PEN_CONF[1] = {kPenAi, 40, 0};  // left there by a rate change
    record->DISP.PEN_LOG[1] = 2;                  // neither entry of "Log"
    {
        CDlgSetDispPenConf dialog(*record, 1, ui);
        EXPECT_EQ(dialog.windowTitle(), "PEN2");
        QComboBox* channel = Find<QComboBox>(&dialog, "channel");
        EXPECT_EQ(channel->count(), 16);
        EXPECT_EQ(channel->currentIndex(), -1);
        EXPECT_EQ(channel->itemText(4), "05 Flow");
        EXPECT_EQ(channel->itemText(5), "06 ");
        // The first change away from a value the list does not offer is
        // guarded like any other, and a refused one re-formats nothing.
        SetText(&dialog, "lower", "abc");
        Pick(&dialog, "channel", 2);
        Pick(&dialog, "log", 1);
        EXPECT_EQ(channel->currentIndex(), -1);
        EXPECT_EQ(Picked(&dialog, "log"), -1);
        EXPECT_EQ(Text(&dialog, "lower"), "abc");
        EXPECT_EQ(Messages(), (std::vector<std::string>{"Setting error: Lower limit", "Setting error: Lower limit"}));
        SetText(&dialog, "lower", "0");
        SetText(&dialog, "upper", "50");
        ASSERT_TRUE(PressOk(dialog));
        EXPECT_EQ(record->DISP.PEN_CONF[1].CH, 40);
    }
    CDlgSetDispPenConf dialog(*record, 1, ui);
    Pick(&dialog, "type", kPenDi);
    EXPECT_EQ(Find<QComboBox>(&dialog, "channel")->count(), 32);
    EXPECT_EQ(Picked(&dialog, "channel"), 0);
    EXPECT_FALSE(Find<QLineEdit>(&dialog, "lower")->isEnabled());
    ASSERT_TRUE(PressOk(dialog));
    EXPECT_EQ(record->DISP.PEN_CONF[1].TYPE, kPenDi);
    EXPECT_EQ(record->DISP.PEN_CONF[1].CH, 1);
}

TEST_F(DisplayEditorTest, LimitChecksByScale)
{
    record->DISP.PEN_COLOR[0] = 0x7F123456;  // bits a QColor would drop: kept unless a colour is chosen
    CDlgSetDispPenConf dialog(*record, 0, ui);
    EXPECT_EQ(Text(&dialog, "lower"), "-2.500e+00");
    EXPECT_EQ(Text(&dialog, "unit"), "m3/h");
    EXPECT_EQ(dialog.Swatch()->ChooserStart(), QColor(0x12, 0x34, 0x56));

    // A log change is refused while a limit does not pass.
    SetText(&dialog, "lower", "1.2345");  // more than the exponent form holds
    Pick(&dialog, "log", 1);
    EXPECT_EQ(Picked(&dialog, "log"), 0);
    EXPECT_EQ(LastMessage(), "Setting error: Lower limit");
    SetText(&dialog, "lower", "-3e0");
    SetText(&dialog, "upper", "5.000e+00");
    Pick(&dialog, "log", 1);
    ASSERT_EQ(Picked(&dialog, "log"), 1);
    EXPECT_EQ(Text(&dialog, "lower"), "-3");
    EXPECT_EQ(Text(&dialog, "upper"), "5");

    SetText(&dialog, "lower", "11");
    EXPECT_FALSE(PressOk(dialog));
    EXPECT_EQ(LastMessage(), "Setting error: Lower limit (10^x)");
    SetText(&dialog, "lower", "5.5");
    EXPECT_FALSE(PressOk(dialog));
    EXPECT_EQ(LastMessage(), "Setting error: Lower limit");
    SetText(&dialog, "lower", "5");
    EXPECT_FALSE(PressOk(dialog));
    EXPECT_EQ(LastMessage(), "Setting error: Lower limit, Upper limit");
    SetText(&dialog, "lower", "-3");
    ASSERT_TRUE(PressOk(dialog));
    EXPECT_EQ(record->DISP.PEN_LOG[0], 1);
    EXPECT_EQ(record->DISP.PEN_DRAW[0].LOW, -3.0);
    EXPECT_EQ(record->DISP.PEN_DRAW[0].HIGH, 5.0);
    EXPECT_EQ(record->DISP.PEN_COLOR[0], 0x7F123456);

    // A DI pen's equal limit fields are refused too.
    record->DISP.PEN_CONF[2] = {kPenDi, 3, 0};
    record->DISP.PEN_DRAW[2] = {5.0, 5.0};
    CDlgSetDispPenConf di(*record, 2, ui);
    EXPECT_FALSE(PressOk(di));
    EXPECT_EQ(LastMessage(), "Setting error: Lower limit, Upper limit");
}

TEST_F(DisplayEditorTest, PageNamesAreCheckedInOrderAndAllStored)
{
    const auto before = Snapshot();
    CDlgSetDispPageName dialog(*record, ui);
    EXPECT_EQ(Find<QLineEdit>(&dialog, "page5")->palette().color(QPalette::Base), QColor(229, 229, 229));
    SetText(&dialog, "page3", QString(65, QLatin1Char('p')));
    SetText(&dialog, "page30", QString(65, QLatin1Char('p')));
    EXPECT_FALSE(PressOk(dialog));
    EXPECT_EQ(LastMessage(), "Setting error: Page name 3");
    EXPECT_TRUE(Unchanged(*before));
    SetText(&dialog, "page3", QString(64, QChar(0x9801)));
    SetText(&dialog, "page30", QStringLiteral("Last"));
    ASSERT_TRUE(PressOk(dialog));
    EXPECT_EQ(QString::fromUtf8(record->DISP.PAGE[2]), QString(64, QChar(0x9801)));
    EXPECT_STREQ(record->DISP.PAGE[29], "Last");
}

}  // namespace
}  // namespace volmar::gui::test
