// The communication menu and its editors: when each editor checks, the
// order and texts of its messages, guarded modes, and ports and selections
// that must not be wrapped or lost.
#include <QCheckBox>

#include "../io/IoTestSupport.h"
#include "gui/common/AppContext.h"
#include "core/common/Profile.h"
#include "gui/editors/com/CDlgSetCom.h"
#include "gui/editors/com/CDlgSetComFtpc.h"
#include "gui/editors/com/CDlgSetComModbus.h"
#include "gui/editors/com/CDlgSetComSmtp.h"
#include "gui/editors/com/CDlgSetComSntp.h"
#include "core/link/transfer/LinkState.h"

namespace volmar::gui::test {
namespace {

class ComEditorTest : public EditorTest {};

TEST_F(ComEditorTest, MenuOpensEachServiceEditor)
{
    MemoryProfile profile;
    LinkState link;
    AppContext app{profile, link, ui, [] { return ComPortNames{}; }};
    CDlgSetCom menu(*record, app);
    menu.show();
    const char* buttons[] = {"web", "ftpServer", "ftpClient", "sntp", "modbus", "smtp"};
    const char* titles[] = {"Web server", "FTP server", "FTP client", "SNTP", "Modbus/TCP slave", "SMTP/POP3"};
    for (int i = 0; i < 6; ++i) {
        QString seen;
        WhenModal(
            [&seen](QWidget* modal) {
                seen = modal->windowTitle();
                qobject_cast<QDialog*>(modal)->reject();
            },
            &menu);
        Find<QPushButton>(&menu, buttons[i])->click();
        EXPECT_EQ(seen, QString::fromUtf8(titles[i]));
    }
}

TEST_F(ComEditorTest, FtpClientChecksOnlyWhileEnabledAndKeepsAnUncheckedPort)
{
    record->COM.FTPC.MODE = 1;
    record->COM.FTPC.PORT = 21;
    const QString long65(65, QLatin1Char('a'));
    {
        CDlgSetComFtpc dialog(*record, ui);
        const std::pair<const char*, const char*> order[] = {
            {"port", "Setting error: Port address"},
            {"server", "Setting error: FTP server address"},
            {"login", "Setting error: FTP log in ID"},
            {"password", "Setting error: FTP password"},
            {"subfolder", "Setting error: FTP subfolder"},
        };
        for (const auto& [field, message] : order) SetText(&dialog, field, field == std::string("port") ? "70000" : long65);
        for (const auto& [field, message] : order) {
            EXPECT_FALSE(PressOk(dialog));
            EXPECT_EQ(LastMessage(), message);
            SetText(&dialog, field, field == std::string("port") ? "2121" : "x");
        }
        // A bad field blocks switching the client off; the mode stays.
        SetText(&dialog, "server", QString(1, QChar(129)));
        Pick(&dialog, "mode", 0);
        EXPECT_EQ(Picked(&dialog, "mode"), 1);
        EXPECT_EQ(LastMessage(), "Setting error: FTP server address");
        EXPECT_TRUE(Find<QLineEdit>(&dialog, "server")->isEnabled());
    }
    // Disabled: anything goes, and a port too big to hold is not wrapped.
    record->COM.FTPC.MODE = 0;
    ui.shown.clear();
    CDlgSetComFtpc dialog(*record, ui);
    EXPECT_FALSE(Find<QLineEdit>(&dialog, "port")->isEnabled());
    SetText(&dialog, "port", "18446744073709551617");
    SetText(&dialog, "subfolder", long65);
    Find<QCheckBox>(&dialog, "ignore")->setChecked(true);
    ASSERT_TRUE(PressOk(dialog));
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_EQ(record->COM.FTPC.PORT, 21);
    EXPECT_EQ(record->COM.FTPC.PASV_ADDR, 1);
    EXPECT_EQ(record->COM.FTPC.MODE, 0);
}

TEST_F(ComEditorTest, ModbusLingerAndPortLimits)
{
    struct Case {
        const char* port;
        const char* linger;
        const char* error;
    };
    const Case cases[] = {
        {"", "3000", nullptr},
        {"502", "0", nullptr},
        {"502", "3001", "Setting error: Linger time."},
        {"502", "", "Setting error: Linger time."},
        {"502", "99999999999999999999", "Setting error: Linger time."},
        {"65536", "10", "Setting error: Port address"},
        {"4294967298", "10", "Setting error: Port address"},  // would wrap to 2
    };
    record->COM.MODBUS_TCP.MODE = 0;  // checked whatever the mode
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.port) + " / " + c.linger);
        ui.shown.clear();
        const auto before = Snapshot();
        CDlgSetComModbus dialog(*record, ui);
        SetText(&dialog, "port", c.port);
        SetText(&dialog, "linger", c.linger);
        const bool closed = PressOk(dialog);
        if (c.error) {
            EXPECT_FALSE(closed);
            EXPECT_EQ(ui.Only().text, c.error);
            EXPECT_TRUE(Unchanged(*before));
        } else {
            EXPECT_TRUE(closed);
            EXPECT_EQ(record->COM.MODBUS_TCP.PORT, QString::fromUtf8(c.port).toInt());
            EXPECT_EQ(record->COM.MODBUS_TCP.RINGER_TIME, QString::fromUtf8(c.linger).toInt());
        }
    }
}

