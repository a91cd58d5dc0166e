// The ID/password guidance before an upload: which credentials count as
// defaults, the "ID/password" dialog, and the refusals of the web and FTP
// server editors it opens.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cstring>
#include <memory>
#include <string>

#include "HubTestSupport.h"
#include "RecordFactory.h"
#include "gui/common/AccountGrid.h"
#include "gui/editors/com/CDlgSetComFtps.h"
#include "gui/editors/com/CDlgSetComWeb.h"
#include "gui/maintenance/CDlgSetIdPwd.h"

namespace volmar::gui {
namespace {

constexpr const char* kNotChanged = "ID/password(s) have not been changed/applied.";

template <size_t N>
void Set(char (&field)[N], const char* text)
{
    StoreText(field, N, text, std::strlen(text));
}

bool Same(const SettingRecord& a, const SettingRecord& b)
{
    return std::memcmp(&a, &b, sizeof(SettingRecord)) == 0;
}

class Credentials : public ::testing::Test {
protected:
    // A record whose credentials are all personal.
    Credentials()
    {
        Account& first = m_record->COM.WEB.AUTH[0];
        Set(first.LOGIN, "ops");
        Set(first.PASSWORD, "s3cret");
    }
    Account& Web(int i) { return m_record->COM.WEB.AUTH[i]; }
    FtpBlock& Ftp() { return m_record->COM.FTP; }
    unsigned Flags() const { return DefaultCredentialFlags(*m_record); }

    test::TestContext m_ctx;
    std::unique_ptr<SettingRecord> m_record = testing::MakeDefaultRecord();
};

TEST_F(Credentials, NewSettingHasTheWebDefaultsOnly)
{
    EXPECT_EQ(DefaultCredentialFlags(*testing::MakeDefaultRecord()), unsigned{kWebCredentialsDefault});
    EXPECT_EQ(Flags(), 0u);
}

TEST_F(Credentials, WebAccountsCountOnlyWhileEnabled)
{
    Web(5).MODE = 0;  // a disabled account keeps kovan / kovan
    Set(Web(5).LOGIN, "kovan");
    Set(Web(5).PASSWORD, "kovan");
    EXPECT_EQ(Flags(), 0u);
    Web(5).MODE = 1;
    EXPECT_EQ(Flags(), unsigned{kWebCredentialsDefault});

    Set(Web(5).PASSWORD, "other");  // the default ID alone is not a default login
    EXPECT_EQ(Flags(), 0u);
    for (const char* pw : {"Kovan", "kovan1"}) {
        Set(Web(5).PASSWORD, pw);
        Set(Web(5).LOGIN, pw);
        EXPECT_EQ(Flags(), 0u) << pw;
    }
    Set(Web(5).PASSWORD, "");
    EXPECT_EQ(Flags(), unsigned{kWebCredentialsDefault});
    Set(Web(5).PASSWORD, "x");
    Set(Web(5).LOGIN, "");
    EXPECT_EQ(Flags(), unsigned{kWebCredentialsDefault});
}

TEST_F(Credentials, FtpServerCountsOnlyWhileEnabled)
{
    EXPECT_EQ(Flags(), 0u);  // disabled with QN70G / KD57T
    Ftp().MODE = 1;
    EXPECT_EQ(Flags(), unsigned{kFtpCredentialsDefault});
    Set(Ftp().PASSWORD, "kd57t");
    EXPECT_EQ(Flags(), 0u);
    Set(Ftp().PASSWORD, "");
    EXPECT_EQ(Flags(), unsigned{kFtpCredentialsDefault});
    Web(0).MODE = 1;
    Set(Web(0).LOGIN, "");
    EXPECT_EQ(Flags(), unsigned{kWebCredentialsDefault | kFtpCredentialsDefault});
}

TEST_F(Credentials, DialogShowsTheFlaggedServersInOrder)
{
    CDlgSetIdPwd ftpOnly(*m_record, kFtpCredentialsDefault, m_ctx.app);
    ftpOnly.show();
    EXPECT_EQ(ftpOnly.ServerButton(0)->text(), "FTP server");
    EXPECT_TRUE(ftpOnly.ServerButton(0)->isVisible());
    EXPECT_FALSE(ftpOnly.ServerButton(1)->isVisible());

    CDlgSetIdPwd both(*m_record, kWebCredentialsDefault | kFtpCredentialsDefault, m_ctx.app);
    both.show();
    EXPECT_EQ(both.ServerButton(0)->text(), "WEB server");
    EXPECT_EQ(both.ServerButton(1)->text(), "FTP server");
    EXPECT_TRUE(both.ServerButton(1)->isVisible());
}

// OK, Enter and Escape look at the record again; only "Cancel" abandons.
TEST_F(Credentials, DialogConfirmsWhileDefaultsRemain)
{
    Ftp().MODE = 1;
    CDlgSetIdPwd dialog(*m_record, Flags(), m_ctx.app);
    dialog.show();
    m_ctx.ui.confirmAnswers = {false, false};
    dialog.OnOk();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(m_ctx.ui.questions, (std::vector<std::string>{kNotChanged, kNotChanged}));
    EXPECT_TRUE(dialog.isVisible());
    QTest::keyClick(dialog.ServerButton(0), Qt::Key_Return);  // answered OK: go on with the defaults
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);

