// The DI and DO windows for `volmar --screenshots`, on a sample setting with
// inputs and outputs in use, a slave, an SLMP input and zones and states
// that switch outputs, so that the report has rows.
#include <cstring>
#include <memory>

#include "gui/common/AppContext.h"
#include "gui/screenshots/ScreenshotParts.h"
#include "gui/editors/io/CDlgSetIoDi.h"
#include "gui/editors/io/CDlgSetIoDiCh.h"
#include "gui/editors/io/CDlgSetIoDo.h"
#include "gui/editors/io/CDlgSetIoDoCh.h"
#include "gui/editors/io/CDlgSetIoDoUsed.h"

namespace volmar::gui::shots {
namespace {

SettingRecord& Sample(const SettingRecord& fresh)
{
    static SettingRecord record;
    record = fresh;
    PutSampleSlaves(record);
    for (int i = 0; i < 8; ++i) {
        record.IO.DI[i].TYPE = 1 + i % 7;
        record.IO.DO[i].TYPE = 1 + i % 3;
    }
    DiChannel& di = record.IO.DI[0];
    di.TYPE = 7;
    di.MOD_NODE = 1;
    di.SLMP_DEV_CODE = 0x9C;  // X, hexadecimal numbers
    di.SLMP_DEV_NO = 0x1F0;
    di.STATUS.ON.DISP_COLOR = 0xFF0000;
    di.STATUS.ON.DO_ON1 = 0x5;
    di.STATUS.OFF.EVENT_LOG = kNoUse;
    DoChannel& out = record.IO.DO[0];
    out.TYPE = 3;
    out.MOD_NODE = 1;
    out.STATUS.ON.DISP_COLOR = 0x00C000;
    record.IO.AI[2].TYPE = 3;
    record.IO.AI[2].USE_AREAS = 3;
    record.IO.AI[2].AREA[2].DO_ON1 = 0x1;
    record.MAIL_REPORT.EVENT[0].MODE = kUse;
    record.MAIL_REPORT.EVENT[0].DO_ON1 = 0x1;
    record.MAIL_REPORT.EVENT[4].MODE = kUse;
    record.MAIL_REPORT.EVENT[4].DO_OFF1 = 0x1;
    record.MAIL_REPORT.ERROR = 3;
    // Sources that are off keep their outputs: the report marks them.
    record.IO.AI[2].AREA[3].DO_ON1 = 0x1;
    record.IO.DI[9].STATUS.OFF.DO_ON1 = 0x2;
    record.MAIL_REPORT.EVENT[6].DO_ON1 = 0x1;
    return record;
}

}  // namespace

std::vector<ScreenshotEntry> DiDoWindows()
{
    return {
        {"di-list",
         [](ScreenshotEnv& env) -> std::unique_ptr<QWidget> {
             return std::make_unique<CDlgSetIoDi>(Sample(env.record), env.app.ui);
         }},
        {"di-channel",
         [](ScreenshotEnv& env) -> std::unique_ptr<QWidget> {
             return std::make_unique<CDlgSetIoDiCh>(Sample(env.record), 0, env.app.ui);
         }},
        {"do-list",
         [](ScreenshotEnv& env) -> std::unique_ptr<QWidget> {
             return std::make_unique<CDlgSetIoDo>(Sample(env.record), env.app.ui);
         }},
        {"do-channel",
         [](ScreenshotEnv& env) -> std::unique_ptr<QWidget> {
             return std::make_unique<CDlgSetIoDoCh>(Sample(env.record), 0, env.app.ui);
         }},
        {"do-used",
         [](ScreenshotEnv& env) -> std::unique_ptr<QWidget> {
             return std::make_unique<CDlgSetIoDoUsed>(Sample(env.record));
         }},
    };
}

}  // namespace volmar::gui::shots
