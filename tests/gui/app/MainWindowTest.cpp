// The main window's routes, driven through its buttons.
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QPushButton>
#include <QTest>

#include <cstring>

#include "../link/GuiTestSupport.h"
#include "Process.h"
#include "RecordFactory.h"
#include "SimProcess.h"
#include "gui/app/CVolmarDlg.h"
#include "gui/link/CDlgCom.h"
#include "gui/link/LinkSelection.h"
#include "core/settings/DocumentWriter.h"

namespace volmar::gui::test {
namespace {

using volmar::testing::ReplaceFirst;
using volmar::testing::TempDir;
using volmar::testing::WriteFile;

// A main window whose routes record what they were given.
struct MainWindow : ::testing::Test {
    TestApp app;
    int hubOpened = 0;
    std::string hubPath;
    std::string hubName;
    int maintenanceOpened = 0;
    int networkEditors = 0;
    std::unique_ptr<CVolmarDlg> window;

    MainRoutes Routes()
    {
        MainRoutes routes = MainWindowRoutes(app.ctx);
        routes.openHub = [this](QWidget*, SettingRecord& record, std::string& path) {
            ++hubOpened;
            hubPath = path;
            hubName = record.SYSTEM.NAME1;
        };
        routes.openMaintenance = [this](QWidget*) { ++maintenanceOpened; };
        routes.openNetworkAccess = [this](QWidget*, SettingRecord&) { ++networkEditors; };
        routes.openNetworkAddress = [this](QWidget*, SettingRecord&) { ++networkEditors; };
        return routes;
    }
    void Open()
    {
        LoadLinkPreferences(app.ctx);
        window = std::make_unique<CVolmarDlg>(app.ctx, Routes());
        window->show();
    }
    void Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    void UseNetwork(const std::string& unit, const std::string& address, int port)
    {
        app.AddUnit(0, unit, address);
        app.profile.SetInt(kProfileSection, kPrefComType, 0);
        app.profile.SetText(kProfileSection, kPrefNet, unit);
        app.profile.SetInt(kProfileSection, kPrefNetPort, port);
    }
};

std::string DocumentNamed(const std::string& name)
{
    auto record = volmar::testing::MakeDefaultRecord();
    return ReplaceFirst(WriteSettingDocument(*record), "<NAME1>QN70-G</NAME1>", "<NAME1>" + name + "</NAME1>");
}

TEST_F(MainWindow, NewSettingOpensTheHubOnADefaultRecordWithoutAFile)
{
    TempDir dir;
    WriteFile(dir.File("a.xml"), DocumentNamed("Plant"));
    Open();
    window->LoadFile(QString::fromStdString(dir.File("a.xml")));
    ASSERT_EQ(hubName, "Plant");
    Click(window->newSettingButton());
    EXPECT_EQ(hubOpened, 2);
    EXPECT_EQ(hubPath, "");
    EXPECT_EQ(hubName, "QN70-G");
    EXPECT_TRUE(app.ui.shown.empty());
}

TEST_F(MainWindow, ReadFileThroughTheFileDialog)
{
    TempDir dir;
    const std::string file = dir.File("plant.xml");
    WriteFile(file, DocumentNamed("Plant"));
    Open();
    AnswerModal<QFileDialog>([&](QFileDialog* dialog) {
        EXPECT_EQ(dialog->nameFilters(), QStringList{"QNSET File(*.xml)"});
        dialog->selectFile(QString::fromStdString(file));
        static_cast<QDialog*>(dialog)->accept();
    });
    Click(window->readFileButton());
    EXPECT_EQ(hubOpened, 1);
    EXPECT_EQ(hubPath, file);
    EXPECT_EQ(hubName, "Plant");
    EXPECT_EQ(window->filePath(), file);
    EXPECT_TRUE(app.ui.shown.empty());
}

TEST_F(MainWindow, ReadFileVerdicts)
{
    TempDir dir;
    const std::string extra = ReplaceFirst(DocumentNamed("Extra"), "<AI1>", "<AI65><TYPE>CARD</TYPE></AI65><AI1>");
    WriteFile(dir.File("extra.xml"), extra);
    WriteFile(dir.File("bad.xml"), ReplaceFirst(extra, "<CARD_CH>1</CARD_CH>", "<CARD_CH>5</CARD_CH>"));
    Open();

    // Unsupported information: the hub opens, with the message when
    // "TAG_MESSAGE" is on.
    window->LoadFile(QString::fromStdString(dir.File("extra.xml")));
    EXPECT_EQ(hubOpened, 1);
    EXPECT_EQ(hubName, "Extra");
    ASSERT_EQ(app.ui.shown.size(), 1u);
    EXPECT_EQ(app.ui.shown[0].text.rfind("Cannot edit parameter: Setting conatins unsupported information.", 0), 0u);
    app.profile.SetInt(kProfileSection, kPrefTagMessage, 0);
    window->LoadFile(QString::fromStdString(dir.File("extra.xml")));
    EXPECT_EQ(hubOpened, 2);
    EXPECT_EQ(app.ui.shown.size(), 1u);

    // An unsupported parameter: its message, no hub.
    app.ui.shown.clear();
    window->LoadFile(QString::fromStdString(dir.File("bad.xml")));
    EXPECT_EQ(hubOpened, 2);
    ASSERT_EQ(app.ui.shown.size(), 1u);
    EXPECT_NE(app.ui.shown[0].text.find("<CARD_CH>"), std::string::npos);

    // A missing file: its message; the record and the path stay.
    app.ui.shown.clear();
    window->LoadFile(QString::fromStdString(dir.File("extra.xml")));
    std::strcpy(window->record().SYSTEM.NAME1, "Kept");
    window->LoadFile(QString::fromStdString(dir.File("missing.xml")));
    EXPECT_EQ(app.ui.Only().text, "Failed to Open File");
    EXPECT_EQ(app.ui.Only().icon, MessageIcon::Error);
    EXPECT_STREQ(window->record().SYSTEM.NAME1, "Kept");
    EXPECT_EQ(window->filePath(), dir.File("extra.xml"));
}

TEST_F(MainWindow, DownloadFromTheSimulatorOverPlainTcp)
{
    TempDir dir;
    WriteFile(dir.File("unit.xml"), DocumentNamed("From the unit"));
    volmar::test::SimProcess sim({"--tcp", "0", "--config", dir.File("unit.xml")});
    ASSERT_TRUE(sim.WaitReady()) << sim.Errors();
    UseNetwork("Simulator", "127.0.0.1", sim.Port("tcp"));
    Open();
    window->LoadFile("/nonexistent");  // the path of a download stays as it was
    app.ui.shown.clear();
    EXPECT_EQ(window->accessModeLine()->text(), "Network");
    EXPECT_EQ(window->deviceLine()->text(), "Simulator (127.0.0.1)");
    EXPECT_FALSE(window->terminalLogButton()->isEnabled());

    app.ui.QueueLogin("kovan", "kovan");
    Click(window->downloadButton());
    EXPECT_EQ(app.ui.accessConfirmations, 1);
    EXPECT_EQ(app.ui.loginPrompts, 1);
    ASSERT_EQ(app.ui.transfers.size(), 1u);
    EXPECT_EQ(app.ui.transfers[0].link, TransferLink::PlainTcp);
    EXPECT_EQ(hubOpened, 1);
    EXPECT_EQ(hubName, "From the unit");
    EXPECT_EQ(hubPath, "");
    EXPECT_TRUE(app.ui.shown.empty()) << app.ui.shown[0].text;

    // Logged in: the next operation asks nothing but the confirmation, and
    // without "CONNECT_CONFIRM" not even that.
    ClickIndicator(window->confirmBox());
    EXPECT_EQ(app.Int(kPrefConnectConfirm), 0);
    Click(window->maintenanceButton());
    EXPECT_EQ(maintenanceOpened, 1);
    EXPECT_EQ(app.ui.accessConfirmations, 1);
    EXPECT_EQ(app.ui.loginPrompts, 1);
}

TEST_F(MainWindow, CancelledConfirmationStopsBeforeAnyPortOpens)
{
    // A serial device that does not exist: opening it would say so.
    app.profile.SetText("COMMAP", "COM1", "/dev/nonexistent-volmar-port");
    Open();
    EXPECT_EQ(window->accessModeLine()->text(), "USB");
    EXPECT_TRUE(window->terminalLogButton()->isEnabled());
    app.ui.accessAnswers = {false, false, false, false};
    for (QPushButton* b : {window->downloadButton(), window->maintenanceButton(), window->networkAccessButton(),
                           window->networkButton()}) {
        Click(b);
    }
    EXPECT_EQ(app.ui.accessConfirmations, 4);
    EXPECT_TRUE(app.ui.shown.empty());
    EXPECT_EQ(hubOpened + maintenanceOpened + networkEditors, 0);

    // Confirmed, the port is tried and its failure reported.
    Click(window->maintenanceButton());
    EXPECT_EQ(app.ui.Only().text,
              "Cannot open COM port 1\n/dev/nonexistent-volmar-port: No such port: the device is not connected.");
    EXPECT_EQ(maintenanceOpened, 0);
    Click(window->networkButton());
    EXPECT_EQ(networkEditors, 1);
}

TEST_F(MainWindow, ConnectResetsTheSessionOnlyWhenTheUnitChanges)
{
    UseNetwork("Plant", "10.0.0.5", 30321);
    app.AddUnit(1, "Tank", "10.0.0.6");
    Open();
    app.link.loggedIn = 1;
    app.link.protocol = kProtocolCipher;
    auto connectTo = [&](const QString& unit) {
        AnswerModal<CDlgCom>([unit](CDlgCom* dialog) {
            dialog->unitCombo()->setCurrentText(unit);
            QTest::mouseClick(StandardButton(dialog, QDialogButtonBox::Ok), Qt::LeftButton);
        });
        Click(window->connectButton());
    };
    connectTo("Plant");
    EXPECT_EQ(app.link.loggedIn, 1);
    EXPECT_EQ(app.link.protocol, kProtocolCipher);
    connectTo("Tank");
    EXPECT_EQ(window->deviceLine()->text(), "Tank (10.0.0.6)");
    EXPECT_EQ(app.link.loggedIn, 0);
    EXPECT_EQ(app.link.protocol, kProtocolUnknown);

    // To USB: the terminal log comes on.
    AnswerModal<CDlgCom>([](CDlgCom* dialog) {
        ClickIndicator(dialog->usbRadio());
        QTest::mouseClick(StandardButton(dialog, QDialogButtonBox::Ok), Qt::LeftButton);
    });
    Click(window->connectButton());
    EXPECT_EQ(window->accessModeLine()->text(), "USB");
    EXPECT_EQ(window->deviceLine()->text(), "COM1");
    EXPECT_TRUE(window->terminalLogButton()->isEnabled());
    Click(window->terminalLogButton());
    // No such port here: the message, and no SW1 notice.
    EXPECT_EQ(app.ui.Only().text.rfind("Cannot open COM port 1", 0), 0u) << app.ui.Only().text;
}

// A unit known to speak the encrypted protocol is asked for the login
// before the operation starts; the operation takes that login and does not
// ask again. Cancel there ends the operation before any connection.
TEST_F(MainWindow, EncryptedUnitsLoginIsAskedOnceBeforeTheOperation)
{
    TempDir dir;
    WriteFile(dir.File("unit.xml"), DocumentNamed("Ciphered"));
    volmar::test::SimProcess sim({"--cipher", "0", "--config", dir.File("unit.xml"), "--journal", dir.File("j.log")});
    ASSERT_TRUE(sim.WaitReady()) << sim.Errors();
    UseNetwork("Simulator", "127.0.0.1", sim.Port("cipher"));
    app.profile.SetInt(kProfileSection, kPrefConnectConfirm, 0);
    Open();
    app.link.protocol = kProtocolCipher;

    app.ui.QueueCancel();
    Click(window->downloadButton());
    EXPECT_EQ(app.ui.loginPrompts, 1);
    EXPECT_EQ(hubOpened, 0);
    EXPECT_EQ(volmar::testing::ReadFile(dir.File("j.log")), "");

    app.ui.QueueLogin("kovan", "kovan");
    Click(window->downloadButton());
    EXPECT_EQ(app.ui.loginPrompts, 2);
    EXPECT_EQ(hubOpened, 1);
    EXPECT_EQ(hubName, "Ciphered");
    EXPECT_EQ(app.link.loggedIn, 1);
}

// A focused button takes Enter, as on the original platform; "Quit" takes
// it when no other button has the focus.
TEST_F(MainWindow, EnterPressesTheFocusedButtonElseQuits)
{
    Open();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->newSettingButton()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(window->focusWidget(), Qt::Key_Return);
    EXPECT_EQ(hubOpened, 1);
    EXPECT_TRUE(window->isVisible());
    window->networkButton()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(window->focusWidget(), Qt::Key_Enter);
    EXPECT_EQ(networkEditors, 1);
    EXPECT_TRUE(window->isVisible());

    window->confirmBox()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(window->focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Accepted);
    EXPECT_EQ(hubOpened, 1);
}

}  // namespace
}  // namespace volmar::gui::test
