// The windows of gui/link for `volmar --screenshots`.
#include <memory>

#include <QLineEdit>
#include <QPlainTextEdit>

#include "gui/common/AppContext.h"
#include "gui/link/CDlgCom.h"
#include "gui/link/CDlgComLog.h"
#include "gui/link/CDlgCommConfirm.h"
#include "gui/link/CDlgNetEdit.h"
#include "gui/link/CDlgNetList.h"
#include "gui/link/CDlgPassword.h"
#include "gui/link/CDlgWait.h"
#include "gui/screenshots/ScreenshotParts.h"

namespace volmar::gui::shots {

std::vector<ScreenshotEntry> LinkWindows()
{
    return {
        {"connect", [](ScreenshotEnv& env) { return std::make_unique<CDlgCom>(env.app); }},
        {"address-book", [](ScreenshotEnv& env) { return std::make_unique<CDlgNetList>(env.app); }},
        {"address-entry",
         [](ScreenshotEnv& env) {
             return std::make_unique<CDlgNetEdit>(env.app.ui, QStringLiteral("Pump house"),
                                                  QStringLiteral("192.168.10.21"), QStringList{}, 0);
         }},
        {"confirm-access-mode", [](ScreenshotEnv& env) { return std::make_unique<CDlgCommConfirm>(env.app); }},
        {"login",
         [](ScreenshotEnv& env) {
             auto dialog = std::make_unique<CDlgPassword>(env.app.ui);
             dialog->loginIdEdit()->setText(QStringLiteral("kovan"));
             dialog->passwordEdit()->setText(QStringLiteral("secret"));
             return dialog;
         }},
        {"terminal-log",
         [](ScreenshotEnv& env) {
             auto log = std::make_unique<CDlgComLog>(env.app);
             log->textBox()->setPlainText(QStringLiteral("QN70G boot\nSD card mounted\nIP 192.168.0.1\n"));
             return log;
         }},
        {"wait-tcp",
         [](ScreenshotEnv&) {
             TransferView view;
             view.link = TransferLink::PlainTcp;
             view.object = "CONFIG_P";
             view.total = 100;
             auto dialog = std::make_unique<CDlgWaitTcp>(view);
             dialog->ShowProgress(40);
             return std::unique_ptr<QWidget>(std::move(dialog));
         }},
    };
}

}  // namespace volmar::gui::shots
