// The record editor: the storing-rate question and what each answer does to
// the rate, the interval and the channels and pens; the interval lists and
// their codes; Cancel leaving everything as it was.
#include "../io/IoTestSupport.h"
#include "gui/editors/com/CDlgSetRecord.h"
#include "core/settings/Keywords.h"

namespace volmar::gui::test {
namespace {

class RecordEditorTest : public EditorTest {
protected:
    void SetUp() override
    {
        record->RECORD.SPEED = kSpeed1m;
        record->RECORD.MB.TRANS = 9;  // 1 week
        record->DISP.PEN_CONF[15].TYPE = kPenAi;  // pen 16: usable at 5 ms
        record->DISP.PEN_CONF[19].TYPE = kPenDi;  // pen 20
        record->DISP.PEN_CONF[119].TYPE = kPenDo;  // pen 120
        record->IO.AI[15].TYPE = 1;  // AI16 stays
        record->IO.AI[16].TYPE = 1;  // AI17
        record->IO.AI[63].TYPE = 1;  // AI64
        record->IO.DI[31].TYPE = 1;  // DI32 stays
        record->IO.DI[32].TYPE = 1;  // DI33
        record->IO.DO[40].TYPE = 1;  // DO41
        record->IO.PI[16].TYPE = 1;  // PI17
        record->IO.OI[15].TYPE = 1;  // OI16 stays
    }

    static QStringList Items(QComboBox* combo)
    {
        QStringList items;
        for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
        return items;
    }
};

TEST_F(RecordEditorTest, YesDisablesExactlyTheUnusableAndCancelStillKeepsThem)
{
    const auto before = Snapshot();
    {
        CDlgSetRecord dialog(*record, ui);
        Pick(&dialog, "rate", kSpeed5ms);
        ASSERT_EQ(ui.yesNoQuestions.size(), 1u);
        EXPECT_EQ(ui.yesNoQuestions[0].text,
                  "One or more channels/pens are unusable with the new storing rate.\nDisable these channels/pens?");
        EXPECT_EQ(ui.yesNoQuestions[0].icon, MessageIcon::Question);
        EXPECT_EQ(Picked(&dialog, "rate"), kSpeed5ms);
        EXPECT_EQ(Items(Find<QComboBox>(&dialog, "interval")), (QStringList{"Max", "3 minutes"}));
        EXPECT_EQ(Picked(&dialog, "interval"), 0);
        const SettingRecord& w = dialog.Working();
        EXPECT_EQ(w.DISP.PEN_CONF[15].TYPE, kPenAi);
        EXPECT_EQ(w.DISP.PEN_CONF[19].TYPE, kPenNone);
        EXPECT_EQ(w.DISP.PEN_CONF[119].TYPE, kPenNone);
        EXPECT_EQ(w.IO.AI[15].TYPE, 1);
        EXPECT_EQ(w.IO.AI[16].TYPE, 0);
        EXPECT_EQ(w.IO.AI[63].TYPE, 0);
        EXPECT_EQ(w.IO.DI[31].TYPE, 1);
        EXPECT_EQ(w.IO.DI[32].TYPE, 0);
        EXPECT_EQ(w.IO.DO[40].TYPE, 0);
        EXPECT_EQ(w.IO.PI[16].TYPE, 0);
        EXPECT_EQ(w.IO.OI[15].TYPE, 1);
        dialog.reject();
    }
    EXPECT_TRUE(Unchanged(*before));  // Cancel: nothing disabled, rate kept

    CDlgSetRecord dialog(*record, ui);
    Pick(&dialog, "rate", kSpeed5ms);
    ASSERT_TRUE(PressOk(dialog));
    EXPECT_EQ(record->RECORD.SPEED, kSpeed5ms);
    EXPECT_EQ(record->RECORD.MB.TRANS, 0);
    EXPECT_EQ(record->DISP.PEN_CONF[19].TYPE, kPenNone);
    EXPECT_EQ(record->IO.AI[16].TYPE, 0);
    EXPECT_EQ(record->IO.AI[15].TYPE, 1);
}

TEST_F(RecordEditorTest, NoKeepsRateIntervalAndChannels)
{
    const auto before = Snapshot();
    CDlgSetRecord dialog(*record, ui);
    ui.yesNoAnswers = {false};
    Pick(&dialog, "rate", kSpeed100ms);
    EXPECT_EQ(ui.yesNoQuestions.size(), 1u);
    EXPECT_EQ(Picked(&dialog, "rate"), kSpeed1m);
    EXPECT_EQ(Find<QComboBox>(&dialog, "interval")->currentText(), "1 week");
    EXPECT_TRUE(Find<QComboBox>(&dialog, "week")->isEnabled());
    ASSERT_TRUE(PressOk(dialog));
    EXPECT_TRUE(Unchanged(*before));
}

TEST_F(RecordEditorTest, IntervalListsFollowTheRateAndStoreCodes)
{
    record->RECORD.SPEED = kSpeed5ms;
    record->RECORD.MB.TRANS = 10;  // "1 month": not offered at 5 ms
    for (auto& pen : record->DISP.PEN_CONF) pen.TYPE = kPenNone;
    CDlgSetRecord dialog(*record, ui);
    EXPECT_EQ(Picked(&dialog, "interval"), -1);
    EXPECT_FALSE(Find<QComboBox>(&dialog, "hour")->isEnabled());

    Pick(&dialog, "rate", kSpeed1h);  // slower: nothing to ask
    EXPECT_TRUE(ui.yesNoQuestions.empty());
    QComboBox* interval = Find<QComboBox>(&dialog, "interval");
    EXPECT_EQ(Items(interval), (QStringList{"Max", "1 month", "1 week"}));
    Pick(&dialog, "interval", 2);
    EXPECT_TRUE(Find<QComboBox>(&dialog, "week")->isEnabled());
    EXPECT_FALSE(Find<QComboBox>(&dialog, "hour")->isEnabled());
    Pick(&dialog, "week", 6);
    Pick(&dialog, "rate", kSpeed2s);
    EXPECT_EQ(Items(interval), (QStringList{"Max", "1 day", "6 hours", "1 hour"}));
    Pick(&dialog, "interval", 1);
    EXPECT_TRUE(Find<QComboBox>(&dialog, "hour")->isEnabled());
    Pick(&dialog, "hour", 23);
    Pick(&dialog, "format", 2);
    ASSERT_TRUE(PressOk(dialog));
    EXPECT_EQ(record->RECORD.SPEED, kSpeed2s);
    EXPECT_EQ(record->RECORD.MB.TRANS, 8);  // the code of "1 day", not its row
    EXPECT_EQ(record->RECORD.MB.HOUR, 23);
    EXPECT_EQ(record->RECORD.MB.WEEK, 6);
    EXPECT_EQ(record->RECORD.FORMAT, 2);
}

TEST_F(RecordEditorTest, AnIntervalTheRateDoesNotOfferIsKept)
{
    record->RECORD.SPEED = kSpeed5ms;
    record->RECORD.MB.TRANS = 10;
    CDlgSetRecord dialog(*record, ui);
    ASSERT_TRUE(PressOk(dialog));
    EXPECT_EQ(record->RECORD.MB.TRANS, 10);
}

}  // namespace
}  // namespace volmar::gui::test
