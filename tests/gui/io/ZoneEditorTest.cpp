// The alarm zone editor: partitions and enable rules, the field and order
// checks with their pages, shrinking the count, the event-log rule, the
// colour chooser, and that only a confirmed editor hands back its zones.
#include <QCheckBox>
#include <QColorDialog>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

#include "IoTestSupport.h"
#include "gui/editors/io/CDlgSetIoAiArea.h"
#include "gui/editors/kit/ColourSwatch.h"

namespace volmar::gui::test {
namespace {

class ZoneEditorTest : public EditorTest {
protected:
    ZoneSet Zones(int16_t count)
    {
        ZoneSet set = ZonesOf(record->IO.AI[0]);  // defaults: zone k spans 20(k-1) to 20k
        set.count = count;
        return set;
    }
    std::unique_ptr<CDlgSetIoAiArea> Open(int16_t count, bool exponent = false)
    {
        return std::make_unique<CDlgSetIoAiArea>(0, Zones(count), exponent, *record, ui);
    }
    static bool Enabled(QWidget* root, const char* name) { return Find<QWidget>(root, name)->isEnabled(); }
};

TEST_F(ZoneEditorTest, TitleAndPartitions)
{
    auto dialog = std::make_unique<CDlgSetIoAiArea>(6, Zones(4), false, *record, ui);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Alarm zone setting (AI07)"));
    EXPECT_EQ(Picked(dialog.get(), "partitions"), 3);

    // "Disable" stores 0 and leaves the zone records as they were.
    ZoneSet before = Zones(4);
    SetText(dialog.get(), "name1", QStringLiteral("changed"));
    Pick(dialog.get(), "partitions", 0);
    ASSERT_TRUE(PressOk(*dialog));
    EXPECT_EQ(dialog->Result().count, 0);
    EXPECT_EQ(std::memcmp(dialog->Result().zones, before.zones, sizeof before.zones), 0);
}

TEST_F(ZoneEditorTest, ThreeZonesEnableTheirOwnLimitsOnly)
{
    auto dialog = Open(3);
    QWidget* d = dialog.get();
    EXPECT_TRUE(Enabled(d, "upper1"));
    EXPECT_TRUE(Enabled(d, "lower2"));
    EXPECT_TRUE(Enabled(d, "upper2"));
    EXPECT_TRUE(Enabled(d, "lower3"));
    EXPECT_FALSE(Enabled(d, "upper3"));
    for (const char* name : {"name4", "lower4", "upper4", "name5", "lower5", "colour4", "output5", "record4"}) {
        EXPECT_FALSE(Enabled(d, name)) << name;
    }
    EXPECT_TRUE(Enabled(d, "name3"));
    EXPECT_TRUE(Enabled(d, "resetOi3"));
    // Upward covers zones 2 to N, Downward zones 1 to N - 1.
    EXPECT_TRUE(Enabled(d, "page1") && Find<QWidget>(Find<QWidget>(d, "page1"), "message3")->isEnabled());
    EXPECT_FALSE(Find<QWidget>(Find<QWidget>(d, "page1"), "message4")->isEnabled());
    EXPECT_TRUE(Find<QWidget>(Find<QWidget>(d, "page2"), "message2")->isEnabled());
    EXPECT_FALSE(Find<QWidget>(Find<QWidget>(d, "page2"), "message3")->isEnabled());

    Pick(d, "partitions", 4);  // a larger count is taken at once
    EXPECT_TRUE(Enabled(d, "upper4"));
    EXPECT_TRUE(Enabled(d, "lower5"));
}

TEST_F(ZoneEditorTest, OrderMessages)
{
    struct Case {
        const char* field;
        const char* text;
        const char* error;
    };
    const Case cases[] = {
        {"lower2", "50", nullptr},  // with zone 1 upper 50: no deadband is fine
        {"lower2", "49.999", "Limit value error: Zone 1upper limit > zone 2 lower limit"},
        {"lower2", "60", "Limit value error: Zone 2 upper limit =< zone 2 lower limit"},
        {"lower3", "59", "Limit value error: Zone 2 upper limit > zone 3 lower limit"},
        {"upper1", "50.0005", "Setting error: Zone 1 upper limit"},  // beyond three decimals
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.field) + "=" + c.text);
        ui.shown.clear();
        auto dialog = Open(3);
        dialog->Tabs()->setCurrentIndex(2);
        SetText(dialog.get(), "upper1", QStringLiteral("50"));
        SetText(dialog.get(), "lower2", QStringLiteral("50"));
        SetText(dialog.get(), "upper2", QStringLiteral("60"));
        SetText(dialog.get(), "lower3", QStringLiteral("60"));
        SetText(dialog.get(), c.field, QString::fromUtf8(c.text));
        EXPECT_EQ(PressOk(*dialog), c.error == nullptr);
        if (c.error) {
            EXPECT_EQ(ui.Only().text, c.error);
            EXPECT_EQ(ui.Only().icon, MessageIcon::Error);
            EXPECT_EQ(dialog->Tabs()->currentIndex(), 0);
        } else {
            EXPECT_EQ(dialog->Result().zones[0].LEVEL_UPPER, 50.0);
            EXPECT_EQ(dialog->Result().zones[1].LEVEL_LOWER, 50.0);
            EXPECT_EQ(Text(dialog.get(), "upper1"), QStringLiteral("50.000"));
        }
    }
}

