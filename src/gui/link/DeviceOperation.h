#pragma once
// A device operation started from a window (unit check, protocol detection,
// login, transfer). The questions that need no unit come first, on the
// window's thread (the caller asks them before RunDeviceOperation); then the
// operation runs off the window's thread behind a modal "Please wait", so
// that a slow or unreachable unit never freezes the window. Its messages,
// prompts and wait dialogs still come up on the window's thread (the GUI
// interaction hands them over) while the operation waits for the answers:
// "Please wait" is hidden and the cursor normal while a question or message
// is up. Every window of the operation is parented to, and centred on, the
// window that started it, and the focus returns to that window afterwards.
#include <functional>
#include <string>

#include <QPointer>

#include "core/link/transfer/Interaction.h"

class QWidget;

namespace volmar {
struct LinkState;
}

namespace volmar::gui {

class CDlgWait;

// Runs operation on a worker thread and returns its result once it has
// finished; the windows keep repainting meanwhile.
bool RunDeviceOperation(QWidget* parent, const std::function<bool()>& operation);

// Marks window as the one whose operation is running, for as long as it
// lives (RunDeviceOperation sets one itself; a caller that asks questions
// first sets one around them too). Scopes nest.
class OperationWindow {
public:
    explicit OperationWindow(QWidget* window);
    ~OperationWindow();
    OperationWindow(const OperationWindow&) = delete;
    OperationWindow& operator=(const OperationWindow&) = delete;

private:
    QPointer<QWidget> m_previous;
};

// The window of the running operation, or null.
QWidget* CurrentOperationWindow();

// While a question, message or transfer of the running operation is up:
// hides "Please wait" and, for questions, shows the normal cursor; on the
// way out shows "Please wait" again.
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

// The login asked before the operation starts, when the unit is known to
// speak the encrypted protocol (whose unit check asks for it before anything
// else) and the user has not logged in yet. The operation runs with Ui(),
// which answers its first login prompt with what was typed here; every
// other call goes to the interaction given.
class EarlyLogin final : public Interaction {
public:
    EarlyLogin(LinkState& link, Interaction& ui) : m_link(link), m_ui(ui) {}
    // False when the user cancelled the login.
    bool Ask();
    Interaction& Ui() { return *this; }

    void Show(const Message& message) override { m_ui.Show(message); }
    bool Confirm(const Message& question) override { return m_ui.Confirm(question); }
    bool ConfirmYesNo(const Message& question) override { return m_ui.ConfirmYesNo(question); }
    bool ConfirmAccessMode(LinkState& link) override { return m_ui.ConfirmAccessMode(link); }
    bool AskLogin(std::string& id, std::string& password) override;
    void RunTransfer(const TransferView& view, const std::function<void()>& work) override
    {
        m_ui.RunTransfer(view, work);
    }
    void Pause(int milliseconds) override { m_ui.Pause(milliseconds); }

private:
    LinkState& m_link;
    Interaction& m_ui;
    bool m_answered = false;  // the login typed early is still to be handed over
};

// Brings window (when shown) to the front with the keyboard focus: what a
// message or prompt does for the window it was shown above once it closes.
void ReturnFocus(QWidget* window);

}  // namespace volmar::gui
