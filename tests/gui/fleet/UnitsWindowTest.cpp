// The Units window driven with real events against simulated units, each a
// qn70g-sim process on its own loopback address and one shared port, and
// an address that takes the connection and never answers.
#include <sys/stat.h>

#include <QFileDialog>
#include <QLabel>
#include <QTableWidget>

#include <chrono>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "../link/GuiTestSupport.h"
#include "RecordFactory.h"
#include "SilentListener.h"
#include "SimProcess.h"
#include "core/fleet/FleetOperations.h"
#include "core/settings/DocumentWriter.h"
#include "core/sheets/Csv.h"
#include "gui/app/CVolmarDlg.h"
#include "gui/fleet/CDlgUnits.h"
#include "sim/unit/SettingFile.h"
#include "sim/unit/UnitDocument.h"

namespace volmar::gui::test {
namespace {

using Clock = std::chrono::steady_clock;
using volmar::testing::ReadFile;
using volmar::testing::TempDir;
using volmar::testing::WriteFile;

struct UnitsWindow : ::testing::Test {
    TestApp app;
    TempDir dir;
    uint16_t port = 0;
    std::vector<std::unique_ptr<volmar::test::SimProcess>> sims;
    UniqueFd silent;
    std::unique_ptr<CVolmarDlg> main;

    // North and South simulated, Silent never answering, in the address
    // book in that order; the main window open on them.
    void SetUp() override
    {
        StartUnit("127.0.0.61", "North", {});
        StartUnit("127.0.0.62", "South", {"--firmware", "2.2.7"});
        silent = volmar::test::SilentListener("127.0.0.63", port);
        ASSERT_TRUE(silent.Valid());
        app.AddUnit(0, "North", "127.0.0.61");
        app.AddUnit(1, "South", "127.0.0.62");
        app.AddUnit(2, "Silent", "127.0.0.63");
        app.profile.SetInt(kProfileSection, kPrefNetPort, port);
        main = std::make_unique<CVolmarDlg>(app.ctx, MainWindowRoutes(app.ctx));
        main->show();
    }

    void StartUnit(const std::string& address, const std::string& name, std::vector<std::string> extra)
    {
        auto record = volmar::testing::MakeDefaultRecord();
        std::strncpy(record->SYSTEM.NAME1, name.c_str(), sizeof record->SYSTEM.NAME1 - 1);
        const std::string file = dir.File(name + ".xml");
        WriteFile(file, WriteSettingDocument(*record));
        std::vector<std::string> args = {"--tcp", std::to_string(port), "--address", address, "--config", file};
        args.insert(args.end(), extra.begin(), extra.end());
        sims.push_back(std::make_unique<volmar::test::SimProcess>(args));
        ASSERT_TRUE(sims.back()->WaitReady()) << sims.back()->Errors();
        if (port == 0) port = sims.back()->Port("tcp");
    }

    // The Units window, opened with the main window's button.
    CDlgUnits* OpenUnits()
    {
        QTest::mouseClick(main->unitsButton(), Qt::LeftButton);
        auto* units = main->findChild<CDlgUnits*>();
        if (units) {
            EXPECT_TRUE(units->isVisible());
        }
        return units;
    }

    // Clicks Status with the run's login queued.
    static void ClickStatus(CDlgUnits* units, TestApp& app)
    {
        app.ui.QueueLogin("kovan", "kovan");
        QTest::mouseClick(units->statusButton(), Qt::LeftButton);
    }

