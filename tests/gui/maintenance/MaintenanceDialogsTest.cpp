// The maintenance windows against the real simulator over plain TCP: what
// they show, and the bytes the unit's journal shows arriving.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <ctime>
#include <filesystem>

#include "SimProcess.h"
#include "Process.h"
#include "RecordFactory.h"
#include "gui/editors/kit/ReportTable.h"
#include "core/settings/DocumentWriter.h"
#include "../link/GuiTestSupport.h"
#include "gui/maintenance/CDlgMenInit.h"
#include "gui/maintenance/CDlgMenMailTest.h"
#include "gui/maintenance/CDlgMenMain.h"
#include "gui/maintenance/CDlgMenPriSum.h"
#include "gui/maintenance/CDlgMenQueries.h"
#include "gui/maintenance/CDlgMenSysLog.h"
#include "gui/maintenance/CDlgMenTime.h"
#include "gui/maintenance/CDlgMenUserView.h"
#include "core/maintenance/TestMail.h"

namespace volmar::gui::test {
namespace {

using volmar::testing::ReadFile;
using volmar::testing::TempDir;
using volmar::testing::WriteFile;

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// The index-th push button of w with the caption.
QPushButton* ButtonOf(QWidget* w, const QString& caption, int index = 0)
{
    for (auto* b : w->findChildren<QPushButton*>())
        if (b->text() == caption && index-- == 0) return b;
    return nullptr;
}

// Runs answer on the window of type Dialog once an exec() shows it (the
// wait dialogs before it are passed over); gives up after 10 s.
template <class Dialog>
void WhenShown(std::function<void(Dialog*)> answer)
{
    auto* timer = new QTimer;
    auto ticks = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, ticks, answer] {
        auto* d = dynamic_cast<Dialog*>(QApplication::activeModalWidget());
        if ((d && d->isVisible()) || ++*ticks > 1000) {
            timer->stop();
            timer->deleteLater();
            if (d) answer(d);
        }
    });
    timer->start(10);
}

// A setting whose PI 5 counts 0.001 per pulse and is named, and whose event
// 32 goes to one recipient.
std::unique_ptr<SettingRecord> UnitRecord()
{
    auto r = volmar::testing::MakeDefaultRecord();
    r->IO.PI[4].TYPE = 1;
    r->IO.PI[4].SCALE = 0.001;
    StoreText(r->IO.PI[4].NAME, sizeof r->IO.PI[4].NAME, "Gas", 3);
    r->MAIL_REPORT.EVENT[31].MODE = kUse;
    r->MAIL_REPORT.EVENT[31].DST[0] = 1;
    return r;
}

struct MaintenanceDialogs : ::testing::Test {
    TestApp app;
    TempDir dir;
    std::unique_ptr<volmar::test::SimProcess> sim;

    void Start(std::vector<std::string> options)
    {
        std::vector<std::string> args = {"--tcp", "0", "--journal", dir.File("j.log")};
        args.insert(args.end(), options.begin(), options.end());
        sim = std::make_unique<volmar::test::SimProcess>(args);
        ASSERT_TRUE(sim->WaitReady()) << sim->Errors();
        app.AddUnit(0, "Simulator", "127.0.0.1");
        app.link.kind = LinkKind::Network;
        app.link.selectedUnit = "Simulator";
        app.link.tcpPort = sim->Port("tcp");
        app.ui.QueueLogin("kovan", "kovan");
    }
    std::string Journal() const { return ReadFile(dir.File("j.log")); }

    // Shows a query window and waits (at most 5 s) until its query has run.
    template <class Dialog>
    QString Shown(Dialog& dialog, const std::function<QString()>& text, const QString& initial)
    {
        dialog.show();
        for (int i = 0; i < 500 && text() == initial; ++i) QTest::qWait(10);
        return text();
    }
};

