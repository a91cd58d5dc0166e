#pragma once
// The login asked before a device operation starts, when the unit is known
// to speak the encrypted protocol (whose unit check asks for it before
// anything else) and the user has not logged in yet. It is asked on the
// window's thread, before the operation goes behind "Please wait"
// (RunBehindWaitWindow). The operation runs with Ui(), which answers its
// first login prompt with what was typed here; every other call goes to the
// interaction given.
#include <string>

#include "core/link/transfer/Interaction.h"

namespace volmar {
struct LinkState;
}

namespace volmar::gui {

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

}  // namespace volmar::gui