TEST_F(ZoneEditorTest, MessagesAreCheckedOnTheirPage)
{
    const QString longText(33, QLatin1Char('m'));
    {
        auto dialog = Open(3);
        SetText(Find<QWidget>(dialog.get(), "page1"), "message3", longText);
        EXPECT_FALSE(PressOk(*dialog));
        EXPECT_EQ(ui.Only().text, "Setting error: Zone 3 message");
        EXPECT_EQ(dialog->Tabs()->currentIndex(), 1);
    }
    ui.shown.clear();
    // Downward covers zone 2 when there are two zones, though it is disabled.
    auto dialog = Open(2);
    SetText(Find<QWidget>(dialog.get(), "page2"), "message2", longText);
    EXPECT_FALSE(PressOk(*dialog));
    EXPECT_EQ(ui.Only().text, "Setting error: Zone 2 message");
    EXPECT_EQ(dialog->Tabs()->currentIndex(), 2);
}

TEST_F(ZoneEditorTest, ShrinkingChecksTheZonesInUseFirst)
{
    auto dialog = Open(5);
    SetText(dialog.get(), "name4", QString(40, QLatin1Char('n')));
    Pick(dialog.get(), "partitions", 2);  // 5 -> 3
    EXPECT_EQ(ui.Only().text, "Setting error: Zone 4 name");
    EXPECT_EQ(Picked(dialog.get(), "partitions"), 4);

    ui.shown.clear();
    SetText(dialog.get(), "name4", QStringLiteral("ok"));
    SetText(dialog.get(), "lower3", QStringLiteral("35"));  // below zone 2's upper limit 40
    Pick(dialog.get(), "partitions", 2);
    EXPECT_EQ(ui.Only().text, "Limit value error: Zone 2 upper limit > zone 3 lower limit");
    EXPECT_EQ(Picked(dialog.get(), "partitions"), 4);

    // To "Disable" the order is not checked.
    ui.shown.clear();
    Pick(dialog.get(), "partitions", 0);
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_FALSE(Enabled(dialog.get(), "name1"));
}

TEST_F(ZoneEditorTest, AcknowledgeAndMailFollowEventLog)
{
    ZoneSet zones = Zones(3);
    zones.zones[2].UPPER.EVENT_LOG = kNoUse;
    CDlgSetIoAiArea dialog(0, zones, false, *record, ui);
    QWidget* upward = Find<QWidget>(&dialog, "page1");
    auto* log = Find<QCheckBox>(upward, "log3");
    EXPECT_FALSE(Find<QWidget>(upward, "confirm3")->isEnabled());
    EXPECT_FALSE(Find<QWidget>(upward, "mail3")->isEnabled());
    EXPECT_TRUE(Find<QWidget>(upward, "newEvent3")->isEnabled());
    log->click();
    EXPECT_TRUE(Find<QWidget>(upward, "confirm3")->isEnabled());
    EXPECT_TRUE(Find<QWidget>(upward, "mail3")->isEnabled());
    Find<QCheckBox>(upward, "confirm3")->click();
    Pick(upward, "number3", 31);
    ASSERT_TRUE(PressOk(dialog));
    const ZoneEvent& e = dialog.Result().zones[2].UPPER;
    EXPECT_EQ(e.EVENT_LOG, kUse);
    EXPECT_EQ(e.CONFIRM, kUse);
    EXPECT_EQ(e.EVENT_NO, 32);
}

TEST_F(ZoneEditorTest, ChosenColourIsStoredAsRgb)
{
    auto dialog = Open(2);
    dialog->show();
    WhenModal(
        [](QWidget* modal) {
            auto* chooser = qobject_cast<QColorDialog*>(modal);
            ASSERT_NE(chooser, nullptr);
            EXPECT_EQ(chooser->currentColor(), QColor(Qt::black));
            chooser->setCurrentColor(QColor(255, 0, 0));
            chooser->accept();
        },
        dialog.get());
    Find<kit::ColourSwatch>(dialog.get(), "colour2")->ChooseButton()->click();
    ASSERT_TRUE(PressOk(*dialog));
    EXPECT_EQ(dialog->Result().zones[1].AREA_COLOR, 0x00FF0000u);
}

TEST_F(ZoneEditorTest, CancelHandsNothingBack)
{
    auto dialog = Open(3);
    SetText(dialog.get(), "name1", QStringLiteral("changed"));
    Pick(dialog.get(), "partitions", 3);
    dialog->reject();
    const ZoneSet before = Zones(3);
    EXPECT_EQ(std::memcmp(&dialog->Result(), &before, sizeof before), 0);
}

}  // namespace
}  // namespace volmar::gui::test
