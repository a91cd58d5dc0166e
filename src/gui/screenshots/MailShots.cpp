// The e-mail report windows for `volmar --screenshots`, shown on a sample
// setting with address-book entries, enabled events and channels in use.
#include <cstring>
#include <memory>

#include "gui/common/AppContext.h"
#include "gui/screenshots/ScreenshotParts.h"
#include "gui/editors/com/CDlgSetRep.h"
#include "gui/editors/com/CDlgSetRepAddr.h"
#include "gui/editors/com/CDlgSetRepAddrConf.h"
#include "gui/editors/com/CDlgSetRepCh.h"
#include "gui/editors/com/CDlgSetRepChConf.h"
#include "gui/editors/com/CDlgSetRepChConfDo.h"
#include "gui/editors/com/CDlgSetRepDst.h"
#include "gui/editors/com/CDlgSetRepDstConf.h"
#include "gui/editors/com/CDlgSetRepErrorDo.h"
#include "gui/editors/com/CDlgSetRepEvent.h"
#include "gui/editors/com/CDlgSetRepEventItem.h"
#include "gui/editors/com/CDlgSetRepTimeItem.h"
#include "gui/editors/com/CDlgSetRepTimeSend.h"
#include "gui/editors/com/CDlgSetRepTimeSendConf.h"
#include "gui/editors/com/CDlgSetRepTimeWday.h"

namespace volmar::gui::shots {
namespace {

SettingRecord& Sample(const SettingRecord& fresh)
{
    static SettingRecord record;
    record = fresh;
    SmtpPop3Block& book = record.COM.SMTP_POP3;
    std::strcpy(book.MAIL_NAME[0], "Control room");
    std::strcpy(book.MAIL_ADDRESS[0], "control@example.org");
    std::strcpy(book.MAIL_NAME[1], "Service");
    std::strcpy(book.MAIL_ADDRESS[1], "service@example.org");
    for (int i = 0; i < 4; ++i) {
        record.IO.AI[i].TYPE = 1;
        record.IO.DO[i].TYPE = 1;
    }
    std::strcpy(record.IO.DO[0].NAME, "Horn");
    MailReport& event = record.MAIL_REPORT.EVENT[0];
    event.MODE = kUse;
    std::strcpy(event.TITLE, "Tank level high");
    std::strcpy(event.MESSAGE, "The tank level passed its upper limit.\r\nPlease check the inflow.");
    event.DST[0] = 1;
    event.DST[1] = 2;
    event.AI1 = 0x3u;
    event.DO_ON1 = 0x1u;
    event.DO_OFF1 = 0x2u;
    record.MAIL_REPORT.EVENT[1].MODE = kUse;
    record.MAIL_REPORT.TIME.REPORT.MODE = kUse;
    record.MAIL_REPORT.TIME.REPORT_TIME[8] = {kUse, 30, 0};
    record.MAIL_REPORT.ERROR = 1;
    return record;
}

template <typename W>
std::unique_ptr<QWidget> Shot(std::unique_ptr<W> w)
{
    return w;
}

CDlgSetRepDst::Kinds SampleKinds(const SettingRecord& record)
{
    CDlgSetRepDst::Kinds kinds;
    std::copy(std::begin(record.MAIL_REPORT.EVENT[0].DST), std::end(record.MAIL_REPORT.EVENT[0].DST), kinds.begin());
    return kinds;
}

CDlgSetRepTimeSend::Hours SampleHours(const SettingRecord& record)
{
    CDlgSetRepTimeSend::Hours hours;
    const TimeReport& time = record.MAIL_REPORT.TIME;
    std::copy(std::begin(time.REPORT_TIME), std::end(time.REPORT_TIME), hours.begin());
    return hours;
}

}  // namespace

std::vector<ScreenshotEntry> MailWindows()
{
    return {
        {"mail-menu",
         [](ScreenshotEnv& env) {
             return Shot(std::make_unique<CDlgSetRep>(Sample(env.record), env.app.ui));
         }},
        {"mail-address-list",
         [](ScreenshotEnv& env) {
             return Shot(std::make_unique<CDlgSetRepAddr>(Sample(env.record), env.app.ui));
         }},
        {"mail-address-entry",
         [](ScreenshotEnv& env) {
             return Shot(std::make_unique<CDlgSetRepAddrConf>(0, "Control room", "control@example.org", env.app.ui));
         }},
        {"mail-event-list",
         [](ScreenshotEnv& env) {
             return Shot(std::make_unique<CDlgSetRepEvent>(Sample(env.record), env.app.ui));
         }},
        {"mail-event",
         [](ScreenshotEnv& env) {
             return Shot(std::make_unique<CDlgSetRepEventItem>(Sample(env.record), 0, env.app.ui));
         }},
        {"mail-regular",
         [](ScreenshotEnv& env) {
             return Shot(std::make_unique<CDlgSetRepTimeItem>(Sample(env.record), env.app.ui));
         }},
        {"mail-recipients",
         [](ScreenshotEnv& env) {
             SettingRecord& record = Sample(env.record);
             return Shot(std::make_unique<CDlgSetRepDst>(record, SampleKinds(record), env.app.ui));
         }},
        {"mail-recipient",
         [](ScreenshotEnv& env) {
             return Shot(std::make_unique<CDlgSetRepDstConf>(0, 1, env.app.ui));
         }},
        {"mail-channels",
         [](ScreenshotEnv& env) {
             SettingRecord& record = Sample(env.record);
             return Shot(std::make_unique<CDlgSetRepCh>(record, rep::Channels::Ai, record.MAIL_REPORT.EVENT[0], env.app.ui));
         }},
        {"mail-do-operation",
         [](ScreenshotEnv& env) {
             SettingRecord& record = Sample(env.record);
             return Shot(
                 std::make_unique<CDlgSetRepCh>(record, rep::Channels::DoOperation, record.MAIL_REPORT.EVENT[0], env.app.ui));
         }},
        {"mail-channel",
         [](ScreenshotEnv& env) {
             return Shot(std::make_unique<CDlgSetRepChConf>("AI01", true, env.app.ui));
         }},
        {"mail-channel-do",
         [](ScreenshotEnv& env) {
             return Shot(std::make_unique<CDlgSetRepChConfDo>(0, 1, env.app.ui));
         }},
        {"mail-hours",
         [](ScreenshotEnv& env) {
             return Shot(std::make_unique<CDlgSetRepTimeSend>(SampleHours(Sample(env.record)), env.app.ui));
         }},
        {"mail-hour",
         [](ScreenshotEnv& env) {
             return Shot(std::make_unique<CDlgSetRepTimeSendConf>(8, ReportTime{kUse, 30, 0}, env.app.ui));
         }},
        {"mail-weekdays",
         [](ScreenshotEnv& env) {
             return Shot(std::make_unique<CDlgSetRepTimeWday>(0x3Eu, env.app.ui));
         }},
        {"mail-failure-output",
         [](ScreenshotEnv& env) {
             return Shot(std::make_unique<CDlgSetRepErrorDo>(Sample(env.record), env.app.ui));
         }},
    };
}

}  // namespace volmar::gui::shots
