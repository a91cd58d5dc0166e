#include "core/link/session/SerialSession.h"

#include "core/link/transfer/TransferRuns.h"
#include "core/link/transfer/UnitAccess.h"
#include "core/link/transfer/UnitCheck.h"

namespace volmar {

int64_t SerialSession::Progress() const
{
    return m_line ? m_line->Progress() : 0;
}

bool SerialSession::DoOpen(UnitStatus& status)
{
    m_line = OpenSerialPort(m_ctx);
    return m_line && CheckUnitSerial(*m_line, m_ctx.ui, &status);
}

bool SerialSession::DoTransfer(TransferJob& job)
{
    return m_line && RunSerialTransfer(m_ctx.ui, *m_line, job);
}

}  // namespace volmar
