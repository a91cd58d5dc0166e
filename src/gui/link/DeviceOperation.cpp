#include "gui/link/DeviceOperation.h"

#include <QApplication>

#include "gui/link/CDlgWait.h"
#include "core/link/session/SessionFactory.h"
#include "core/link/transfer/LinkState.h"
#include "core/link/transfer/Login.h"

namespace volmar::gui {
namespace {

// Touched on the window's thread only.
QPointer<QWidget> g_window;
QPointer<CDlgWait> g_busy;

}  // namespace

OperationWindow::OperationWindow(QWidget* window) : m_previous(g_window) { g_window = window; }

OperationWindow::~OperationWindow() { g_window = m_previous; }

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
    if (!LoginBeforeOperation(m_link)) return true;
    if (!PromptLogin(m_link, m_ui)) return false;
    m_answered = true;
    return true;
}

bool EarlyLogin::AskLogin(std::string& id, std::string& password)
{
    if (!m_answered) return m_ui.AskLogin(id, password);
    m_answered = false;
    id = m_link.loginId;
    password = m_link.password;
    return true;
}

OperationAside::OperationAside(bool question) : m_busy(g_busy)
{
    if (m_busy && m_busy->isVisible()) {
        m_busy->hide();
    } else {
        m_busy = nullptr;
    }
    if (question && QApplication::overrideCursor()) {
        QApplication::setOverrideCursor(Qt::ArrowCursor);
        m_cursor = true;
    }
}

OperationAside::~OperationAside()
{
    if (m_cursor) QApplication::restoreOverrideCursor();
    if (m_busy) m_busy->show();
}

}  // namespace volmar::gui
