// The Units window driven with real events against simulated units, each a
// qn70g-sim process on its own loopback address and one shared port, and
// an address that takes the connection and never answers.
#include <sys/stat.h>

#include <QFileDialog>
#include <QCheckBox>
#include <QLabel>
#include <QTableWidget>

#include <chrono>
#include <cstring>
#include <memory>
#include <sstream>
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
#include "gui/hub/CDlgChanges.h"
#include "gui/hub/ChangesModel.h"
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

    // A simulated unit holding a setting named name: on address over plain
    // TCP, or with no address on the link extra gives ({"--serial"}).
    void StartUnit(const std::string& address, const std::string& name, std::vector<std::string> extra)
    {
        auto record = volmar::testing::MakeDefaultRecord();
        std::strncpy(record->SYSTEM.NAME1, name.c_str(), sizeof record->SYSTEM.NAME1 - 1);
        const std::string file = dir.File(name + ".xml");
        WriteFile(file, WriteSettingDocument(*record));
        std::vector<std::string> args = {"--config", file, "--journal", Journal(name)};
        if (!address.empty()) args.insert(args.end(), {"--tcp", std::to_string(port), "--address", address});
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

    // Clicks the rows: the first alone, the others added with Ctrl.
    static void ClickRows(CDlgUnits* units, std::initializer_list<int> rows)
    {
        QTableWidget* table = units->table();
        Qt::KeyboardModifiers modifiers;
        for (int row : rows) {
            QTest::mouseClick(table->viewport(), Qt::LeftButton, modifiers,
                              table->visualItemRect(table->item(row, 0)).center());
            modifiers = Qt::ControlModifier;
        }
    }

    // Clicks Backup... with the run's login queued and a new folder chosen
    // in the folder dialog; returns once the run has started.
    void ClickBackup(CDlgUnits* units, const std::string& folder)
    {
        ASSERT_EQ(::mkdir(folder.c_str(), 0700), 0);
        AnswerModal<QFileDialog>([folder](QFileDialog* d) {
            d->setDirectory(QString::fromStdString(folder));
            static_cast<QDialog*>(d)->accept();
        });
        app.ui.QueueLogin("kovan", "kovan");
        QTest::mouseClick(units->backupButton(), Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor([&] { return units->Running(); }, 6000));
    }

    std::string Journal(const std::string& name) const { return dir.File(name + ".journal"); }

    // What the unit started from name's settings file holds, as a backup has it.
    std::string Held(const std::string& name) const
    {
        auto held = std::make_unique<SettingRecord>();
        ResetSettingRecord(*held);
        if (!sim::LoadSettingFile(dir.File(name + ".xml"), *held).ok) return {};
        return sim::WriteUnitDocument(*held);
    }

    // Whether the unit took a put of object ("put TIME 12 ... ok").
    bool PutTaken(const std::string& name, const std::string& object) const
    {
        std::istringstream lines(ReadFile(Journal(name)));
        for (std::string line; std::getline(lines, line);)
            if (line.find(" put " + object + " ") != std::string::npos && line.ends_with(" ok")) return true;
        return false;
    }

    // Clicks button with the run's login queued, the settings file chosen
    // in the file dialog, and waits for the run's end.
    void RunWithFile(CDlgUnits* units, QPushButton* button, const std::string& file)
    {
        AnswerModal<QFileDialog>([file](QFileDialog* d) {
            d->selectFile(QString::fromStdString(file));
            static_cast<QDialog*>(d)->accept();
        });
        app.ui.QueueLogin("kovan", "kovan");
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_TRUE(QTest::qWaitFor([&] { return units->Running(); }, 6000));
        EXPECT_TRUE(QTest::qWaitFor([&] { return !units->Running(); }, 20000));
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
    EXPECT_EQ(Cell(units, 0, kColResult), "Device code 0x29");
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
    // North and Silent.
    ClickRows(units, {0, 2});
    const std::string backups = dir.File("backups");
    ClickBackup(units, backups);
    if (HasFatalFailure()) return;
    ASSERT_TRUE(QTest::qWaitFor([&] { return Cell(units, 0, kColState) == "Done"; }, 15000));
    EXPECT_EQ(Cell(units, 1, kColState), "");  // not selected, not run
    // What North holds, byte for byte.
    const std::string file = Cell(units, 0, kColResult);
    EXPECT_EQ(file.rfind("North-", 0), 0u) << file;
    EXPECT_EQ(ReadFile(backups + "/" + file), Held("North"));

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

TEST_F(UnitsWindow, SetTimeCompareAndAVerifiedUploadReachBothSelectedUnits)
{
    CDlgUnits* units = OpenUnits();
    ASSERT_TRUE(units);
    ClickRows(units, {0, 1});

    // Set time: both clocks are set with the PC's time.
    app.ui.QueueLogin("kovan", "kovan");
    QTest::mouseClick(units->setTimeButton(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !units->Running() && Cell(units, 1, kColState) != ""; }, 20000));
    for (int row : {0, 1}) {
        EXPECT_EQ(Cell(units, row, kColState), "Done") << Cell(units, row, kColResult);
        EXPECT_TRUE(Cell(units, row, kColResult).starts_with("Clock set to ")) << Cell(units, row, kColResult);
    }
    EXPECT_TRUE(PutTaken("North", "TIME")) << ReadFile(Journal("North"));
    EXPECT_TRUE(PutTaken("South", "TIME")) << ReadFile(Journal("South"));
    EXPECT_EQ(Cell(units, 2, kColState), "");  // not selected, not run

    // Compare with North's own setting: North holds it, South differs, and
    // Differences... shows South's in the Changes window.
    RunWithFile(units, units->compareButton(), dir.File("North.xml"));
    EXPECT_EQ(Cell(units, 0, kColResult), "Same as the file");
    const std::string south = Cell(units, 1, kColResult);
    EXPECT_TRUE(south.ends_with(" value(s) differ from the file") && !south.starts_with("0 ")) << south;
    ClickRows(units, {0});
    EXPECT_FALSE(units->differencesButton()->isEnabled()) << "North holds the file's setting";
    ClickRows(units, {0, 1});
    ASSERT_TRUE(units->differencesButton()->isEnabled()) << "South, selected, differs";
    QString title;
    int shown = 0;
    AnswerModal<CDlgChanges>([&](CDlgChanges* changes) {
        title = changes->windowTitle();
        shown = changes->Model().DifferenceCount();
        changes->reject();
    });
    QTest::mouseClick(units->differencesButton(), Qt::LeftButton);
    EXPECT_EQ(title.toStdString(), "Compare: South");
    EXPECT_EQ(std::to_string(shown) + " value(s) differ from the file", south);

    // One setting uploaded to both and read back; a compare with it then
    // finds it on both.
    auto record = volmar::testing::MakeDefaultRecord();
    std::strncpy(record->SYSTEM.NAME1, "Fleet", sizeof record->SYSTEM.NAME1 - 1);
    const std::string fleet = dir.File("fleet.xml");
    WriteFile(fleet, WriteSettingDocument(*record));
    if (!units->verifyBox()->isChecked()) QTest::mouseClick(units->verifyBox(), Qt::LeftButton);
    ASSERT_TRUE(units->verifyBox()->isChecked());
    RunWithFile(units, units->uploadButton(), fleet);
    for (int row : {0, 1}) EXPECT_EQ(Cell(units, row, kColResult), "Uploaded and verified");
    EXPECT_TRUE(PutTaken("North", "CONFIG_P")) << ReadFile(Journal("North"));
    EXPECT_TRUE(PutTaken("South", "CONFIG_P")) << ReadFile(Journal("South"));
    RunWithFile(units, units->compareButton(), fleet);
    for (int row : {0, 1}) EXPECT_EQ(Cell(units, row, kColResult), "Same as the file");
    EXPECT_TRUE(app.ui.shown.empty());
}

TEST_F(UnitsWindow, AUnitsFileReachesUnitsOverAllThreeLinks)
{
    // Secret encrypted on the fleet's port, Wired on a serial port of its own.
    StartUnit("", "Secret", {"--cipher", std::to_string(port), "--address", "127.0.0.64"});
    StartUnit("", "Wired", {"--serial"});
    const std::string device = sims.back()->Link("serial");
    ASSERT_FALSE(device.empty());
    const std::string list = dir.File("three.csv");
    WriteFile(list, "name,address\nNorth,127.0.0.61\nSecret,127.0.0.64\nWired," + device + "\n");

    CDlgUnits* units = OpenUnits();
    ASSERT_TRUE(units);
    AnswerModal<QFileDialog>([&](QFileDialog* d) {
        d->selectFile(QString::fromStdString(list));
        static_cast<QDialog*>(d)->accept();
    });
    QTest::mouseClick(units->openButton(), Qt::LeftButton);
    ASSERT_EQ(units->table()->rowCount(), 3);
    EXPECT_EQ(Cell(units, 2, kColAddress), device);

    const std::string backups = dir.File("three");
    ClickBackup(units, backups);
    if (HasFatalFailure()) return;
    ASSERT_TRUE(QTest::qWaitFor([&] { return !units->Running(); }, 30000));
    int row = 0;
    for (const char* name : {"North", "Secret", "Wired"}) {
        EXPECT_EQ(Cell(units, row, kColState), "Done") << name << ": " << Cell(units, row, kColResult);
        EXPECT_EQ(ReadFile(backups + "/" + Cell(units, row, kColResult)), Held(name)) << name;
        ++row;
    }
    EXPECT_TRUE(app.ui.shown.empty());
}

}  // namespace
}  // namespace volmar::gui::test
