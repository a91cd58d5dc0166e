// The System editor and the I/O menu for `volmar --screenshots`, and the
// slave and AI windows, shown on a sample setting with slaves and channels
// in use so that the enabled and disabled fields of a working channel can
// be seen.
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
