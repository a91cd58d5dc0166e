#pragma once
// The unit over encrypted TCP: the address looked up, the login prompt, then
// Connect, a strict Hello and Login. A connection carries one get or put:
// the next one connects and logs in again (nothing is asked, the user is
// logged in by then).
#include <memory>
#include <string>

#include "core/link/cipher/CipherLink.h"
#include "core/link/session/UnitSession.h"

namespace volmar {

class CipherTcpSession final : public UnitSession {
public:
    using UnitSession::UnitSession;
    TransferLink Link() const override { return TransferLink::CipherTcp; }
    bool StatusQueried() const override { return false; }
    // The handshake's reply alone, with no login.
    std::optional<UnitStatus> Identify() override;
    void Close() override;
    int64_t Progress() const override;

protected:
    bool DoOpen(UnitStatus& status) override;
    bool DoTransfer(TransferJob& job) override;

private:
    std::unique_ptr<CCipherLink> m_cipher;
    bool m_connectionUsed = false;
};

}  // namespace volmar
