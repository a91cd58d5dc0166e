// The "Network" and "VOLMAR via network" editors against the simulated unit
// on a real pseudo-terminal: opened through the main window's routes (the
// download first), typed into, and the partial document the unit receives
// compared byte for byte. Then the checks in their order, and the
// view-only network link.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <cstring>
#include <mutex>

#include "../link/GuiTestSupport.h"
#include "PtyUnit.h"
#include "gui/app/CDlgBaseIpAddress.h"
#include "gui/app/CDlgBaseQnset.h"
#include "gui/app/WindowTable.h"
#include "gui/common/AccountGrid.h"
#include "gui/editors/kit/GuardedCombo.h"
#include "gui/editors/kit/Ipv4Edit.h"
#include "core/settings/DocumentWriter.h"
#include "core/settings/Gzlib.h"
#include "sim/unit/SimUnit.h"

namespace volmar::gui::test {
namespace {

constexpr const char* kConfirmUpload = "Are you sure to upload?";
constexpr const char* kRecommend =
    "ID/password(s) have not been changed/applied.\nPersonalized setting is recommended.";

// The simulated unit, keeping the last object put to it as it arrived.
class KeepingUnit final : public sim::UnitModel {
public:
    explicit KeepingUnit(const SettingRecord& record) : m_unit(sim::SimUnitOptions{}, &record) {}
    std::array<uint8_t, 6> Status() override { return m_unit.Status(); }
    bool Login(const std::string& id, const std::string& pw) override { return m_unit.Login(id, pw); }
    bool Get(const std::string& object, std::vector<uint8_t>& out, int& code) override
    {
        return m_unit.Get(object, out, code);
    }
    sim::PutOutcome Put(const std::string& object, const std::vector<uint8_t>& data) override
    {
        std::lock_guard lock(m_mutex);
        m_put = data;
        return m_unit.Put(object, data);
    }
    sim::ResultReply QueryResult() override { return m_unit.QueryResult(); }
    // The last put, decompressed; empty when none came.
    std::string Received()
    {
        std::lock_guard lock(m_mutex);
        CGzlib zip;
        if (m_put.empty() || !zip.Decompress(m_put.data(), m_put.size())) return {};
        return std::string(reinterpret_cast<const char*>(zip.Decompressed()), zip.DecompressedLength());
    }

private:
    sim::SimUnit m_unit;
    std::mutex m_mutex;
    std::vector<uint8_t> m_put;
};

template <size_t N>
void Set(char (&field)[N], const char* text)
{
    std::strncpy(field, text, N - 1);
}

struct NetworkEditors : ::testing::Test {
    TestApp app;
    std::unique_ptr<SettingRecord> unitRecord = std::make_unique<SettingRecord>();
    std::unique_ptr<KeepingUnit> unit;
    std::unique_ptr<volmar::test::PtyUnit> pty;
    std::unique_ptr<SettingRecord> record = std::make_unique<SettingRecord>();

