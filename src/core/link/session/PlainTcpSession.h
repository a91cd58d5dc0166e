#pragma once
// The unit over plain TCP: the address looked up, the status query with
// the login prompt between its two tries, and one connection per get or
// put with the current credentials. The progress counter is the session's.
#include <atomic>
#include <string>

#include "core/link/session/UnitSession.h"

namespace volmar {

class PlainTcpSession final : public UnitSession {
public:
    using UnitSession::UnitSession;
    TransferLink Link() const override { return TransferLink::PlainTcp; }
    void Close() override { m_address.clear(); }
    int64_t Progress() const override { return m_progress.load(); }

protected:
    bool DoOpen(UnitStatus& status) override;
    bool DoTransfer(TransferJob& job) override;

private:
    std::string m_address;
    std::atomic<uint32_t> m_progress{0};
};

}  // namespace volmar
