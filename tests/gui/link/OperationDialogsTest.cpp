// The windows of a device operation as a user meets them, with the real
// message boxes and dialogs of the application against the simulator: the
// questions come with no "Please wait" on screen and a normal cursor, each
// one above and centred on the window that started the operation, and the
// focus goes back to that window afterwards. Answered with real keys.
#include <QLineEdit>
#include <QMessageBox>

#include "GuiTestSupport.h"
#include "RecordFactory.h"
#include "SimProcess.h"
#include "gui/hub/CDlgSetMain.h"
#include "gui/link/CDlgCommConfirm.h"
#include "gui/link/CDlgPassword.h"
#include "gui/link/CDlgWait.h"
#include "gui/link/GuiInteraction.h"

namespace volmar::gui::test {
namespace {

// Every window that comes up modal above the hub, as it came.
struct Seen {
    QString what;  // the message text, or the window title
    bool busyVisible = false;
    bool waitCursor = false;
    bool aboveHub = false;
    bool centred = false;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

bool AnyWaitDialogVisible()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<CDlgWait*>(w) && w->isVisible()) return true;
    return false;
}

// Answers every modal window but "Please wait" as a user would: Enter on a
// message or the access-mode confirmation, the login typed in. Polls every
// 10 ms; gives up after 20 s.
class Answerer : public QObject {
public:
    explicit Answerer(QWidget* hub) : m_hub(hub)
    {
        m_clock.start();
        connect(&m_timer, &QTimer::timeout, this, &Answerer::Tick);
        m_timer.start(10);
    }
    std::vector<Seen> seen;

private:
    void Tick()
    {
        if (m_clock.elapsed() > 20000) {
            m_timer.stop();
            ADD_FAILURE() << "the operation did not end";
            return;
        }
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || qobject_cast<CDlgWait*>(modal) || modal == m_hub || (m_last && modal == m_last)) return;
        m_last = modal;
        Seen s;
        auto* box = qobject_cast<QMessageBox*>(modal);
        s.what = box ? box->text() : modal->windowTitle();
        if (box) s.icon = box->icon();
        s.busyVisible = AnyWaitDialogVisible();
        s.waitCursor = QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
        s.aboveHub = modal->parentWidget() == m_hub;
        const QPoint off = modal->frameGeometry().center() - m_hub->frameGeometry().center();
        s.centred = off.manhattanLength() <= 4;
        seen.push_back(s);
        if (auto* login = qobject_cast<CDlgPassword*>(modal)) {
            QTest::keyClicks(login->loginIdEdit(), QStringLiteral("kovan"));
            QTest::keyClicks(login->passwordEdit(), QStringLiteral("kovan"));
            QTest::keyClick(login->passwordEdit(), Qt::Key_Return);
        } else {
            QTest::keyClick(modal, Qt::Key_Return);
        }
    }

    QWidget* m_hub;
    QPointer<QWidget> m_last;
    QTimer m_timer;
    QElapsedTimer m_clock;
};

class OperationDialogs : public ::testing::Test {
protected:
    OperationDialogs()
    {
        ui.Bind(ctx);
        ctx.serialDevices = [] { return std::vector<SerialDevice>{}; };
        ctx.linkOptions.timeouts.connectMs = 2000;
        ctx.linkOptions.timeouts.inactivityMs = 5000;
        link.kind = LinkKind::Network;
        link.address = "127.0.0.1";
        auto& web = record->COM.WEB.AUTH[0];
        std::strcpy(web.LOGIN, "ops");
        std::strcpy(web.PASSWORD, "s3cret");
    }
    void OpenHub()
    {
        hub = std::make_unique<CDlgSetMain>(*record, "", ctx);
        hub->move(120, 80);
        hub->show();
        hub->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(hub.get()));
    }

    MemoryProfile profile;
    LinkState link;
    GuiInteraction ui;
    AppContext ctx{profile, link, ui};
    std::unique_ptr<SettingRecord> record = volmar::testing::MakeDefaultRecord();
    std::unique_ptr<CDlgSetMain> hub;
};

