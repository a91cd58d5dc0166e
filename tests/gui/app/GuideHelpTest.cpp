// F1 and "Help" in the main window and the Configuration window open the
// guide's page for that window in the desktop's browser; without the guide
// the user is told where it is looked for.
#include <QDesktopServices>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include "../link/GuiTestSupport.h"
#include "Process.h"
#include "gui/app/CVolmarDlg.h"
#include "gui/common/GuideHelp.h"
#include "gui/hub/CDlgSetMain.h"

namespace volmar::gui::test {

// Stands in for the desktop's browser: keeps every URL it is given.
class BrowserStandIn : public QObject {
    Q_OBJECT
public:
    std::vector<QUrl> opened;
public slots:
    void Open(const QUrl& url) { opened.push_back(url); }
};

namespace {

using volmar::testing::TempDir;
using volmar::testing::WriteFile;

struct GuideHelp : ::testing::Test {
    TestApp app;
    TempDir guide;
    BrowserStandIn browser;

    void SetUp() override
    {
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &browser, "Open");
        qputenv("VOLMAR_GUIDE_DIR", QByteArray::fromStdString(guide.path()));
    }
    void TearDown() override
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        qunsetenv("VOLMAR_GUIDE_DIR");
    }
    void AddPages()
    {
        WriteFile(guide.File(kGuideMainPage), "<html></html>");
        WriteFile(guide.File(kGuideHubPage), "<html></html>");
    }
    // F1, then a click on "Help": both must open `page`.
    void ExpectBothOpen(QDialog& window, const char* page)
    {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_F1);
        auto* help = window.findChild<QPushButton*>(QStringLiteral("help"));
        ASSERT_NE(help, nullptr);
        EXPECT_EQ(help->text(), QStringLiteral("Help"));
        QTest::mouseClick(help, Qt::LeftButton);
        const QUrl expected = QUrl::fromLocalFile(QString::fromStdString(guide.File(page)));
        ASSERT_EQ(browser.opened.size(), 2u);
        EXPECT_EQ(browser.opened[0], expected);
        EXPECT_EQ(browser.opened[1], expected);
        EXPECT_TRUE(app.ui.shown.empty());
        browser.opened.clear();
    }
};

// The texts of a window's push buttons in keyboard (tab) order.
QStringList ButtonOrder(QWidget& window)
{
    QStringList texts;
    QWidget* w = &window;
    for (int i = 0; i < 200; ++i) {
        w = w->nextInFocusChain();
        if (w == &window) break;
        if (auto* b = qobject_cast<QPushButton*>(w)) texts << b->text();
    }
    return texts;
}

TEST_F(GuideHelp, MainWindowAndHubOpenTheirOwnPagesAndKeepTheirButtonOrder)
{
    AddPages();
    CVolmarDlg main(app.ctx, MainWindowRoutes(app.ctx));
    ExpectBothOpen(main, kGuideMainPage);
    EXPECT_EQ(ButtonOrder(main),
              (QStringList{"New setting", "Download from device", "Read file", "Units", "Maintenance", "Terminal log",
                           "VOLMAR via network", "Network", "Connect", "Quit", "&About VOLMAR...", "Help"}));

    auto record = std::make_unique<SettingRecord>();
    ResetSettingRecord(*record);
    CDlgSetMain hub(*record, "", app.ctx);
    ExpectBothOpen(hub, kGuideHubPage);
    EXPECT_EQ(ButtonOrder(hub),
              (QStringList{"System", "Input/Output", "Communication", "E-mail", "Graph/Display", "Record",
                           "Upload to device", "Save file", "Compare...", "Report...", "Help", "Back"}));
    // Help left the hub open and asked nothing.
    EXPECT_TRUE(hub.isVisible());
    EXPECT_TRUE(app.ui.questions.empty());
}

TEST_F(GuideHelp, WithoutTheGuideTheButtonTellsWhereItIsLookedFor)
{
    CVolmarDlg main(app.ctx, MainWindowRoutes(app.ctx));
    main.show();
    QTest::mouseClick(main.findChild<QPushButton*>(QStringLiteral("help")), Qt::LeftButton);
    EXPECT_TRUE(browser.opened.empty());
    const Message shown = app.ui.Only();
    EXPECT_EQ(shown.icon, MessageIcon::Information);
    EXPECT_EQ(shown.text.rfind(kMsgGuideMissing, 0), 0u) << shown.text;
    EXPECT_NE(shown.text.find(guide.path()), std::string::npos) << shown.text;
}

}  // namespace
}  // namespace volmar::gui::test

#include "GuideHelpTest.moc"