    NetworkEditors() { ResetSettingRecord(*unitRecord); }
    void StartUnit()
    {
        unit = std::make_unique<KeepingUnit>(*unitRecord);
        pty = std::make_unique<volmar::test::PtyUnit>(*unit);
        ASSERT_TRUE(pty->Running());
        app.link.kind = LinkKind::Usb;
        app.link.comDevice = pty->SlavePath();
        ResetSettingRecord(*record);
    }
    // Each key goes where the focus is, as from a keyboard.
    static void Type(QWidget* window, const char* keys)
    {
        for (const char* k = keys; *k; ++k) QTest::keyClick(window->focusWidget(), *k);
    }
    static void Activate(QWidget* window)
    {
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    }
    std::string Messages() const { return ::testing::PrintToString(app.ui.Texts()); }
};

TEST_F(NetworkEditors, AddressEditorTypedAndUploadedAsTheNetworkDocument)
{
    unitRecord->COM.TCP_IP.IP_ADDRESS.DHCP = 1;
    Set(unitRecord->COM.TCP_IP.IP_ADDRESS.DNS1, "8.8.8.8");
    StartUnit();
    AnswerModal<CDlgBaseIpAddress>([this](CDlgBaseIpAddress* editor) {
        // The downloaded setting: DHCP on, so the addresses wait.
        EXPECT_EQ(editor->modeCombo()->currentIndex(), 1);
        EXPECT_FALSE(editor->address(0)->isEnabled());
        EXPECT_EQ(editor->address(3)->Text(), "8.8.8.8");
        Activate(editor);
        editor->modeCombo()->setCurrentIndex(0);
        editor->address(0)->Part(0)->setFocus(Qt::TabFocusReason);
        Type(editor, "10.20.30.40");
        editor->address(2)->Part(0)->setFocus(Qt::TabFocusReason);
        Type(editor, "10.20.30.1");
        editor->address(3)->Clear();  // blank: stored as empty text
        QTest::keyClick(editor->focusWidget(), Qt::Key_Return);  // Enter does nothing
        EXPECT_TRUE(editor->isVisible());
        QTest::mouseClick(editor->uploadButton(), Qt::LeftButton);
        EXPECT_TRUE(editor->isVisible());  // stays open
        QTest::mouseClick(editor->backButton(), Qt::LeftButton);
    });
    MainWindowRoutes(app.ctx).openNetworkAddress(nullptr, *record);

    const std::string expected =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n\r\n<VOL_MAR>\r\n\r\n<COM>\r\n  <TCP_IP>\r\n"
        "    <IP_ADDRESS>\r\n      <DHCP>OFF</DHCP>\r\n      <MY>10.20.30.40</MY>\r\n"
        "      <SUBNETMASK>255.255.255.0</SUBNETMASK>\r\n      <DEFAULT_GATEWAY>10.20.30.1</DEFAULT_GATEWAY>\r\n"
        "      <DNS1></DNS1>\r\n      <DNS2></DNS2>\r\n    </IP_ADDRESS>\r\n  </TCP_IP>\r\n</COM>\r\n"
        "</VOL_MAR>\r\n\r\n";
    EXPECT_EQ(unit->Received(), expected) << Messages();
    EXPECT_EQ(app.ui.questions, std::vector<std::string>{kConfirmUpload});
    ASSERT_EQ(app.ui.transfers.size(), 2u);  // download, upload
    EXPECT_TRUE(app.ui.transfers[1].send);
    EXPECT_STREQ(record->COM.TCP_IP.IP_ADDRESS.DNS1, "");
}

TEST_F(NetworkEditors, AccessEditorTypedAndUploadedAsTheAccessDocument)
{
    StartUnit();
    AnswerModal<CDlgBaseQnset>([this](CDlgBaseQnset* editor) {
        Activate(editor);
        AccountGrid* accounts = editor->accounts();
        // The factory account 1 (kovan / kovan) is still enabled.
        EXPECT_EQ(accounts->Login(0)->text(), "kovan");
        editor->connectionCombo()->setCurrentIndex(1);
        editor->portEdit()->selectAll();
        editor->portEdit()->setFocus();
        Type(editor, "-x40000");  // only the digits get in
        EXPECT_EQ(editor->portEdit()->text(), "40000");
        accounts->Mode(2)->setCurrentIndex(1);
        accounts->Login(2)->setFocus();
        accounts->Login(2)->selectAll();
        Type(editor, "ops&co");
        accounts->Password(2)->setFocus();
        accounts->Password(2)->selectAll();
        Type(editor, "s3cret");
        QTest::mouseClick(editor->uploadButton(), Qt::LeftButton);
        QTest::mouseClick(editor->backButton(), Qt::LeftButton);
    });
    MainWindowRoutes(app.ctx).openNetworkAccess(nullptr, *record);

    std::string auth;
    for (int i = 0; i < 8; ++i) {
        // A new setting holds the factory login in every account.
        const bool first = i == 0, third = i == 2;
        auth += "  <AUTH" + std::to_string(i) + ">\r\n    <MODE>" + (first || third ? "USE" : "NOUSE") +
                "</MODE>\r\n    <LOGIN>" + (third ? "ops#Aco" : "kovan") + "</LOGIN>\r\n    <PASSWORD>" +
                (third ? "s3cret" : "kovan") + "</PASSWORD>\r\n  </AUTH" + std::to_string(i) + ">\r\n";
    }
    const std::string expected = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n\r\n<VOL_MAR>\r\n\r\n<VOLMAR>\r\n"
                                 "  <NET>USE</NET>\r\n  <PORT>40000</PORT>\r\n" +
                                 auth + "</VOLMAR>\r\n</VOL_MAR>\r\n\r\n";
    EXPECT_EQ(unit->Received(), expected) << Messages();
    // Account 1 still holds the factory login: the recommendation first.
    EXPECT_EQ(app.ui.questions, (std::vector<std::string>{kRecommend, kConfirmUpload}));
}

// Entry check, port, duplicates (enabled only, case counts), the
// recommendation, then the upload question; a failure keeps what was typed.
TEST_F(NetworkEditors, AccessEditorChecksInOrder)
{
    app.link.kind = LinkKind::Usb;
    app.link.comDevice = "/nonexistent/tty";
    ResetSettingRecord(*record);
    CDlgBaseQnset editor(*record, app.ctx);
    AccountGrid* accounts = editor.accounts();
    auto upload = [&] {
        app.ui.shown.clear();
        app.ui.questions.clear();
        editor.OnUpload();
        return app.ui.shown.empty() ? std::string() : app.ui.shown[0].text;
    };
    accounts->Mode(3)->setCurrentIndex(1);
    accounts->Login(3)->setText(QString(17, QChar('a')));
    editor.portEdit()->setText("70000");
    EXPECT_EQ(upload(), "Setting error: Login ID(ID4)");
    accounts->Login(3)->setText("kovan");
    accounts->Password(3)->setText(QString::fromUtf8("p\xC3\xA4ss"));
    EXPECT_EQ(upload(), "Setting error: Password(ID4)");
    accounts->Password(3)->setText("other");
    EXPECT_EQ(upload(), "Setting error: Port address");
    editor.portEdit()->setText("");
    EXPECT_EQ(upload(), "Setting error: Port address");
    editor.portEdit()->setText("65535");
    EXPECT_EQ(upload(), "Login ID: kovan duplicated");
    accounts->Login(3)->setText("Kovan");
    app.ui.confirmAnswers = {false};
    EXPECT_EQ(upload(), "");
    EXPECT_EQ(app.ui.questions, std::vector<std::string>{kRecommend});
    // A disabled factory account asks nothing; a disabled duplicate is fine.
    accounts->Mode(0)->setCurrentIndex(0);
    accounts->Login(3)->setText("kovan");
    app.ui.confirmAnswers = {false};
    EXPECT_EQ(upload(), "");
    EXPECT_EQ(app.ui.questions, std::vector<std::string>{kConfirmUpload});
    EXPECT_EQ(record->VOLMAR.PORT, 30321);  // nothing stored before OK

    // The connection switch refuses a change while the port is bad, and an
    // over-long ID elsewhere snaps a "Disable" back to "Enable".
    editor.connectionCombo()->setCurrentIndex(1);
    ASSERT_EQ(editor.connectionCombo()->currentIndex(), 1);
    editor.portEdit()->setText("99999");
    app.ui.shown.clear();
    editor.connectionCombo()->setCurrentIndex(0);
    EXPECT_EQ(editor.connectionCombo()->currentIndex(), 1);
    EXPECT_EQ(app.ui.Only().text, "Setting error: Port address");
    editor.portEdit()->setText("1");
    accounts->Login(3)->setText(QString(17, QChar('b')));
    accounts->Mode(5)->setCurrentIndex(1);
    accounts->Mode(5)->setCurrentIndex(0);
    EXPECT_EQ(accounts->Mode(5)->currentIndex(), 1);
}

TEST_F(NetworkEditors, NetworkLinkOnlyShows)
{
    app.link.kind = LinkKind::Network;
    ResetSettingRecord(*record);
    CDlgBaseIpAddress address(*record, app.ctx);
    EXPECT_FALSE(address.modeCombo()->isEnabled());
    EXPECT_FALSE(address.uploadButton()->isEnabled());
    EXPECT_FALSE(address.address(0)->isEnabled());
    CDlgBaseQnset access(*record, app.ctx);
    EXPECT_FALSE(access.connectionCombo()->isEnabled());
    EXPECT_FALSE(access.uploadButton()->isEnabled());
    EXPECT_FALSE(access.accounts()->Login(0)->isEnabled());
    EXPECT_EQ(access.accounts()->Login(0)->text(), "");  // the accounts are not shown
    EXPECT_TRUE(access.backButton()->isEnabled());
}

}  // namespace
}  // namespace volmar::gui::test
