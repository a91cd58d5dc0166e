#include "gui/common/BackgroundJob.h"

#include <QApplication>

#include <memory>

#include "gui/link/CDlgWait.h"

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

bool RunBehindWaitWindow(QWidget* parent, const std::function<bool()>& job)
{
    OperationWindow owner(parent);
    bool result = false;
    {
        std::unique_ptr<CDlgWait> busy = CDlgWait::Busy(parent);
        const QPointer<CDlgWait> previous = g_busy;
        g_busy = busy.get();
        busy->Run([&] { result = job(); });
        g_busy = previous;
    }
    ReturnFocus(parent);
    return result;
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
