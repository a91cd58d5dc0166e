#pragma once
// The one way to run a job off the window's thread: RunBehindWaitWindow.
// Device operations (unit check, protocol detection, login, transfers),
// laying out a PDF and packing a folder all run this way, so that a slow job
// or an unreachable unit never freezes the windows.
//
// The job runs on a worker thread that Qt started (it may use Qt objects)
// behind a modal "Please wait" with a moving bar, with the wait cursor; the
// windows keep repainting meanwhile. Whatever the job needs from the user
// comes back to the window's thread through OnWindows (WindowThread.h),
// which the GUI interaction does for every message, prompt and transfer
// dialog: "Please wait" is hidden and the cursor normal while a question or
// message is up (OperationAside). Every window of the job is parented to,
// and centred on, the window that started it, and the focus returns to that
// window afterwards. Questions that need no unit are asked before the job,
// on the window's thread, inside an OperationWindow scope.
#include <functional>

#include <QPointer>

class QWidget;

namespace volmar::gui {

class CDlgWait;

// Runs job on a worker thread behind "Please wait" (parented to parent) and
// returns its result once it has finished.
bool RunBehindWaitWindow(QWidget* parent, const std::function<bool()>& job);

// Marks window as the one whose job is running, for as long as it lives
// (RunBehindWaitWindow sets one itself; a caller that asks questions first
// sets one around them too). Scopes nest.
class OperationWindow {
public:
    explicit OperationWindow(QWidget* window);
    ~OperationWindow();
    OperationWindow(const OperationWindow&) = delete;
    OperationWindow& operator=(const OperationWindow&) = delete;

private:
    QPointer<QWidget> m_previous;
};

// The window of the running job, or null.
QWidget* CurrentOperationWindow();

// While a question, message or transfer of the running job is up: hides
// "Please wait" and, for questions, shows the normal cursor; on the way out
// shows "Please wait" again.
class OperationAside {
public:
    explicit OperationAside(bool question);
    ~OperationAside();
    OperationAside(const OperationAside&) = delete;
    OperationAside& operator=(const OperationAside&) = delete;

private:
    QPointer<CDlgWait> m_busy;
    bool m_cursor = false;
};

// Brings window (when shown) to the front with the keyboard focus: what a
// message or prompt does for the window it was shown above once it closes.
void ReturnFocus(QWidget* window);

}  // namespace volmar::gui
