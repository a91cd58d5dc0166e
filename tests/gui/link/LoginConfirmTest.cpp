// The login prompt, the access-mode confirmation and its "Change", and the
// port list's numbering.
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <cstring>

#include "GuiTestSupport.h"
#include "gui/link/CDlgCom.h"
#include "gui/link/CDlgCommConfirm.h"
#include "gui/link/CDlgPassword.h"
#include "gui/link/LinkSelection.h"

namespace volmar::gui::test {
namespace {

TEST(LoginPrompt, TakesAtMost16CharactersEachAndHidesThePassword)
{
    TestApp app;
    CDlgPassword dialog(app.ui);
    dialog.show();
    EXPECT_EQ(dialog.passwordEdit()->echoMode(), QLineEdit::Password);
    QTest::keyClicks(dialog.loginIdEdit(), QString(17, QChar('a')));
    QTest::keyClicks(dialog.passwordEdit(), QStringLiteral("pw"));
    QTest::keyClick(dialog.passwordEdit(), Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(app.ui.Only().text, "Invalid login ID and/or password");
    EXPECT_EQ(dialog.loginIdEdit()->text().size(), 17);  // kept as typed

    // 16 characters of two UTF-8 bytes each fit.
    dialog.loginIdEdit()->setText(QString(16, QChar(0x00E9)));
    QTest::keyClick(dialog.passwordEdit(), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.LoginId().size(), 32u);
    EXPECT_EQ(dialog.Password(), "pw");
}

struct TwoUnits : ::testing::Test {
    TestApp app;
    void SetUp() override
    {
        app.AddUnit(0, "Plant", "10.0.0.5");
        app.AddUnit(1, "Tank", "10.0.0.6");
        app.profile.SetInt(kProfileSection, kPrefComType, 0);
        app.profile.SetText(kProfileSection, kPrefNet, "Plant");
        LoadLinkPreferences(app.ctx);
        app.link.protocol = kProtocolPlain;
        app.link.loggedIn = 1;
        app.link.SetCredentials("kovan", "kovan");
    }
    // "Change" in the confirmation, picking unit in the Connect dialog.
    void ChangeTo(CDlgCommConfirm& confirm, const QString& unit, const QString& port = "30321")
    {
        AnswerModal<CDlgCom>([unit, port](CDlgCom* dialog) {
            dialog->unitCombo()->setCurrentText(unit);
            dialog->portEdit()->setText(port);
            QTest::mouseClick(StandardButton(dialog, QDialogButtonBox::Ok), Qt::LeftButton);
        });
        QTest::mouseClick(confirm.changeButton(), Qt::LeftButton);
    }
    bool SessionKept() const { return app.link.loggedIn == 1 && std::strcmp(app.link.loginId, "kovan") == 0; }
};

TEST_F(TwoUnits, ChangingTheUnitInTheConfirmationResetsTheLogin)
{
    CDlgCommConfirm confirm(app.ctx);
    confirm.show();
    EXPECT_EQ(confirm.accessModeLine()->text(), "Network");
    EXPECT_EQ(confirm.deviceLine()->text(), "Plant (10.0.0.5)");

    ChangeTo(confirm, "Plant");
    EXPECT_TRUE(SessionKept());
    EXPECT_EQ(app.link.protocol, kProtocolPlain);

    ChangeTo(confirm, "Tank");
    EXPECT_EQ(confirm.deviceLine()->text(), "Tank (10.0.0.6)");
    EXPECT_EQ(app.link.selectedUnit, "Tank");
    EXPECT_EQ(app.link.loggedIn, 0);
    EXPECT_EQ(app.link.protocol, kProtocolUnknown);
    EXPECT_STREQ(app.link.loginId, kPlaceholderCredential);

    QTest::mouseClick(confirm.connectButton(), Qt::LeftButton);
    EXPECT_EQ(confirm.result(), QDialog::Accepted);
}

TEST_F(TwoUnits, AnotherTcpPortOfTheSameUnitIsANewSession)
{
    // Another port may be the other protocol: keeping the detected one
    // would fail every operation there until the program restarts.
    CDlgCommConfirm confirm(app.ctx);
    confirm.show();
    ChangeTo(confirm, "Plant", "30322");
    EXPECT_EQ(app.link.tcpPort, 30322);
    EXPECT_EQ(app.link.protocol, kProtocolUnknown);
    EXPECT_EQ(app.link.loggedIn, 0);
}

TEST(ComPortList, KeptNumbersSurviveAReplugAndNewDevicesTakeFreeNumbers)
{
    MemoryProfile profile;
    const SerialDevice a{"/dev/serial/by-id/usb-A-if00", "/dev/ttyACM0", "Unit A"};
    const SerialDevice b{"/dev/serial/by-id/usb-B-if00", "/dev/ttyACM1", ""};
    profile.SetText(kComMapSection, "COM3", b.path);

    auto list = BuildComPortList(profile, {a, b});
    ASSERT_EQ(list.size(), 20u);
    EXPECT_EQ(list[0].device, a.path);
    EXPECT_EQ(list[0].name, "COM1: Unit A (ttyACM0)");
    EXPECT_EQ(list[2].name, "COM3: ttyACM1");
    EXPECT_EQ(list[1].name, "COM2");

    // Replugged in the other order, with new kernel names: same numbers.
    const SerialDevice b2{b.path, "/dev/ttyACM0", ""};
    const SerialDevice a2{a.path, "/dev/ttyACM1", "Unit A"};
    list = BuildComPortList(profile, {b2, a2});
    EXPECT_EQ(list[2].device, b.path);
    EXPECT_EQ(list[0].device, a.path);

    // Unplugged: the kept number stays, marked; the free one is free again.
    list = BuildComPortList(profile, {});
    EXPECT_EQ(list[2].name, "COM3: /dev/serial/by-id/usb-B-if00 (not connected)");
    EXPECT_EQ(list[0].name, "COM1");
    EXPECT_EQ(ResolveComDevice(profile, 3, {}), b.path);
    EXPECT_EQ(ResolveComDevice(profile, 1, {a}), a.path);
    EXPECT_EQ(ResolveComDevice(profile, 2, {a}), "");
}

}  // namespace
}  // namespace volmar::gui::test
