// The system editor: the order and limits of its checks, what it writes,
// and that a refusal or Cancel leaves the record as it was.
#include "IoTestSupport.h"
#include "gui/editors/io/CDlgSetSystem.h"

namespace volmar::gui::test {
namespace {

class SystemEditorTest : public EditorTest {};

TEST_F(SystemEditorTest, TimeZoneTextsFollowTheIntegerRule)
{
    struct Case {
        const char* hour;
        const char* minute;
        const char* error;  // nullptr: accepted
        int16_t storedHour;
    };
    const Case cases[] = {
        {"-12", "0", nullptr, -12},
        {"13", "59", nullptr, 13},
        {"+9", "0", nullptr, 9},
        {"-13", "0", "Setting error: Time zone (hour)", 0},
        {"14", "0", "Setting error: Time zone (hour)", 0},
        {"", "0", "Setting error: Time zone (hour)", 0},
        {"9h", "0", "Setting error: Time zone (hour)", 0},
        {"1-2", "0", "Setting error: Time zone (hour)", 0},
        {"9", "60", "Setting error: Time zone (minute)", 0},
        {"9", "-1", "Setting error: Time zone (minute)", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.hour) + " / " + c.minute);
        record = volmar::testing::MakeDefaultRecord();
        ui.shown.clear();
        const auto before = Snapshot();
        CDlgSetSystem dialog(*record, ui);
        SetText(&dialog, "hour", QString::fromUtf8(c.hour));
        SetText(&dialog, "minute", QString::fromUtf8(c.minute));
        const bool closed = PressOk(dialog);
        if (c.error) {
            EXPECT_FALSE(closed);
            EXPECT_EQ(ui.Only().text, c.error);
            EXPECT_EQ(ui.Only().icon, MessageIcon::Error);
            EXPECT_TRUE(Unchanged(*before));
            EXPECT_EQ(Text(&dialog, "hour"), QString::fromUtf8(c.hour));  // typed values stay
        } else {
            EXPECT_TRUE(closed);
            EXPECT_TRUE(ui.shown.empty());
            EXPECT_EQ(record->SYSTEM.TIMEZONE, c.storedHour);
        }
    }
}

TEST_F(SystemEditorTest, NamesCountCharactersNotBytes)
{
    CDlgSetSystem dialog(*record, ui);
    const QString umlauts(32, QChar(0x00E4));  // two bytes each
    const QString kana(32, QChar(0x30A2));     // three bytes each
    SetText(&dialog, "name1", umlauts);
    SetText(&dialog, "name2", kana + QStringLiteral("x"));
    EXPECT_FALSE(PressOk(dialog));
    EXPECT_EQ(LastMessage(), "Setting error: Name 2");

    SetText(&dialog, "name2", kana);
    ASSERT_TRUE(PressOk(dialog));
    EXPECT_EQ(QString::fromUtf8(record->SYSTEM.NAME1), umlauts);
    EXPECT_EQ(QString::fromUtf8(record->SYSTEM.NAME2), kana);
    EXPECT_EQ(std::strlen(record->SYSTEM.NAME2), 96u);
}

TEST_F(SystemEditorTest, SameDstMonthsAreRefusedOnlyWhileDstIsEnabled)
{
    record->SYSTEM.DST.START.MON = 3;
    record->SYSTEM.DST.END.MON = 3;
    record->SYSTEM.DST.START.WEEK1 = 1;
    record->SYSTEM.DST.END.WEEK1 = 4;
    {
        CDlgSetSystem dialog(*record, ui);
        EXPECT_FALSE(Find<QComboBox>(&dialog, "startMonth")->isEnabled());
        EXPECT_EQ(Picked(&dialog, "startMonth"), 2);
        EXPECT_TRUE(PressOk(dialog));
        EXPECT_EQ(record->SYSTEM.DST.END.MON, 3);
        EXPECT_EQ(record->SYSTEM.DST.END.WEEK1, 4);
    }
    CDlgSetSystem dialog(*record, ui);
    Pick(&dialog, "dstMode", 1);
    EXPECT_TRUE(Find<QComboBox>(&dialog, "endHour")->isEnabled());
    EXPECT_FALSE(PressOk(dialog));
    EXPECT_EQ(ui.Only().text, "Start and End of daylight saving time must not be within the same month.");
    EXPECT_EQ(record->SYSTEM.DST.MODE, 0);
}

TEST_F(SystemEditorTest, WritesEveryFieldAndEnterInANameConfirms)
{
    CDlgSetSystem dialog(*record, ui);
    dialog.show();
    Pick(&dialog, "language", 1);
    Pick(&dialog, "timeAve", 0);
    Pick(&dialog, "dstMode", 1);
    Pick(&dialog, "startMonth", 2);
    Pick(&dialog, "startWeek", 4);
    Pick(&dialog, "startDay", 6);
    Pick(&dialog, "startHour", 23);
    Pick(&dialog, "endMonth", 9);
    SetText(&dialog, "minute", QStringLiteral("30"));
    QLineEdit* name = Find<QLineEdit>(&dialog, "name3");
    name->setFocus();
    QTest::keyClick(name, Qt::Key_Return);
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    const SystemBlock& s = record->SYSTEM;
    EXPECT_EQ(s.LANGUAGE, 1);
    EXPECT_EQ(s.TIME_AVE, 0);
    EXPECT_EQ(s.DST.MODE, 1);
    EXPECT_EQ(s.DST.START.MON, 3);
    EXPECT_EQ(s.DST.START.WEEK1, 5);  // "Last"
    EXPECT_EQ(s.DST.START.WEEK2, 6);
    EXPECT_EQ(s.DST.START.HOUR, 23);
    EXPECT_EQ(s.DST.END.MON, 10);
    EXPECT_EQ(s.TIMEZONE_MIN, 30);
}

TEST_F(SystemEditorTest, CancelKeepsTheRecord)
{
    const auto before = Snapshot();
    CDlgSetSystem dialog(*record, ui);
    SetText(&dialog, "name1", QStringLiteral("changed"));
    Pick(&dialog, "dstMode", 1);
    dialog.reject();
    EXPECT_TRUE(Unchanged(*before));
}

}  // namespace
}  // namespace volmar::gui::test