    static std::string Cell(CDlgUnits* units, int row, int column)
    {
        return units->table()->item(row, column)->text().toStdString();
    }
};

TEST_F(UnitsWindow, StatusFillsEachRowAsItsUnitEndsAndCancelEndsTheRun)
{
    CDlgUnits* units = OpenUnits();
    ASSERT_TRUE(units);
    ASSERT_EQ(units->table()->rowCount(), 3);
    EXPECT_EQ(Cell(units, 2, kColAddress), "127.0.0.63");
    units->SetDeadline(std::chrono::milliseconds(1500));

    ClickStatus(units, app);
    // The click returns at once: the run goes on off the window's thread,
    // and no window is modal meanwhile.
    EXPECT_TRUE(units->Running());
    EXPECT_TRUE(units->cancelButton()->isEnabled());
    EXPECT_FALSE(units->statusButton()->isEnabled());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !units->Running(); }, 15000));
    EXPECT_EQ(app.ui.loginPrompts, 1);

    EXPECT_EQ(Cell(units, 0, kColState), "Done");
    EXPECT_TRUE(Cell(units, 0, kColResult).starts_with("Device code 0x29, clock ")) << Cell(units, 0, kColResult);
    EXPECT_EQ(Cell(units, 0, kColFirmware), "2.1.300");
    EXPECT_EQ(Cell(units, 1, kColState), "Done");
    EXPECT_EQ(Cell(units, 1, kColFirmware), "2.2.7");
    EXPECT_EQ(Cell(units, 2, kColState), "Failed");
    EXPECT_EQ(Cell(units, 2, kColResult), "No result within the unit's deadline of 1.5 s.");
    EXPECT_EQ(Cell(units, 2, kColFirmware), "");
    EXPECT_TRUE(units->summaryLine()->text().startsWith(QStringLiteral("Status: 3 unit(s), 2 succeeded, 1 failed (")))
        << units->summaryLine()->text().toStdString();
    EXPECT_TRUE(app.ui.shown.empty());

    // Again with a deadline far away: the good units end, the silent one
    // runs until Cancel, which ends it at once.
    units->SetDeadline(std::chrono::milliseconds(60000));
    ClickStatus(units, app);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return Cell(units, 1, kColState) == "Done" && Cell(units, 2, kColState) == "Running"; }, 15000));
    const auto cancelled = Clock::now();
    QTest::mouseClick(units->cancelButton(), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !units->Running(); }, 10000));
    EXPECT_LT(Clock::now() - cancelled, std::chrono::seconds(5));
    EXPECT_EQ(Cell(units, 0, kColState), "Done");
    EXPECT_EQ(Cell(units, 2, kColState), "Cancelled");
    EXPECT_EQ(Cell(units, 2, kColResult), "Cancelled.");
    EXPECT_TRUE(units->statusButton()->isEnabled());

    // A units file in place of the address book; one that does not read
    // leaves the table as it was, with its reason.
    const std::string where = "127.0.0.62:" + std::to_string(port);
    WriteFile(dir.File("units.csv"), "name,address\r\nYard," + where + "\r\n");
    WriteFile(dir.File("bad.csv"), "name,address\r\nYard,\r\n");
    ASSERT_TRUE(units->LoadUnitsFile(QString::fromStdString(dir.File("units.csv"))));
    EXPECT_FALSE(units->LoadUnitsFile(QString::fromStdString(dir.File("bad.csv"))));
    EXPECT_EQ(app.ui.Only().text, dir.File("bad.csv") + ": line 2: the address is empty");
    ASSERT_EQ(units->table()->rowCount(), 1);
    EXPECT_EQ(Cell(units, 0, kColAddress), where);
    ClickStatus(units, app);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !units->Running(); }, 15000));
    EXPECT_EQ(Cell(units, 0, kColFirmware), "2.2.7");
}

TEST_F(UnitsWindow, BackupOfTheSelectedRowsAndClosingMidRunCancelsAndIndexesIt)
{
    CDlgUnits* units = OpenUnits();
    ASSERT_TRUE(units);
    // North and Silent: North's row clicked, Silent's added with Ctrl; the
    // folder chosen in the folder dialog.
    QTableWidget* table = units->table();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualItemRect(table->item(0, 0)).center());
    QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      table->visualItemRect(table->item(2, 0)).center());
    const std::string backups = dir.File("backups");
    ASSERT_EQ(::mkdir(backups.c_str(), 0700), 0);
    AnswerModal<QFileDialog>([&](QFileDialog* d) {
        d->setDirectory(QString::fromStdString(backups));
        static_cast<QDialog*>(d)->accept();
    });
    app.ui.QueueLogin("kovan", "kovan");
    QTest::mouseClick(units->backupButton(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return units->Running(); }, 6000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return Cell(units, 0, kColState) == "Done"; }, 15000));
    EXPECT_EQ(Cell(units, 1, kColState), "");  // not selected, not run
    // What North holds, byte for byte.
    const std::string file = Cell(units, 0, kColResult);
    EXPECT_EQ(file.rfind("North-", 0), 0u) << file;
    auto held = std::make_unique<SettingRecord>();
    ResetSettingRecord(*held);
    ASSERT_TRUE(sim::LoadSettingFile(dir.File("North.xml"), *held).ok);
    EXPECT_EQ(ReadFile(backups + "/" + file), sim::WriteUnitDocument(*held));

    // Closed while Silent still runs: the run is cancelled and waited for,
    // long before its deadline, the index written, and the window goes.
    QPointer<CDlgUnits> guard(units);
    const auto closed = Clock::now();
    QTest::mouseClick(units->closeButton(), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return guard.isNull(); }, 10000));
    EXPECT_LT(Clock::now() - closed, std::chrono::seconds(5));
    sheets::CsvTable sheet;
    std::string error;
    ASSERT_TRUE(sheets::ReadCsv(ReadFile(backups + "/index.csv"), sheet, error)) << error;
    const std::vector<sheets::CsvRow>& index = sheet.rows;
    ASSERT_EQ(index.size(), 3u);
    EXPECT_EQ(index[1].fields,
              (std::vector<std::string>{"North", "127.0.0.61", file, Sha256Hex(ReadFile(backups + "/" + file)), "ok"}));
    EXPECT_EQ(index[2].fields, (std::vector<std::string>{"Silent", "127.0.0.63", "", "", "Cancelled."}));
}

}  // namespace
}  // namespace volmar::gui::test