// OK checks the server whatever the mode; enabling is never refused over
// the disabled server, which it makes editable, and disabling checks it.
TEST_F(ComEditorTest, SntpServerIsCheckedWhateverTheMode)
{
    record->COM.SNTP.MODE = 0;
    CDlgSetComSntp dialog(*record, ui);
    EXPECT_FALSE(Find<QLineEdit>(&dialog, "server")->isEnabled());
    SetText(&dialog, "server", QString(65, QLatin1Char('n')));
    EXPECT_FALSE(PressOk(dialog));
    Pick(&dialog, "mode", 1);
    ASSERT_EQ(Picked(&dialog, "mode"), 1);
    Pick(&dialog, "mode", 0);
    EXPECT_EQ(Picked(&dialog, "mode"), 1);
    EXPECT_EQ(Messages(), (std::vector<std::string>{"Setting error: Server", "Setting error: Server"}));
    SetText(&dialog, "server", QString(64, QChar(0x6642)));
    ASSERT_TRUE(PressOk(dialog));
    EXPECT_EQ(record->COM.SNTP.MODE, 1);
    EXPECT_EQ(QString::fromUtf8(record->COM.SNTP.SERVER), QString(64, QChar(0x6642)));
}

TEST_F(ComEditorTest, SmtpChecksInOrderAndKeepsWhatTheListsDoNotOffer)
{
    record->COM.SMTP_POP3.SMTP_AUTH.MODE = 3;
    record->COM.SMTP_POP3.SMTP_OVER_SSL = 0;
    record->COM.SMTP_POP3.CHAR = 5;  // a code this list does not offer
    CDlgSetComSmtp dialog(*record, ui);
    EXPECT_FALSE(Find<QComboBox>(&dialog, "startTls")->isEnabled());
    Pick(&dialog, "smtpSsl", 1);
    EXPECT_TRUE(Find<QComboBox>(&dialog, "startTls")->isEnabled());

    // Switching authentication off with a 65-character ID is refused.
    SetText(&dialog, "smtpId", QString(65, QLatin1Char('i')));
    Pick(&dialog, "smtpAuth", 0);
    EXPECT_EQ(Picked(&dialog, "smtpAuth"), 3);
    EXPECT_EQ(LastMessage(), "Setting error: SMTP ID.");
    SetText(&dialog, "smtpId", QString(64, QChar(127)));  // code 127, the last ASCII code, passes

    const std::pair<const char*, const char*> order[] = {
        {"smtpPassword", "Setting error: SMTP password."},
        {"pop3Id", "Setting error: POP before SMTP, POP3 ID."},
        {"pop3Password", "Setting error: POP before SMTP, POP3 password."},
        {"myAddress", "Setting error: QN70G e-mail address"},
        {"smtpServer", "Setting error: IP address of SMTP server."},
        {"pop3Server", "Setting error: IP address of POP3 server."},
        {"account", "Setting error: QN70G e-mail acount"},
        {"sender", "Setting error: Sender's name"},
        {"smtpPort", "Setting error: SMTP port address"},
        {"pop3Port", "Setting error: POP3 port address"},
    };
    for (const auto& [field, message] : order) {
        const bool port = std::string(field).find("Port") != std::string::npos;
        SetText(&dialog, field, port ? QStringLiteral("65536") : QString(65, QLatin1Char('x')));
    }
    SetText(&dialog, "smtpPassword", QString(1, QChar(128)));  // code 128 fails
    for (const auto& [field, message] : order) {
        EXPECT_FALSE(PressOk(dialog));
        EXPECT_EQ(LastMessage(), message);
        SetText(&dialog, field, std::string(field).find("Port") != std::string::npos ? "25" : field);
    }
    ASSERT_TRUE(PressOk(dialog));
    const SmtpPop3Block& s = record->COM.SMTP_POP3;
    EXPECT_EQ(s.CHAR, 5);
    EXPECT_EQ(s.SMTP_OVER_SSL, 1);
    EXPECT_STREQ(s.POP_BEFORE_SMTP_AUTH.ID, "pop3Id");
    EXPECT_STREQ(s.POP3_SERVER, "pop3Server");
    EXPECT_STREQ(s.ACCOUNT, "account");
    EXPECT_STREQ(s.NAME, "sender");
    EXPECT_EQ(s.SMTP_PORT, 25);
}

}  // namespace
}  // namespace volmar::gui::test