TEST_F(MaintenanceDialogs, QueriesShowTheUnitsAnswersAfterTheWindowIsShown)
{
    Start({"--mac", "00-1A-2B-3C-4D-5E", "--sd-free", "1536"});
    CDlgMenMac mac(app.ctx);
    EXPECT_EQ(mac.Text(), "Failed to obtain MAC address");
    EXPECT_EQ(Shown(mac, [&] { return mac.Text(); }, mac.Text()), "00-1A-2B-3C-4D-5E");
    CDlgMenVer version(app.ctx);
    EXPECT_EQ(Shown(version, [&] { return version.Text(); }, version.Text()), "QN70-G-R Ver. 2.1.300");
    CDlgMenSdUse disk(app.ctx);
    EXPECT_EQ(Shown(disk, [&] { return disk.Text(); }, QString()), "1.50KB (1536byte)");
    EXPECT_EQ(app.ui.loginPrompts, 1);
    EXPECT_TRUE(app.ui.shown.empty()) << app.ui.Texts().front();
}

// Over the encrypted link the version comes from the handshake: no login is
// asked, even when the unit is known to speak that protocol.
TEST_F(MaintenanceDialogs, VersionOverTheEncryptedLinkAsksNoLogin)
{
    sim = std::make_unique<volmar::test::SimProcess>(
        std::vector<std::string>{"--cipher", "0", "--journal", dir.File("j.log")});
    ASSERT_TRUE(sim->WaitReady()) << sim->Errors();
    app.AddUnit(0, "Simulator", "127.0.0.1");
    app.link.kind = LinkKind::Network;
    app.link.selectedUnit = "Simulator";
    app.link.tcpPort = sim->Port("cipher");
    app.link.protocol = kProtocolCipher;
    CDlgMenVer version(app.ctx);
    EXPECT_EQ(Shown(version, [&] { return version.Text(); }, version.Text()), "QN70-G-R Ver. 2.1.300");
    EXPECT_EQ(app.ui.loginPrompts, 0);
    EXPECT_TRUE(app.ui.shown.empty()) << app.ui.Texts().front();
}

TEST_F(MaintenanceDialogs, ClockAndLog)
{
    Start({});
    CDlgMenTime time(app.ctx);
    const char* fields[6] = {"2024", "02", "29", "23", "59", "58"};
    for (int i = 0; i < 6; ++i) time.Field(i)->setText(QString::fromLatin1(fields[i]));
    time.Apply();
    EXPECT_TRUE(Has(Journal(), " data TIME 12 E80702001D0017003B003A00\n")) << Journal();
    time.Field(2)->setText(QStringLiteral("30"));
    time.Apply();
    EXPECT_EQ(app.ui.Texts(), std::vector<std::string>{"Illegal date/time"});
    EXPECT_EQ(Journal().find(" put TIME"), Journal().rfind(" put TIME"));

    CDlgMenSysLog log(app.ctx);
    EXPECT_TRUE(Shown(log, [&] { return log.Text(); }, QString()).contains(QStringLiteral("Clock set")));
    app.ui.confirmAnswers = {false};
    log.Reset();
    EXPECT_FALSE(Has(Journal(), " data LOG"));
    log.Reset();
    EXPECT_EQ(app.ui.questions, (std::vector<std::string>{"Are you sure to reset system log?",
                                                          "Are you sure to reset system log?"}));
    EXPECT_TRUE(Has(Journal(), " data LOG 1 01\n"));
    EXPECT_EQ(log.Text(), QString());
}

