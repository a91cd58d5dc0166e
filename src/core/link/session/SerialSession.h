#pragma once
// The unit over the serial link: the port of the link state (or the
// opener of the link options), the status request, and the serial
// transactions with their result polling.
#include <memory>

#include "core/link/session/UnitSession.h"
#include "core/link/transfer/SerialLine.h"

namespace volmar {

class SerialSession final : public UnitSession {
public:
    using UnitSession::UnitSession;
    TransferLink Link() const override { return TransferLink::Serial; }
    bool PacksBeforeOpen() const override { return true; }
    void Close() override { m_line.reset(); }
    int64_t Progress() const override;

protected:
    bool DoOpen(UnitStatus& status) override;
    bool DoTransfer(TransferJob& job) override;

private:
    std::unique_ptr<SerialLine> m_line;
};

}  // namespace volmar
