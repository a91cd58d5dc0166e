#pragma once
// The device flows' door to the user in the application: message boxes with
// the message's icon, the access-mode confirmation, the login prompt and the
// wait dialogs. The flows run behind "Please wait" on a worker thread (see
// RunBehindWaitWindow): every window comes up on the window's thread while
// the flow waits, and pauses simply sleep.
#include "core/link/transfer/Interaction.h"

class QWidget;

namespace volmar::gui {

struct AppContext;

class GuiInteraction final : public Interaction {
public:
    // The context the access-mode confirmation works with (its "Change"
    // opens the Connect dialog). Set before the first operation.
    void Bind(AppContext& ctx) { m_ctx = &ctx; }

    void Show(const Message& message) override;
    bool Confirm(const Message& question) override;
    bool ConfirmYesNo(const Message& question) override;
    bool ConfirmAccessMode(LinkState& link) override;
    bool AskLogin(std::string& id, std::string& password) override;
    void RunTransfer(const TransferView& view, const std::function<void()>& work) override;
    void Pause(int milliseconds) override;

private:
    AppContext* m_ctx = nullptr;
};

// What a title bar takes beside its title: the window icon and the
// minimize, maximize and close buttons.
inline constexpr int kTitleBarExtras = 160;

// The window a message or dialog belongs above: during a device operation
// the window that started it (or a dialog opened above that window), else
// the active modal window, else the active window; never a wait dialog.
QWidget* DialogParent();

}  // namespace volmar::gui
