#include "gui/link/EarlyLogin.h"

#include "core/link/session/SessionFactory.h"
#include "core/link/transfer/LinkState.h"
#include "core/link/transfer/Login.h"

namespace volmar::gui {

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

}  // namespace volmar::gui
