#include "core/link/session/UnitSession.h"

namespace volmar {

bool UnitSession::Open()
{
    if (Cancelled()) return false;
    UnitStatus status{};
    if (!DoOpen(status)) return false;
    m_status = status;
    return true;
}

std::optional<UnitStatus> UnitSession::Identify()
{
    const bool opened = Open();
    Close();
    if (!opened) return std::nullopt;
    return m_status;
}

bool UnitSession::Transfer(TransferJob& job)
{
    job.success = false;
    if (Cancelled()) return false;
    const bool ok = DoTransfer(job);
    m_result = job.unitCode;
    return ok;
}

bool UnitSession::GetObject(const std::string& object, std::span<uint8_t> buffer, size_t& length)
{
    auto job = TransferJob::Receive(object, buffer);
    if (!Transfer(job)) return false;
    length = job.length;
    return true;
}

bool UnitSession::PutObject(const std::string& object, std::span<const uint8_t> payload, uint8_t echo)
{
    auto job = TransferJob::Send(object, payload, echo);
    return Transfer(job);
}

}  // namespace volmar
