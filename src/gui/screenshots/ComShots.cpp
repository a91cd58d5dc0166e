// The communication, display and record editors for `volmar --screenshots`.
// The two pen windows leave their sample pens in the shared new setting.
#include <cstdio>
#include <memory>

#include "core/settings/Keywords.h"
#include "gui/common/AppContext.h"
#include "gui/editors/com/CDlgSetCom.h"
#include "gui/editors/com/CDlgSetComFtpc.h"
#include "gui/editors/com/CDlgSetComFtps.h"
#include "gui/editors/com/CDlgSetComModbus.h"
#include "gui/editors/com/CDlgSetComSmtp.h"
#include "gui/editors/com/CDlgSetComSntp.h"
#include "gui/editors/com/CDlgSetComWeb.h"
#include "gui/editors/com/CDlgSetDisp.h"
#include "gui/editors/com/CDlgSetDispPageName.h"
#include "gui/editors/com/CDlgSetDispPen.h"
#include "gui/editors/com/CDlgSetDispPenConf.h"
#include "gui/editors/com/CDlgSetRecord.h"
#include "gui/screenshots/ScreenshotParts.h"

namespace volmar::gui::shots {
namespace {

std::unique_ptr<QWidget> PenListShot(ScreenshotEnv& env)
{
    env.record.RECORD.SPEED = kSpeed1s;
    env.record.IO.AI[0].TYPE = 1;
    std::snprintf(env.record.IO.AI[0].NAME, sizeof env.record.IO.AI[0].NAME, "Level");
    std::snprintf(env.record.IO.AI[0].UNIT, sizeof env.record.IO.AI[0].UNIT, "m");
    env.record.DISP.PEN_CONF[0] = {kPenAi, 1, 1};
    env.record.DISP.PEN_COLOR[0] = 0xC02020;
    env.record.DISP.PEN_DRAW[0] = {10.0, 0.0};
    env.record.DISP.PEN_CONF[5] = {kPenDi, 3, 0};
    env.record.DISP.PEN_COLOR[5] = 0x20A020;
    return std::make_unique<CDlgSetDispPen>(env.record, env.app.ui);
}

std::unique_ptr<QWidget> PenShot(ScreenshotEnv& env)
{
    env.record.IO.AI[2].TYPE = 1;
    std::snprintf(env.record.IO.AI[2].NAME, sizeof env.record.IO.AI[2].NAME, "Flow");
    std::snprintf(env.record.IO.AI[2].UNIT, sizeof env.record.IO.AI[2].UNIT, "m3/h");
    env.record.DISP.PEN_CONF[4] = {kPenAi, 3, 1};
    env.record.DISP.PEN_COLOR[4] = 0x2080C0;
    return std::make_unique<CDlgSetDispPenConf>(env.record, 4, env.app.ui);
}

}  // namespace

std::vector<ScreenshotEntry> ComDisplayRecordWindows()
{
    return {
        {"com-menu", [](ScreenshotEnv& env) { return std::make_unique<CDlgSetCom>(env.record, env.app); }},
        {"com-web", [](ScreenshotEnv& env) { return std::make_unique<CDlgSetComWeb>(env.record, env.app); }},
        {"com-ftp-server", [](ScreenshotEnv& env) { return std::make_unique<CDlgSetComFtps>(env.record, env.app); }},
        {"com-ftp-client", [](ScreenshotEnv& env) { return std::make_unique<CDlgSetComFtpc>(env.record, env.app.ui); }},
        {"com-smtp", [](ScreenshotEnv& env) { return std::make_unique<CDlgSetComSmtp>(env.record, env.app.ui); }},
        {"com-sntp", [](ScreenshotEnv& env) { return std::make_unique<CDlgSetComSntp>(env.record, env.app.ui); }},
        {"com-modbus", [](ScreenshotEnv& env) { return std::make_unique<CDlgSetComModbus>(env.record, env.app.ui); }},
        {"display-menu", [](ScreenshotEnv& env) { return std::make_unique<CDlgSetDisp>(env.record, env.app.ui); }},
        {"display-page-names",
         [](ScreenshotEnv& env) { return std::make_unique<CDlgSetDispPageName>(env.record, env.app.ui); }},
        {"display-pens", PenListShot},
        {"display-pen", PenShot},
        {"record", [](ScreenshotEnv& env) { return std::make_unique<CDlgSetRecord>(env.record, env.app.ui); }},
    };
}

}  // namespace volmar::gui::shots