TEST_F(OperationDialogs, UploadAsksItsQuestionsWithNoBusyDialogVisible)
{
    volmar::test::SimProcess sim({"--tcp", "0"});
    ASSERT_TRUE(sim.WaitReady()) << sim.Errors();
    link.tcpPort = sim.Port("tcp");
    profile.SetInt(kProfileSection, kPrefConnectConfirm, 1);
    OpenHub();
    std::strcpy(record->SYSTEM.NAME1, "Asked first");
    Answerer answers(hub.get());
    hub->OnUpload();

    std::vector<QString> order;
    for (const Seen& s : answers.seen) {
        order.push_back(s.what);
        EXPECT_FALSE(s.busyVisible) << s.what.toStdString();
        EXPECT_FALSE(s.waitCursor) << s.what.toStdString();
        EXPECT_TRUE(s.aboveHub) << s.what.toStdString();
        EXPECT_TRUE(s.centred) << s.what.toStdString();
    }
    // The Changes windows before and after the send come the same way.
    EXPECT_EQ(order, (std::vector<QString>{QStringLiteral("Are you sure to upload?"),
                                           QStringLiteral("Confirm access mode"), QStringLiteral("Login"),
                                           QStringLiteral("Changes before upload"),
                                           QStringLiteral("Verify after upload")}));
    EXPECT_FALSE(hub->HasUnsavedChanges()) << "the upload did not succeed";
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == hub.get(); }, 2000));
}

// An error from the worker is shown above the hub, and the hub has the
// focus again once it is closed.
TEST_F(OperationDialogs, ErrorComesAboveTheWindowAndGivesTheFocusBack)
{
    {
        volmar::test::SimProcess gone({"--tcp", "0"});
        ASSERT_TRUE(gone.WaitReady()) << gone.Errors();
        link.tcpPort = gone.Port("tcp");
    }  // nothing listens there any more
    profile.SetInt(kProfileSection, kPrefConnectConfirm, 0);
    OpenHub();
    Answerer answers(hub.get());
    hub->OnUpload();
    ASSERT_EQ(answers.seen.size(), 2u);
    EXPECT_EQ(answers.seen[0].what, QStringLiteral("Are you sure to upload?"));
    const Seen& error = answers.seen[1];
    EXPECT_TRUE(error.aboveHub);
    EXPECT_TRUE(error.centred);
    EXPECT_FALSE(error.busyVisible);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == hub.get(); }, 2000));
    EXPECT_TRUE(hub->isVisible());
}

// OK/Cancel questions that the flows mark as questions carry the question
// icon.
TEST_F(OperationDialogs, LeaveQuestionCarriesTheQuestionIcon)
{
    OpenHub();
    std::strcpy(record->SYSTEM.NAME1, "Changed");
    Answerer answers(hub.get());
    hub->OnLeave();
    ASSERT_EQ(answers.seen.size(), 1u);
    EXPECT_EQ(answers.seen[0].what, QStringLiteral("Discarding present setting to return to main menu"));
    EXPECT_EQ(answers.seen[0].icon, QMessageBox::Question);
    EXPECT_TRUE(answers.seen[0].aboveHub);
    EXPECT_FALSE(hub->isVisible());
}

// A short message's box is wide enough for its title beside the title bar's
// icon and buttons.
TEST_F(OperationDialogs, ShortMessageLeavesRoomForItsTitle)
{
    OpenHub();
    int width = 0;
    int needed = 0;
    AnswerModal<QMessageBox>([&](QMessageBox* box) {
        width = box->width();
        needed = box->fontMetrics().horizontalAdvance(box->windowTitle()) + kTitleBarExtras;
        QTest::keyClick(box, Qt::Key_Return);
    });
    ui.Show({MessageIcon::Information, "File saved."});
    EXPECT_GT(needed, kTitleBarExtras);
    EXPECT_GE(width, needed);
}

}  // namespace
}  // namespace volmar::gui::test
