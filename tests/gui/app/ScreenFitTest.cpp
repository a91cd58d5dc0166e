// Every window fits a 1366x768 screen with a panel, title bar and frame
// allowed for; a window cut to the screen scrolls its controls and keeps its
// buttons in view.
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>

#include "../link/GuiTestSupport.h"
#include "gui/screenshots/ScreenshotList.h"
#include "gui/editors/io/CDlgSetIoAiArea.h"
#include "gui/common/ScreenFit.h"
#include "core/settings/SettingRecord.h"

namespace volmar::gui::test {
namespace {

const QRect kSmallScreen(0, 0, 1366, 768 - 40);  // a 40-pixel panel

TEST(ScreenFit, EveryRegisteredWindowFitsA1366x768Screen)
{
    TestApp app;
    auto record = std::make_unique<SettingRecord>();
    ResetSettingRecord(*record);
    ScreenshotEnv env{app.ctx, *record};
    const QSize room = kit::ClientRoom(kSmallScreen);
    const std::vector<ScreenshotEntry> windows = Screenshots();
    ASSERT_GE(windows.size(), 20u);
    for (const ScreenshotEntry& entry : windows) {
        std::unique_ptr<QWidget> window = entry.make(env);
        window->show();
        kit::FitToScreen(window.get(), kSmallScreen);
        QApplication::processEvents();
        EXPECT_LE(window->width(), room.width()) << entry.name;
        EXPECT_LE(window->height(), room.height()) << entry.name;
        EXPECT_FALSE(window->grab().isNull()) << entry.name;
        window->hide();
    }
}

// The alarm-zone window is taller than such a screen: its zones scroll,
// OK stays in view, and a wider window gives the room to the text fields.
TEST(ScreenFit, TallEditorScrollsAndGrowsItsTextFields)
{
    auto record = std::make_unique<SettingRecord>();
    ResetSettingRecord(*record);
    volmar::test::RecordingInteraction ui;
    CDlgSetIoAiArea zones(0, ZonesOf(record->IO.AI[0]), false, *record, ui);
    zones.show();
    ASSERT_GT(zones.sizeHint().height(), kit::ClientRoom(kSmallScreen).height());
    kit::FitToScreen(&zones, kSmallScreen);
    QApplication::processEvents();
    auto* scroll = zones.findChild<kit::ScrollBody*>();
    ASSERT_NE(scroll, nullptr);
    EXPECT_TRUE(scroll->verticalScrollBar()->isVisible());
    EXPECT_FALSE(scroll->horizontalScrollBar()->isVisible());
    QPushButton* ok = StandardButton(&zones, QDialogButtonBox::Ok);
    EXPECT_TRUE(zones.rect().contains(ok->mapTo(&zones, ok->rect().bottomRight())));

    auto* name = zones.findChild<QLineEdit*>(QStringLiteral("name5"));
    ASSERT_NE(name, nullptr);
    const int before = name->width();
    const int wide = zones.width() + 200;
    zones.resize(wide, zones.height());
    EXPECT_TRUE(QTest::qWaitFor([&] { return zones.width() == wide; }, 2000));
    QApplication::processEvents();
    EXPECT_GT(name->width(), before + 50) << zones.width() << " " << scroll->widget()->width() << " "
                                         << name->parentWidget()->width() << " " << name->maximumWidth();
}

}  // namespace
}  // namespace volmar::gui::test