    CDlgSetIdPwd cancelled(*m_record, Flags(), m_ctx.app);
    cancelled.show();
    for (QPushButton* b : cancelled.findChildren<QPushButton*>())
        if (b->text() == "Cancel") QTest::mouseClick(b, Qt::LeftButton);
    EXPECT_EQ(cancelled.result(), QDialog::Rejected);
    EXPECT_EQ(m_ctx.ui.questions.size(), 3u);
}

// The whole check: the recommendation, the dialog, the FTP editor fixing
// the login, and OK that now asks nothing.
TEST_F(Credentials, FixingTheLoginInTheEditorLetsTheUploadGoOn)
{
    EXPECT_TRUE(CheckCredentialsBeforeUpload(*m_record, m_ctx.app, nullptr));
    EXPECT_TRUE(m_ctx.ui.shown.empty());

    Ftp().MODE = 1;
    auto drove = test::OnNextModal<CDlgSetIdPwd>([](CDlgSetIdPwd* dialog) {
        test::OnNextModal<CDlgSetComFtps>([](CDlgSetComFtps* ftp) {
            ftp->PasswordEdit()->setText("n3w-pass");
            QTest::keyClick(ftp->IdEdit(), Qt::Key_Return);
        });
        QTest::mouseClick(dialog->ServerButton(0), Qt::LeftButton);
        dialog->OnOk();
    });
    EXPECT_TRUE(CheckCredentialsBeforeUpload(*m_record, m_ctx.app, nullptr));
    EXPECT_TRUE(*drove);
    ASSERT_EQ(m_ctx.ui.shown.size(), 1u);
    EXPECT_EQ(m_ctx.ui.shown[0].text,
              "ID/password(s) have not been changed/applied.\nPersonalized setting is recommended.\n"
              "Continue to set ID/password.");
    EXPECT_EQ(m_ctx.ui.shown[0].icon, MessageIcon::Warning);
    EXPECT_TRUE(m_ctx.ui.questions.empty());
    EXPECT_STREQ(Ftp().PASSWORD, "n3w-pass");
}

class WebEditor : public Credentials {
protected:
    WebEditor() { m_dialog.show(); }
    AccountGrid* Grid() { return m_dialog.Accounts(); }
    // OK with the typed values; the refusal shown, or "" when it closed.
    std::string Ok()
    {
        m_ctx.ui.shown.clear();
        m_dialog.OnOk();
        if (m_ctx.ui.shown.empty()) return m_dialog.isVisible() ? "<open without message>" : "";
        EXPECT_EQ(m_ctx.ui.shown.back().icon, MessageIcon::Error);
        EXPECT_TRUE(m_dialog.isVisible());
        return m_ctx.ui.shown.back().text;
    }