// The fields follow the PC clock, so Apply sends the time of the press; a
// line tells that the clock was set. Once the user edits a field, the
// fields stay as typed.
TEST_F(MaintenanceDialogs, DateTimeFollowsThePcClockUntilAFieldIsEdited)
{
    Start({});
    std::tm start{};
    start.tm_year = 2031 - 1900;
    start.tm_mon = 2;
    start.tm_mday = 4;
    start.tm_hour = 5;
    start.tm_min = 6;
    start.tm_sec = 7;
    start.tm_isdst = -1;
    std::time_t now = std::mktime(&start);
    CDlgMenTime time(app.ctx);
    time.SetClock([&] { return now; });
    time.show();
    EXPECT_EQ(time.Field(5)->text(), QStringLiteral("07"));
    now += 8;
    EXPECT_TRUE(QTest::qWaitFor([&] { return time.Field(5)->text() == QStringLiteral("15"); }, 2000));
    now += 2;
    time.Apply();
    EXPECT_TRUE(Has(Journal(), " data TIME 12 EF0703000400050006001100\n")) << Journal();
    EXPECT_EQ(time.StatusLine()->text(), QStringLiteral("Clock set to 2031/03/04 05:06:17"));

    time.Field(3)->setFocus();
    time.Field(3)->selectAll();
    QTest::keyClicks(time.Field(3), QStringLiteral("22"));
    now += 3600;
    QTest::qWait(500);
    EXPECT_EQ(time.Field(3)->text(), QStringLiteral("22"));
    EXPECT_EQ(time.Field(5)->text(), QStringLiteral("17"));
    time.Apply();
    EXPECT_TRUE(Has(Journal(), " data TIME 12 EF0703000400160006001100\n")) << Journal();
    EXPECT_TRUE(app.ui.shown.empty()) << app.ui.Texts().front();
}

TEST_F(MaintenanceDialogs, PreconditionsOnTheStatusRecordStopBeforeTheTransfer)
{
    Start({"--logging", "--no-sd"});
    CDlgMenInit init(app.ctx);
    init.Initialize();
    CDlgMenMain menu(app.ctx);
    menu.show();
    QTest::mouseClick(menu.Button(QStringLiteral("FTP client test")), Qt::LeftButton);
    EXPECT_EQ(app.ui.questions,
              (std::vector<std::string>{"Are you sure to initialize memory block?", "Are you sure to proceed?"}));
    EXPECT_EQ(app.ui.Texts(), (std::vector<std::string>{"Cannot initialize during logging.", "Insert SD card."}));
    EXPECT_FALSE(Has(Journal(), " put ")) << Journal();
}

}  // namespace
}  // namespace volmar::gui::test

