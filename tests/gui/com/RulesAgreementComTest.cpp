// The communication, display and mail editors and the core's rules give the
// same verdict for the same input: each row acts on a dialog and presses OK,
// then puts the same value into the record and runs the whole-setting check.
#include <QComboBox>
#include <QLineEdit>
#include <cstring>
#include <functional>
#include <memory>
#include <string>

#include "../io/IoTestSupport.h"
#include "core/common/Profile.h"
#include "core/link/transfer/LinkState.h"
#include "core/rules/SettingRules.h"
#include "gui/common/AccountGrid.h"
#include "gui/common/AppContext.h"
#include "gui/editors/com/CDlgSetComFtpc.h"
#include "gui/editors/com/CDlgSetComFtps.h"
#include "gui/editors/com/CDlgSetComModbus.h"
#include "gui/editors/com/CDlgSetComSmtp.h"
#include "gui/editors/com/CDlgSetComSntp.h"
#include "gui/editors/com/CDlgSetComWeb.h"
#include "gui/editors/com/CDlgSetDispPageName.h"
#include "gui/editors/com/CDlgSetDispPenConf.h"
#include "gui/editors/com/CDlgSetRepAddrConf.h"
#include "gui/editors/com/CDlgSetRepEventItem.h"
#include "gui/editors/com/CDlgSetRepTimeSendConf.h"
#include "core/settings/Keywords.h"

namespace volmar::gui::test {
namespace {

using Open = std::function<std::unique_ptr<QDialog>(SettingRecord&)>;

struct Row {
    std::function<void(QDialog&)> type;         // what the user does before OK
    std::function<void(SettingRecord&)> value;  // the same input as a record value
    const char* path;                           // the core's path when refused
};

// Types text into the named edit.
std::function<void(QDialog&)> Type(const char* control, QString text)
{
    return [control, text](QDialog& d) { SetText(&d, control, text); };
}

void Copy(char* field, const std::string& text)
{
    std::strcpy(field, text.c_str());
}

class RulesAgreementComTest : public EditorTest {
protected:
    MemoryProfile profile;
    LinkState link;
    AppContext app{profile, link, ui, [] { return ComPortNames{}; }};

