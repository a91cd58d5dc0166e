#include "core/fleet/FleetInteraction.h"

#include <poll.h>

namespace volmar {

const char* const kMsgFleetNoLogin = "The unit asks for a login: give the login ID and the password for the run.";

FleetInteraction::FleetInteraction(FleetCredentials credentials, bool answerYes, const SocketStop& stop)
    : m_credentials(std::move(credentials)), m_answerYes(answerYes), m_stop(stop)
{}

void FleetInteraction::Show(const Message& message)
{
    std::lock_guard lock(m_mutex);
    m_last = message;
}

bool FleetInteraction::Confirm(const Message&)
{
    return m_answerYes;
}

bool FleetInteraction::ConfirmYesNo(const Message&)
{
    return m_answerYes;
}

bool FleetInteraction::ConfirmAccessMode(LinkState&)
{
    return true;
}

bool FleetInteraction::AskLogin(std::string& id, std::string& password)
{
    // Once: a unit that refuses the run's login does not get it again.
    if (m_loginAsked++ > 0) return false;
    if (!m_credentials.login || !m_credentials.password) {
        Show({MessageIcon::Warning, kMsgFleetNoLogin});
        return false;
    }
    id = *m_credentials.login;
    password = *m_credentials.password;
    return true;
}

void FleetInteraction::RunTransfer(const TransferView& view, const std::function<void()>& work)
{
    {
        std::lock_guard lock(m_mutex);
        m_view = &view;
    }
    work();
    std::lock_guard lock(m_mutex);
    m_view = nullptr;
}

void FleetInteraction::Pause(int milliseconds)
{
    const int wait = m_stop.Cap(milliseconds);
    if (wait <= 0) return;
    pollfd p{m_stop.WakeFd(), POLLIN, 0};
    ::poll(&p, 1, wait);
}

Message FleetInteraction::LastMessage() const
{
    std::lock_guard lock(m_mutex);
    return m_last;
}

std::pair<int64_t, int64_t> FleetInteraction::Progress() const
{
    std::lock_guard lock(m_mutex);
    if (!m_view) return {0, 0};
    const int64_t done = m_view->moved ? m_view->moved() : (m_view->progress ? m_view->progress() : 0);
    return {done, m_view->total};
}

}  // namespace volmar
