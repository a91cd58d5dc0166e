#include "core/link/session/PlainTcpSession.h"

#include "core/link/connect/AddressBook.h"
#include "core/link/transfer/TransferRuns.h"
#include "core/link/transfer/UnitCheck.h"

namespace volmar {

bool PlainTcpSession::DoOpen(UnitStatus& status)
{
    m_address.clear();
    std::string address;
    if (!LookUpUnitAddress(m_ctx.link, m_ctx.profile, m_ctx.ui, address)) return false;
    if (!CheckUnitTcp(m_ctx, address, &status)) return false;
    m_address = address;
    return true;
}

bool PlainTcpSession::DoTransfer(TransferJob& job)
{
    if (m_address.empty()) return false;
    return RunTcpTransfer(m_ctx, m_address, job, m_progress);
}

}  // namespace volmar
