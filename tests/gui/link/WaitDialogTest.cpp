// The wait dialogs through the GUI interaction: a real transfer from the
// simulator, with the login prompt and the access-mode confirmation
// answered in their dialogs.
#include <QLineEdit>
#include <QProgressBar>
#include <QTest>

#include <atomic>
#include <chrono>
#include <thread>

#include "GuiTestSupport.h"
#include "SimProcess.h"
#include "gui/link/CDlgCommConfirm.h"
#include "gui/link/CDlgPassword.h"
#include "gui/link/CDlgWait.h"
#include "gui/common/BackgroundJob.h"
#include "gui/link/GuiInteraction.h"
#include "gui/link/LinkSelection.h"
#include "core/link/transfer/SettingDownload.h"
#include "core/settings/SettingRecord.h"

namespace volmar::gui::test {
namespace {

using std::chrono::milliseconds;

TransferView View(TransferLink link, bool send, std::atomic<int64_t>& progress)
{
    TransferView view;
    view.link = link;
    view.send = send;
    view.object = "CONFIG_P";
    view.total = 1000;
    view.progress = [&progress] { return progress.load(); };
    return view;
}

TEST(WaitDialog, ShowsTheProgressWhileTheWorkRunsIgnoresEnterAndEscapeAndCloses)
{
    GuiInteraction ui;
    std::atomic<int64_t> progress{0};
    std::atomic<bool> sawDialog{false};
    QPointer<CDlgWait> seen;
    int barSeen = -1;
    // Keys and a look at the dialog while the worker is still busy.
    QTimer::singleShot(700, [&] {
        seen = qobject_cast<CDlgWaitTcp*>(QApplication::activeModalWidget());
        if (!seen) return;
        sawDialog = true;
        barSeen = seen->bar()->value();
        QTest::keyClick(seen, Qt::Key_Escape);
        QTest::keyClick(seen, Qt::Key_Return);
    });
    const auto start = std::chrono::steady_clock::now();
    RunBehindWaitWindow(nullptr, [&] {
        ui.RunTransfer(View(TransferLink::PlainTcp, false, progress), [&] {
            progress = 400;
            std::this_thread::sleep_for(milliseconds(1200));
            progress = 1000;
        });
        return true;
    });
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_TRUE(sawDialog);
    EXPECT_EQ(barSeen, 400);
    EXPECT_GE(took, milliseconds(1700));  // the work and the final pause
    EXPECT_LT(took, milliseconds(5000));
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(seen, nullptr);  // gone, not just hidden
}

// "Please wait" of the job itself, not a transfer's dialog.
bool BusyVisible()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->metaObject() == &CDlgWait::staticMetaObject && w->isVisible()) return true;
    return false;
}

TEST(WaitDialog, ATransferTakesThePlaceOfPleaseWaitAndGivesItBack)
{
    GuiInteraction ui;
    std::atomic<int64_t> progress{0};
    std::atomic<bool> transferDone{false};
    QPointer<CDlgWait> serial;
    bool sawSerial = false;
    bool busyDuring = true;
    bool busyAfter = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!transferDone) {
            if (auto* modal = qobject_cast<CDlgWait232c*>(QApplication::activeModalWidget())) {
                serial = modal;
                sawSerial = true;
                busyDuring = BusyVisible();
            }
        } else {
            busyAfter = BusyVisible();
        }
    });
    poll.start(10);
    const bool ok = RunBehindWaitWindow(nullptr, [&] {
        ui.RunTransfer(View(TransferLink::Serial, true, progress), [] { std::this_thread::sleep_for(milliseconds(200)); });
        transferDone = true;
        std::this_thread::sleep_for(milliseconds(300));  // the unit's result is polled
        return true;
    });
    poll.stop();
    EXPECT_TRUE(ok);
    EXPECT_TRUE(sawSerial);
    EXPECT_FALSE(busyDuring);  // hidden while the transfer's own dialog is up
    EXPECT_TRUE(busyAfter);    // and back once it is gone
    EXPECT_EQ(serial, nullptr);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    EXPECT_TRUE(qobject_cast<CDlgWaitTcpCipher*>(MakeWaitDialog({TransferLink::CipherTcp}, nullptr).get()));
}

TEST(WaitDialog, DownloadFromTheSimulatorThroughTheRealDialogs)
{
    volmar::test::SimProcess sim({"--tcp", "0"});
    ASSERT_TRUE(sim.WaitReady()) << sim.Errors();
    MemoryProfile profile;
    LinkState link;
    GuiInteraction ui;
    AppContext ctx{profile, link, ui};
    ctx.serialDevices = [] { return std::vector<SerialDevice>{}; };
    ui.Bind(ctx);
    AddressBook book;
    book[0] = {"Simulator", "127.0.0.1"};
    WriteAddressBook(profile, book);
    profile.SetInt(kProfileSection, kPrefComType, 0);
    profile.SetText(kProfileSection, kPrefNet, "Simulator");
    profile.SetInt(kProfileSection, kPrefNetPort, sim.Port("tcp"));
    LoadLinkPreferences(ctx);

    AnswerModal<CDlgCommConfirm>([](CDlgCommConfirm* confirm) {
        EXPECT_EQ(confirm->deviceLine()->text(), "Simulator (127.0.0.1)");
        QTest::mouseClick(confirm->connectButton(), Qt::LeftButton);
    });
    AnswerModal<CDlgPassword>([](CDlgPassword* login) {
        QTest::keyClicks(login->loginIdEdit(), "kovan");
        QTest::keyClicks(login->passwordEdit(), "kovan");
        QTest::keyClick(login->passwordEdit(), Qt::Key_Return);
    });
    // The window's thread keeps turning while the operation runs.
    bool sawWait = false;
    int ticks = 0;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        ++ticks;
        if (qobject_cast<CDlgWaitTcp*>(QApplication::activeModalWidget())) sawWait = true;
    });
    poll.start(20);

    auto record = std::make_unique<SettingRecord>();
    std::memset(record.get(), 0x5A, sizeof *record);
    ASSERT_TRUE(ui.ConfirmAccessMode(link));
    ASSERT_TRUE(RunBehindWaitWindow(nullptr, [&] { return DownloadSetting(link, ui, profile, *record, ctx.linkOptions); }));
    EXPECT_TRUE(sawWait);
    EXPECT_GT(ticks, 20);
    EXPECT_EQ(link.protocol, kProtocolPlain);
    EXPECT_EQ(link.loggedIn, 1);
    auto defaults = std::make_unique<SettingRecord>();
    ResetSettingRecord(*defaults);
    EXPECT_EQ(std::memcmp(record.get(), defaults.get(), sizeof *record), 0);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace volmar::gui::test
