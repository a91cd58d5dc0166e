// The maintenance windows against the real simulator over plain TCP: what
// they show, and the bytes the unit's journal shows arriving.
#include <QLineEdit>
#include <QPushButton>

#include "SimProcess.h"
#include "Process.h"
#include "../link/GuiTestSupport.h"
#include "maintenance/CDlgMenInit.h"
#include "maintenance/CDlgMenMain.h"
#include "maintenance/CDlgMenQueries.h"
#include "maintenance/CDlgMenSysLog.h"
#include "maintenance/CDlgMenTime.h"

namespace volmar::gui::test {
namespace {

using volmar::testing::ReadFile;
using volmar::testing::TempDir;

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

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
