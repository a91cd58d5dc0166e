#include "core/link/session/CipherTcpSession.h"

#include "core/link/cipher/CipherErrors.h"
#include "core/link/connect/AddressBook.h"
#include "core/link/transfer/TransferRuns.h"
#include "core/link/transfer/UnitCheck.h"

namespace volmar {

void CipherTcpSession::Close()
{
    m_cipher.reset();
    m_connectionUsed = false;
}

int64_t CipherTcpSession::Progress() const
{
    return m_cipher ? m_cipher->ByteCounter().load() : 0;
}

bool CipherTcpSession::DoOpen(UnitStatus& status)
{
    Close();
    std::string address;
    if (!LookUpUnitAddress(m_ctx.link, m_ctx.profile, m_ctx.ui, address)) return false;
    auto cipher = std::make_unique<CCipherLink>(m_ctx.TcpPort(), m_ctx.options.timeouts);
    if (!CheckUnitCipher(m_ctx, address, *cipher, &status)) return false;
    m_cipher = std::move(cipher);
    return true;
}

bool CipherTcpSession::DoTransfer(TransferJob& job)
{
    if (m_connectionUsed && !Open()) return false;
    if (!m_cipher) return false;
    m_connectionUsed = true;
    return RunCipherTransfer(m_ctx.ui, *m_cipher, job);
}

std::optional<UnitStatus> CipherTcpSession::Identify()
{
    if (Cancelled()) return std::nullopt;
    std::string address;
    if (!LookUpUnitAddress(m_ctx.link, m_ctx.profile, m_ctx.ui, address)) return std::nullopt;
    CCipherLink cipher(m_ctx.TcpPort(), m_ctx.options.timeouts);
    CipherHelloInfo info;
    int heading = 0;
    if (!cipher.Connect(address)) {
        heading = kCipherErrOpen;
    } else if (!cipher.Hello(true, m_ctx.link.password, &info)) {
        heading = kCipherErrConnection;
    }
    if (heading != 0) {
        m_ctx.link.loggedIn = 0;
        m_ctx.link.protocol = kProtocolUnknown;
        m_ctx.ui.Show(ShowLinkError(heading, cipher.LastError()));
        return std::nullopt;
    }
    UnitStatus s = {static_cast<uint8_t>(info.deviceCode), static_cast<uint8_t>(info.major),
                    static_cast<uint8_t>(info.minor), static_cast<uint8_t>(info.build >> 8),
                    static_cast<uint8_t>(info.build), info.status};
    AcceptDeviceCode(s);
    return s;
}

}  // namespace volmar
