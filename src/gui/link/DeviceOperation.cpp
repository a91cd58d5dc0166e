#include "gui/link/DeviceOperation.h"

#include <QApplication>

#include "gui/link/CDlgWait.h"
#include "core/link/transfer/LinkState.h"
#include "core/link/transfer/Login.h"

namespace volmar::gui {
namespace {

// Touched on the window's thread only.
QPointer<QWidget> g_window;
QPointer<CDlgWait> g_busy;

}  // namespace

OperationWindow::OperationWindow(QWidget* window) : previous_(g_window) { g_window = window; }

OperationWindow::~OperationWindow() { g_window = previous_; }

QWidget* CurrentOperationWindow() { return g_window; }

void ReturnFocus(QWidget* window)
{
    if (!window) return;
    QWidget* top = window->window();
    if (!top->isVisible()) return;
    top->activateWindow();
}

bool RunDeviceOperation(QWidget* parent, const std::function<bool()>& operation)
{
    OperationWindow owner(parent);
    bool result = false;
    {
        std::unique_ptr<CDlgWait> busy = CDlgWait::Busy(parent);
        const QPointer<CDlgWait> previous = g_busy;
        g_busy = busy.get();
        busy->Run([&] { result = operation(); });
        g_busy = previous;
    }
    ReturnFocus(parent);
    return result;
}

bool EarlyLogin::Ask()
{
    if (link_.kind != LinkKind::Network || link_.protocol != kProtocolCipher || link_.loggedIn == 1) return true;
    if (!PromptLogin(link_, ui_)) return false;
    answered_ = true;
    return true;
}

bool EarlyLogin::AskLogin(std::string& id, std::string& password)
{
    if (!answered_) return ui_.AskLogin(id, password);
    answered_ = false;
    id = link_.loginId;
    password = link_.password;
    return true;
}

OperationAside::OperationAside(bool question) : busy_(g_busy)
{
    if (busy_ && busy_->isVisible()) {
        busy_->hide();
    } else {
        busy_ = nullptr;
    }
    if (question && QApplication::overrideCursor()) {
        QApplication::setOverrideCursor(Qt::ArrowCursor);
        cursor_ = true;
    }
}

OperationAside::~OperationAside()
{
    if (cursor_) QApplication::restoreOverrideCursor();
    if (busy_) busy_->show();
}

}  // namespace volmar::gui