namespace volmar::gui::test {
namespace {

TEST_F(MaintenanceDialogs, PresetAndTestMailOpenOnTheUnitsOwnSettingAndEnterPressesBack)
{
    WriteFile(dir.File("unit.xml"), WriteSettingDocument(*UnitRecord()));
    Start({"--config", dir.File("unit.xml")});
    CDlgMenMain menu(app.ctx);
    menu.show();
    QString entry;
    int subject = -1;
    WhenShown<CDlgMenPriSum>([&](CDlgMenPriSum* d) {
        entry = d->Channels()->itemText(4);
        QTest::keyClick(d, Qt::Key_Return);
    });
    QTest::mouseClick(menu.Button(QStringLiteral("Preset count")), Qt::LeftButton);
    WhenShown<CDlgMenMailTest>([&](CDlgMenMailTest* d) {
        subject = d->Events()->item(31, 1)->text().size();
        QTest::keyClick(d, Qt::Key_Escape);
    });
    QTest::mouseClick(menu.Button(QStringLiteral("Test mail")), Qt::LeftButton);
    EXPECT_EQ(entry, QStringLiteral("05 Gas"));
    EXPECT_GT(subject, 0);
    EXPECT_TRUE(app.ui.shown.empty()) << app.ui.Texts().front();

    // Enter in a date/time field presses Back: the window closes, the clock is not set.
    CDlgMenTime time(app.ctx);
    time.show();
    QTest::keyClick(time.Field(2), Qt::Key_Return);
    EXPECT_FALSE(time.isVisible());
    EXPECT_FALSE(Has(Journal(), "TIME")) << Journal();
}

TEST_F(MaintenanceDialogs, PresetCountSendsOnlyAValueThatPassed)
{
    Start({});
    CDlgMenPriSum dialog(app.ctx, UnitRecord());
    dialog.show();
    EXPECT_EQ(dialog.Value()->text(), QStringLiteral("0.000"));
    dialog.Channels()->setFocus();
    for (int i = 0; i < 4; ++i) QTest::keyClick(dialog.Channels(), Qt::Key_Down);
    EXPECT_EQ(dialog.Channels()->currentIndex(), 4);
    dialog.Value()->selectAll();
    QTest::keyClicks(dialog.Value(), QStringLiteral("5000000"));
    auto* upload = ButtonOf(&dialog, QStringLiteral("Upload to device"));
    QTest::mouseClick(upload, Qt::LeftButton);
    EXPECT_EQ(app.ui.Texts(), std::vector<std::string>{"Setting error: Preset value"});
    EXPECT_TRUE(app.ui.questions.empty());

    dialog.Value()->selectAll();
    QTest::keyClicks(dialog.Value(), QStringLiteral("1200.5"));
    QTest::mouseClick(upload, Qt::LeftButton);
    EXPECT_EQ(app.ui.questions, std::vector<std::string>{"Are you sure to upload?"});
    EXPECT_TRUE(Has(Journal(), " data SUM 93 ")) << Journal();
    EXPECT_TRUE(Has(Journal(), "3C4348353E313230302E353C2F4348353E")) << Journal();  // <CH5>1200.5</CH5>
    EXPECT_EQ(dialog.Value()->text(), QStringLiteral("1200.5"));
    QTest::keyClick(dialog.Channels(), Qt::Key_Up);
    EXPECT_EQ(dialog.Value()->text(), QStringLiteral("1200.500"));
}

TEST_F(MaintenanceDialogs, TestMailRowPicksTheEventAndItsByteIsSent)
{
    Start({});
    CDlgMenMailTest dialog(app.ctx, UnitRecord());
    dialog.show();
    auto* list = dialog.Events();
    list->scrollToItem(list->item(31, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(31, 0)).center());
    EXPECT_EQ(dialog.Event()->currentText(), QStringLiteral("32"));
    QTest::mouseClick(ButtonOf(&dialog, QStringLiteral("Send test mail"), 0), Qt::LeftButton);
    QTest::mouseClick(ButtonOf(&dialog, QStringLiteral("Send test mail"), 1), Qt::LeftButton);
    EXPECT_EQ(app.ui.questions, std::vector<std::string>{"Are you sure to proceed?"});
    EXPECT_EQ(app.ui.Texts(), std::vector<std::string>{"Regular reporting is disabled."});
    EXPECT_TRUE(Has(Journal(), " data MAIL 1 1F\n")) << Journal();
    EXPECT_FALSE(Has(Journal(), " data MAIL 1 64")) << Journal();
}

TEST_F(MaintenanceDialogs, UserViewUploadsTheTypedFolderAndResets)
{
    Start({});
    app.profile.SetText(kProfileSection, kPrefUserView, "/remembered");
    CDlgMenUserView dialog(app.ctx);
    EXPECT_EQ(dialog.Folder()->text(), QStringLiteral("/remembered"));
    dialog.show();
    dialog.Folder()->clear();
    auto* upload = ButtonOf(&dialog, QStringLiteral("Convert && Upload to device"));
    QTest::mouseClick(upload, Qt::LeftButton);
    EXPECT_EQ(app.ui.Texts(), std::vector<std::string>{"Specify a folder."});

    std::filesystem::create_directory(dir.File("view"));
    WriteFile(dir.File("view/a.htm"), "abc");
    QTest::keyClicks(dialog.Folder(), QString::fromStdString(dir.File("view")));
    QTest::mouseClick(upload, Qt::LeftButton);
    QTest::mouseClick(ButtonOf(&dialog, QStringLiteral("Reset")), Qt::LeftButton);
    EXPECT_EQ(app.ui.Texts(), (std::vector<std::string>{"Specify a folder.", "Completed"}));
    const std::string j = Journal();
    EXPECT_LT(j.find(" put UDAT_P "), j.find(" put UDIR_P "));
    EXPECT_NE(j.find(" put UDIR_P "), std::string::npos) << j;
    EXPECT_LT(j.find(" data DEL 1 0A\n"), j.find(" data DEL 1 0B\n"));
    EXPECT_NE(j.find(" data DEL 1 0B\n"), std::string::npos) << j;
    // Typing a folder is not choosing one: the remembered folder stays.
    EXPECT_EQ(app.Text(kPrefUserView), "/remembered");
}

}  // namespace
}  // namespace volmar::gui::test
