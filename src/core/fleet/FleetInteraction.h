#pragma once
// The door to the user of one unit in a fleet run, on that unit's worker:
// nothing is shown or asked while the run goes on. Messages are kept (the
// last one is the unit's error), the login is the run's, the questions were
// asked once before the run (the access mode is confirmed; any other
// question gets the run's answer), transfers run on the calling thread with
// their progress readable from any thread, and pauses end at the unit's
// deadline or stop.
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>

#include "core/link/tcp/SocketStop.h"
#include "core/link/transfer/Interaction.h"

namespace volmar {

struct FleetCredentials {
    std::optional<std::string> login;
    std::optional<std::string> password;
};

class FleetInteraction final : public Interaction {
public:
    FleetInteraction(FleetCredentials credentials, bool answerYes, const SocketStop& stop);

    void Show(const Message& message) override;
    bool Confirm(const Message& question) override;
    bool ConfirmYesNo(const Message& question) override;
    bool ConfirmAccessMode(LinkState& link) override;
    bool AskLogin(std::string& id, std::string& password) override;
    void RunTransfer(const TransferView& view, const std::function<void()>& work) override;
    void Pause(int milliseconds) override;

    // The last message shown; empty text when none was.
    Message LastMessage() const;
    // Bytes done and the range of the transfer running now; {0, 0} between
    // transfers. Any thread may ask.
    std::pair<int64_t, int64_t> Progress() const;

private:
    FleetCredentials m_credentials;
    bool m_answerYes;
    const SocketStop& m_stop;
    int m_loginAsked = 0;
    mutable std::mutex m_mutex;
    Message m_last;
    const TransferView* m_view = nullptr;
};

// The message of a unit that needed a login the run does not have.
extern const char* const kMsgFleetNoLogin;

}  // namespace volmar
