// The PI and OI windows for `volmar --screenshots`, shown on a sample
// setting with channels in use.
#include <QTabWidget>
#include <cstdio>
#include <cstring>
#include <memory>

#include "gui/common/AppContext.h"
#include "gui/editors/io/CDlgSetIoOi.h"
#include "gui/editors/io/CDlgSetIoOiArea.h"
#include "gui/editors/io/CDlgSetIoOiCalc.h"
#include "gui/editors/io/CDlgSetIoOiCh.h"
#include "gui/editors/io/CDlgSetIoPi.h"
#include "gui/editors/io/CDlgSetIoPiArea.h"
#include "gui/editors/io/CDlgSetIoPiCh.h"
#include "gui/screenshots/ScreenshotParts.h"

namespace volmar::gui::shots {
namespace {

SettingRecord& Sample(const SettingRecord& fresh)
{
    static SettingRecord record;
    record = fresh;
    PutSampleSlaves(record);
    for (int i = 0; i < 4; ++i) {
        record.IO.AI[i].TYPE = 1;
        record.IO.DI[i].TYPE = 1;
        std::snprintf(record.IO.DI[i].NAME, sizeof record.IO.DI[i].NAME, "Pump %d", i + 1);
    }
    for (int i = 0; i < 8; ++i) record.IO.PI[i].TYPE = 1 + i % 7;
    PiChannel& pi = record.IO.PI[0];
    pi.TYPE = 7;
    pi.MOD_NODE = 1;
    pi.SLMP_DEV_CODE = 0x5A;
    pi.SLMP_DEV_NO = 1200;
    pi.RESET_DI = 2;
    std::strcpy(pi.NAME, "Flow total");
    std::strcpy(pi.UNIT, "m3");
    pi.USE_AREAS = 3;
    for (int i = 0; i < 6; ++i) {
        OiChannel& oi = record.IO.OI[i];
        oi.TYPE = 1 + i * 3;
        std::snprintf(oi.NAME, sizeof oi.NAME, "Calc %d", i + 1);
    }
    OiChannel& oi = record.IO.OI[0];
    oi.TYPE = kOiAdd;
    oi.INPUT[1] = {1, 2};
    oi.INPUT[2] = {2, 1};
    oi.INPUT[3] = {3, 5};
    oi.CONST.K[1] = 1.5;
    oi.CONST.K[2] = -1;
    oi.CONST.K[3] = 2;
    oi.CONST.A[0] = 273.15;
    std::strcpy(oi.UNIT, "kW");
    oi.USE_AREAS = 2;
    return record;
}

std::unique_ptr<QWidget> PiZonePage(ScreenshotEnv& env, int page)
{
    SettingRecord& record = Sample(env.record);
    auto dialog = std::make_unique<CDlgSetIoPiArea>(0, ZonesOf(record.IO.PI[0]), false, true, record, env.app.ui);
    dialog->Tabs()->setCurrentIndex(page);
    return dialog;
}

}  // namespace

std::vector<ScreenshotEntry> PiOiWindows()
{
    std::vector<ScreenshotEntry> windows{
        {"pi-list",
         [](ScreenshotEnv& env) -> std::unique_ptr<QWidget> {
             return std::make_unique<CDlgSetIoPi>(Sample(env.record), env.app.ui);
         }},
        {"pi-channel",
         [](ScreenshotEnv& env) -> std::unique_ptr<QWidget> {
             return std::make_unique<CDlgSetIoPiCh>(Sample(env.record), 0, env.app.ui);
         }},
        {"pi-zone-basic",
         [](ScreenshotEnv& env) { return PiZonePage(env, 0); }},
        {"oi-list",
         [](ScreenshotEnv& env) -> std::unique_ptr<QWidget> {
             return std::make_unique<CDlgSetIoOi>(Sample(env.record), env.app.ui);
         }},
        {"oi-channel",
         [](ScreenshotEnv& env) -> std::unique_ptr<QWidget> {
             return std::make_unique<CDlgSetIoOiCh>(Sample(env.record), 0, env.app.ui);
         }},
        {"oi-zone-basic",
         [](ScreenshotEnv& env) -> std::unique_ptr<QWidget> {
             SettingRecord& record = Sample(env.record);
             return std::make_unique<CDlgSetIoOiArea>(0, ZonesOf(record.IO.OI[0]), false, record, env.app.ui);
         }},
    };
    // Every function dialog, on the sample's first OI channel.
    for (int32_t f = kOiAdd; f < kOiFunctionCount; ++f) {
        char name[32];
        std::snprintf(name, sizeof name, "oi-function-%02d", f);
        windows.push_back({name, [f](ScreenshotEnv& env) -> std::unique_ptr<QWidget> {
                               SettingRecord& record = Sample(env.record);
                               return MakeOiCalcDialog(f, TermsOf(record.IO.OI[0]), record, false, env.app.ui, nullptr);
                           }});
    }
    return windows;
}

}  // namespace volmar::gui::shots
