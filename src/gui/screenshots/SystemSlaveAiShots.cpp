// The System editor and the I/O menu for `volmar --screenshots`, and the
// slave and AI windows, shown on a sample setting with slaves and channels
// in use so that the enabled and disabled fields of a working channel can
// be seen. The AI list's "Import..." is shown with a table that changes
// two channels and with one the rules refuse.
#include <cstring>
#include <memory>

#include "gui/common/AppContext.h"
#include "gui/screenshots/ScreenshotParts.h"
#include "gui/editors/io/CDlgSetIo.h"
#include "gui/editors/io/CDlgSetIoAi.h"
#include "gui/editors/io/CDlgSetIoAiArea.h"
#include "gui/editors/io/CDlgSetIoAiCh.h"
#include "gui/editors/io/CDlgSetIoNode.h"
#include "gui/editors/io/CDlgSetIoNodeConf.h"
#include "gui/editors/io/CDlgSetIoNodeTime.h"
#include "gui/editors/io/CDlgSetSystem.h"
#include "gui/editors/io/ChannelList.h"
#include "gui/hub/CDlgChanges.h"

#include <QTabWidget>

namespace volmar::gui::shots {
namespace {

SettingRecord& Sample(const SettingRecord& fresh)
{
    static SettingRecord record;
    record = fresh;
    PutSampleSlaves(record);
    for (int i = 0; i < 8; ++i) record.IO.AI[i].TYPE = 1 + i % 7;
    AiChannel& ai = record.IO.AI[0];
    ai.TYPE = 7;
    ai.MOD_NODE = 1;
    ai.SLMP_DEV_CODE = 0xB4;
    ai.SLMP_DEV_NO = 0x1A0;
    ai.USE_AREAS = 3;
    return record;
}

std::unique_ptr<QWidget> ZonePage(ScreenshotEnv& env, int page)
{
    SettingRecord& record = Sample(env.record);
    auto dialog = std::make_unique<CDlgSetIoAiArea>(0, ZonesOf(record.IO.AI[0]), false, record, env.app.ui);
    dialog->Tabs()->setCurrentIndex(page);
    return dialog;
}

// The Changes window after "Import..." of csv on the AI list.
std::unique_ptr<QWidget> ImportShot(ScreenshotEnv& env, const char* csv)
{
    SettingRecord& record = Sample(env.record);
    auto imported = std::make_unique<SettingRecord>(record);
    return std::make_unique<CDlgChanges>(ImportView(record, *imported, csv, sheets::ChannelSheet::Ai, "AI.csv"),
                                         nullptr);
}

constexpr const char* kImportedSheet =
    "CH,CH name,CH comment\r\n"
    "1,Tank level,North tank\r\n"
    "2,Pump pressure,\"Outlet, pump 2\"\r\n";

constexpr const char* kRefusedSheet =
    "CH,CH name,CH comment,Scaling 100%\r\n"
    "1,Tank level,North tank,4\r\n"
    "2,Pump pressure at the outlet of the second booster pump,,10\r\n"
    "3,Flow,,ten\r\n";

}  // namespace

std::vector<ScreenshotEntry> SystemSlaveAiWindows()
{
    return {
        {"system", [](ScreenshotEnv& env) { return std::make_unique<CDlgSetSystem>(env.record, env.app.ui); }},
        {"io-menu", [](ScreenshotEnv& env) { return std::make_unique<CDlgSetIo>(env.record, env.app); }},
        {"slave-list",
         [](ScreenshotEnv& env) -> std::unique_ptr<QWidget> {
             return std::make_unique<CDlgSetIoNode>(Sample(env.record), env.app.ui);
         }},
        {"slave-editor",
         [](ScreenshotEnv& env) -> std::unique_ptr<QWidget> {
             return std::make_unique<CDlgSetIoNodeConf>(Sample(env.record), 1, env.app.ui);
         }},
        {"slave-communication",
         [](ScreenshotEnv& env) -> std::unique_ptr<QWidget> {
             return std::make_unique<CDlgSetIoNodeTime>(env.record, env.app.ui);
         }},
        {"ai-list",
         [](ScreenshotEnv& env) -> std::unique_ptr<QWidget> {
             return std::make_unique<CDlgSetIoAi>(Sample(env.record), env.app.ui);
         }},
        {"ai-import", [](ScreenshotEnv& env) { return ImportShot(env, kImportedSheet); }},
        {"ai-import-refused", [](ScreenshotEnv& env) { return ImportShot(env, kRefusedSheet); }},
        {"ai-channel",
         [](ScreenshotEnv& env) -> std::unique_ptr<QWidget> {
             return std::make_unique<CDlgSetIoAiCh>(Sample(env.record), 0, env.app.ui);
         }},
        {"ai-zone-basic",
         [](ScreenshotEnv& env) { return ZonePage(env, 0); }},
        {"ai-zone-upward",
         [](ScreenshotEnv& env) { return ZonePage(env, 1); }},
        {"ai-zone-downward",
         [](ScreenshotEnv& env) { return ZonePage(env, 2); }},
    };
}

}  // namespace volmar::gui::shots