    void ExpectAgreement(const Open& open, const std::vector<Row>& rows)
    {
        for (const Row& row : rows) {
            auto shown = Snapshot();
            ui.shown.clear();
            {
                auto editor = open(*shown);
                row.type(*editor);
                PressOk(*editor);
            }
            const std::string gui = ui.shown.empty() ? std::string() : ui.shown.front().text;

            auto typed = Snapshot();
            row.value(*typed);
            const std::vector<RuleVerdict> verdicts = CheckSettingRules(*typed);
            const std::string core = verdicts.empty() ? std::string() : verdicts.front().message;
            EXPECT_EQ(gui, core) << row.path;
            EXPECT_EQ(verdicts.empty() ? std::string() : verdicts.front().path, row.path);
        }
    }
};

TEST_F(RulesAgreementComTest, WebServerAccounts)
{
    const Open web = [this](SettingRecord& r) { return std::make_unique<CDlgSetComWeb>(r, app); };
    ExpectAgreement(
        web,
        {
            {[](QDialog& d) { static_cast<CDlgSetComWeb&>(d).Accounts()->Login(2)->setText(QString(17, 'l')); },
             [](SettingRecord& r) { Copy(r.COM.WEB.AUTH[2].LOGIN, std::string(17, 'l')); }, "COM/WEB/AUTH2/LOGIN"},
            {[](QDialog& d) {
                 static_cast<CDlgSetComWeb&>(d).Accounts()->Password(0)->setText(QStringLiteral("p\u00e4ss"));
             },
             [](SettingRecord& r) { Copy(r.COM.WEB.AUTH[0].PASSWORD, "p\xC3\xA4ss"); }, "COM/WEB/AUTH0/PASSWORD"},
            // Account 2 enabled with the login account 1 has.
            {[](QDialog& d) { static_cast<CDlgSetComWeb&>(d).Accounts()->Mode(1)->setCurrentIndex(1); },
             [](SettingRecord& r) { r.COM.WEB.AUTH[1].MODE = kUse; }, "COM/WEB/AUTH1/LOGIN"},
            {[](QDialog& d) { static_cast<CDlgSetComWeb&>(d).Accounts()->Login(1)->setText(QStringLiteral("op")); },
             [](SettingRecord& r) { Copy(r.COM.WEB.AUTH[1].LOGIN, "op"); }, ""},
        });
}

TEST_F(RulesAgreementComTest, FtpServerAndClient)
{
    record->COM.FTP.MODE = kUse;
    record->COM.FTPC.MODE = kUse;
    const Open server = [this](SettingRecord& r) { return std::make_unique<CDlgSetComFtps>(r, app); };
    const auto edit = [](int n) {
        return [n](QDialog& d) { d.findChildren<QLineEdit*>().at(n)->setText(QString(17, 'i')); };
    };
    ExpectAgreement(
        server,
        {
            {edit(0), [](SettingRecord& r) { Copy(r.COM.FTP.ID, std::string(17, 'i')); }, "COM/FTP/ID"},
            {edit(1), [](SettingRecord& r) { Copy(r.COM.FTP.PASSWORD, std::string(17, 'i')); }, "COM/FTP/PASSWORD"},
        });
    const Open client = [this](SettingRecord& r) { return std::make_unique<CDlgSetComFtpc>(r, ui); };
    ExpectAgreement(
        client,
        {
            {Type("server", QStringLiteral("f\u00fcp")),
             [](SettingRecord& r) { Copy(r.COM.FTPC.FTP_SERVER, "f\xC3\xBCp"); }, "COM/FTPC/FTP_SERVER"},
            {Type("password", QString(65, 'p')),
             [](SettingRecord& r) { Copy(r.COM.FTPC.FTP_PASSWORD, std::string(65, 'p')); }, "COM/FTPC/FTP_PASSWORD"},
            {Type("subfolder", QString(64, QChar(0xE4))),
             [](SettingRecord& r) {
                 std::string s;
                 for (int i = 0; i < 64; ++i) s += "\xC3\xA4";
                 Copy(r.COM.FTPC.FTP_SUBFOLDER, s);
             },
             ""},
            {Type("subfolder", QString(65, 's')),
             [](SettingRecord& r) { Copy(r.COM.FTPC.FTP_SUBFOLDER, std::string(65, 's')); }, "COM/FTPC/FTP_SUBFOLDER"},
        });
}

TEST_F(RulesAgreementComTest, SntpModbusAndSmtp)
{
    ExpectAgreement([this](SettingRecord& r) { return std::make_unique<CDlgSetComSntp>(r, ui); },
                    {{Type("server", QString(65, 's')),
                      [](SettingRecord& r) { Copy(r.COM.SNTP.SERVER, std::string(65, 's')); }, "COM/SNTP/SERVER"}});
    ExpectAgreement([this](SettingRecord& r) { return std::make_unique<CDlgSetComModbus>(r, ui); },
                    {
                        {Type("linger", "3001"), [](SettingRecord& r) { r.COM.MODBUS_TCP.RINGER_TIME = 3001; },
                         "COM/MODBUS_TCP/RINGER_TIME"},
                        {Type("linger", "-1"), [](SettingRecord& r) { r.COM.MODBUS_TCP.RINGER_TIME = -1; },
                         "COM/MODBUS_TCP/RINGER_TIME"},
                        {Type("linger", "3000"), [](SettingRecord& r) { r.COM.MODBUS_TCP.RINGER_TIME = 3000; }, ""},
                    });
    ExpectAgreement(
        [this](SettingRecord& r) { return std::make_unique<CDlgSetComSmtp>(r, ui); },
        {
            {Type("pop3Password", QStringLiteral("\u00df")),
             [](SettingRecord& r) { Copy(r.COM.SMTP_POP3.POP_BEFORE_SMTP_AUTH.PASSWORD, "\xC3\x9F"); },
             "COM/SMTP_POP3/POP_BEFORE_SMTP_AUTH/PASSWORD"},
            {Type("sender", QString(65, 'n')),
             [](SettingRecord& r) { Copy(r.COM.SMTP_POP3.NAME, std::string(65, 'n')); }, "COM/SMTP_POP3/NAME"},
            {Type("smtpPort", "65536"), [](SettingRecord& r) { r.COM.SMTP_POP3.SMTP_PORT = 65536; },
             "COM/SMTP_POP3/SMTP_PORT"},
            {Type("pop3Port", "65535"), [](SettingRecord& r) { r.COM.SMTP_POP3.POP3_PORT = 65535; }, ""},
        });
}

TEST_F(RulesAgreementComTest, PageNamesAndPenLimitsPerScale)
{
    ExpectAgreement([this](SettingRecord& r) { return std::make_unique<CDlgSetDispPageName>(r, ui); },
                    {{Type("page3", QString(65, 'p')),
                      [](SettingRecord& r) { Copy(r.DISP.PAGE[2], std::string(65, 'p')); }, "DISP/NAME/PAGE3"}});
    // Pen 1 draws AI1 on a log scale, pen 2 draws AI2 on a linear one.
    record->IO.AI[0].TYPE = record->IO.AI[1].TYPE = 3;
    record->DISP.PEN_CONF[0].TYPE = record->DISP.PEN_CONF[1].TYPE = kPenAi;
    record->DISP.PEN_CONF[0].CH = 1;
    record->DISP.PEN_CONF[1].CH = 2;
    record->DISP.PEN_LOG[0] = kUse;
    record->DISP.PEN_DRAW[0].LOW = -2;
    record->DISP.PEN_DRAW[0].HIGH = 2;
    const auto pen = [this](int n) {
        return [this, n](SettingRecord& r) { return std::make_unique<CDlgSetDispPenConf>(r, n, ui); };
    };
    ExpectAgreement(
        pen(0),
        {
            {Type("lower", "-11"), [](SettingRecord& r) { r.DISP.PEN_DRAW[0].LOW = -11; }, "DISP/PEN_DRAW1/LOW"},
            {Type("upper", "11"), [](SettingRecord& r) { r.DISP.PEN_DRAW[0].HIGH = 11; }, "DISP/PEN_DRAW1/HIGH"},
            {Type("upper", "10"), [](SettingRecord& r) { r.DISP.PEN_DRAW[0].HIGH = 10; }, ""},
            {Type("lower", "2"), [](SettingRecord& r) { r.DISP.PEN_DRAW[0].LOW = 2; }, "DISP/PEN_DRAW1/LOW"},
        });
    ExpectAgreement(
        pen(1), {
                    {Type("lower", "11"), [](SettingRecord& r) { r.DISP.PEN_DRAW[1].LOW = 11; }, ""},
                    {Type("upper", "20000000000"), [](SettingRecord& r) { r.DISP.PEN_DRAW[1].HIGH = 2e10; },
                     "DISP/PEN_DRAW2/HIGH"},
                    {Type("upper", "0"), [](SettingRecord& r) { r.DISP.PEN_DRAW[1].HIGH = 0; }, "DISP/PEN_DRAW2/LOW"},
                });
}

TEST_F(RulesAgreementComTest, MailAddressesReportsAndSendingHours)
{
    const auto entry = [this](SettingRecord& r) {
        return std::make_unique<CDlgSetRepAddrConf>(0, QString::fromUtf8(r.COM.SMTP_POP3.MAIL_NAME[0]),
                                                    QString::fromUtf8(r.COM.SMTP_POP3.MAIL_ADDRESS[0]), ui);
    };
    // The entry dialog returns its texts: the row writes them where the list would.
    const auto named = [](const char* text) {
        return [text](SettingRecord& r) { Copy(r.COM.SMTP_POP3.MAIL_NAME[0], text); };
    };
    ExpectAgreement(
        entry, {
                   {Type("name", QStringLiteral("\"Ops\"")), named("\"Ops\""), "COM/SMTP_POP3/MAIL_NAME1"},
                   {Type("name", QString(65, 'n')), named(std::string(65, 'n').c_str()), "COM/SMTP_POP3/MAIL_NAME1"},
                   {Type("address", QString(65, 'a')),
                    [](SettingRecord& r) { Copy(r.COM.SMTP_POP3.MAIL_ADDRESS[0], std::string(65, 'a')); },
                    "COM/SMTP_POP3/MAIL_ADDRESS1"},
               });

    record->MAIL_REPORT.EVENT[4].MODE = kUse;
    ExpectAgreement([this](SettingRecord& r) { return std::make_unique<CDlgSetRepEventItem>(r, 4, ui); },
                    {
                        {Type("subject", QString(33, 's')),
                         [](SettingRecord& r) { Copy(r.MAIL_REPORT.EVENT[4].TITLE, std::string(33, 's')); },
                         "MAIL_REPORT/EVENT5/TITLE"},
                        {Type("subject", QString(32, 's')),
                         [](SettingRecord& r) { Copy(r.MAIL_REPORT.EVENT[4].TITLE, std::string(32, 's')); }, ""},
                    });

    record->MAIL_REPORT.TIME.REPORT_TIME[7].MODE = kUse;
    const auto hour = [this](SettingRecord& r) {
        return std::make_unique<CDlgSetRepTimeSendConf>(7, r.MAIL_REPORT.TIME.REPORT_TIME[7], ui);
    };
    ExpectAgreement(
        hour, {
                  {Type("minute", "60"), [](SettingRecord& r) { r.MAIL_REPORT.TIME.REPORT_TIME[7].OFFSET_MIN = 60; },
                   "MAIL_REPORT/TIME/REPORT_TIME7/OFFSET_MIN"},
                  {Type("second", "60"), [](SettingRecord& r) { r.MAIL_REPORT.TIME.REPORT_TIME[7].OFFSET_SEC = 60; },
                   "MAIL_REPORT/TIME/REPORT_TIME7/OFFSET_SEC"},
              });
}

}  // namespace
}  // namespace volmar::gui::test