    CDlgSetComWeb m_dialog{*m_record, m_ctx.app};
};

TEST_F(WebEditor, DuplicatedLoginIdsAmongEnabledAccounts)
{
    Grid()->Mode(3)->setCurrentIndex(1);
    Grid()->Login(3)->setText("ops");
    Grid()->Password(3)->setText("pw");
    EXPECT_EQ(Ok(), "Login ID: ops duplicated");
    Grid()->Login(3)->setText("Ops");
    EXPECT_EQ(Ok(), "");
    EXPECT_STREQ(Web(3).LOGIN, "Ops");
    EXPECT_EQ(Web(3).MODE, 1);
}

TEST_F(WebEditor, DisabledAccountsAreStillCheckedAndChecksRunInOrder)
{
    Grid()->Login(2)->setText(QString(17, 'a'));  // ID3 is disabled
    Grid()->Password(1)->setText(QString::fromUtf16(u"\u0080"));  // code 128 is no ASCII
    m_dialog.PortEdit()->setText("65536");
    EXPECT_EQ(Ok(), "Setting error: Password(ID2)");
    Grid()->Password(1)->setText(QString::fromUtf16(u"\u007F"));  // code 127 passes
    EXPECT_EQ(Ok(), "Setting error: Login ID(ID3)");
    Grid()->Login(2)->setText(QString(16, 'a'));
    EXPECT_EQ(Ok(), "Setting error: Port address");
    m_dialog.PortEdit()->setText("");
    EXPECT_EQ(Ok(), "");
    EXPECT_EQ(m_record->COM.WEB.PORT, 0);
    EXPECT_STREQ(Web(1).PASSWORD, "\x7F");
}

TEST_F(WebEditor, SwitchingAnAccountOffIsRefusedWhileAnyTextFails)
{
    EXPECT_TRUE(Grid()->Login(0)->isEnabled());
    EXPECT_FALSE(Grid()->Login(4)->isEnabled());
    Grid()->Mode(4)->setCurrentIndex(1);
    EXPECT_TRUE(Grid()->Password(4)->isEnabled());
    Grid()->Login(6)->setText(QString(20, 'x'));
    Grid()->Mode(0)->setCurrentIndex(0);
    EXPECT_EQ(m_ctx.ui.Only().text, "Setting error: Login ID(ID7)");
    EXPECT_EQ(Grid()->Mode(0)->currentIndex(), 1);
    EXPECT_TRUE(Grid()->Login(0)->isEnabled());
    Grid()->Login(6)->setText("ok");
    Grid()->Mode(0)->setCurrentIndex(0);
    EXPECT_FALSE(Grid()->Login(0)->isEnabled());
}

TEST_F(WebEditor, CancelLeavesTheRecordUntouched)
{
    const auto before = std::make_unique<SettingRecord>(*m_record);
    m_dialog.PortEdit()->setText("8080");
    Grid()->Mode(7)->setCurrentIndex(1);
    Grid()->Login(0)->setText("changed");
    QTest::keyClick(Grid()->Login(0), Qt::Key_Escape);
    EXPECT_FALSE(m_dialog.isVisible());
    EXPECT_TRUE(Same(*m_record, *before));
}

TEST_F(WebEditor, EnterInAnyFieldStoresTheAccounts)
{
    Grid()->Password(0)->setText("pass-1");
    Grid()->Mode(0)->setFocus();
    QTest::keyClick(Grid()->Mode(0), Qt::Key_Return);
    EXPECT_TRUE(m_ctx.ui.shown.empty());
    EXPECT_FALSE(m_dialog.isVisible());
    EXPECT_STREQ(Web(0).PASSWORD, "pass-1");
}

class FtpEditor : public Credentials {
protected:
    FtpEditor() { m_dialog.show(); }
    CDlgSetComFtps m_dialog{*m_record, m_ctx.app};
};

TEST_F(FtpEditor, DisabledServerTakesAnyFields)
{
    EXPECT_FALSE(m_dialog.IdEdit()->isEnabled());
    m_dialog.IdEdit()->setText(QString(30, 'x'));
    m_dialog.PortEdit()->setText("99999999999999999999999");
    m_dialog.OnOk();
    EXPECT_TRUE(m_ctx.ui.shown.empty());
    EXPECT_FALSE(m_dialog.isVisible());
    EXPECT_EQ(std::string(Ftp().ID), std::string(30, 'x'));
    EXPECT_EQ(Ftp().PORT, 21) << "an out-of-range port must not wrap";
}

TEST_F(FtpEditor, EnabledServerChecksLoginPasswordAndPort)
{
    m_dialog.ModeCombo()->setCurrentIndex(1);
    EXPECT_TRUE(m_dialog.IdEdit()->isEnabled());
    const auto before = std::make_unique<SettingRecord>(*m_record);
    struct Case {
        QString id, password, port;
        const char* refusal;
    };
    for (const Case& c : {Case{QString(17, 'i'), "p", "21", "Setting error: Login"},
                          Case{"i", QString::fromUtf16(u"\u00ff"), "21", "Setting error: Password"},
                          Case{"i", "p", "65536", "Setting error: Port address"}}) {
        m_ctx.ui.shown.clear();
        m_dialog.IdEdit()->setText(c.id);
        m_dialog.PasswordEdit()->setText(c.password);
        m_dialog.PortEdit()->setText(c.port);
        QTest::keyClick(m_dialog.PortEdit(), Qt::Key_Enter);
        EXPECT_EQ(m_ctx.ui.Only().text, c.refusal);
        EXPECT_TRUE(m_dialog.isVisible());
    }
    EXPECT_TRUE(Same(*m_record, *before));
}

TEST_F(FtpEditor, SwitchingOffIsRefusedWhileAFieldFails)
{
    m_dialog.ModeCombo()->setCurrentIndex(1);
    m_dialog.PortEdit()->setText("70000");
    m_dialog.ModeCombo()->setCurrentIndex(0);
    EXPECT_EQ(m_ctx.ui.Only().text, "Setting error: Port address");
    EXPECT_EQ(m_dialog.ModeCombo()->currentIndex(), 1);
    m_dialog.PortEdit()->setText("2121");
    m_dialog.ModeCombo()->setCurrentIndex(0);
    EXPECT_EQ(m_dialog.ModeCombo()->currentIndex(), 0);
    EXPECT_FALSE(m_dialog.PortEdit()->isEnabled());
    m_dialog.reject();
    EXPECT_EQ(Ftp().MODE, 0);
    EXPECT_EQ(Ftp().PORT, 21);
}

}  // namespace
}  // namespace volmar::gui
