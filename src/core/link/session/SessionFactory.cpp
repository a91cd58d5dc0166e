#include "core/link/session/SessionFactory.h"

#include "core/link/session/CipherTcpSession.h"
#include "core/link/session/PlainTcpSession.h"
#include "core/link/session/SerialSession.h"
#include "core/link/transfer/ProtocolDetection.h"

namespace volmar {

std::unique_ptr<UnitSession> MakeUnitSession(LinkContext& ctx)
{
    if (ctx.link.kind == LinkKind::Usb) return std::make_unique<SerialSession>(ctx);
    if (ctx.link.protocol == kProtocolUnknown && DetectProtocol(ctx) == kProtocolUnknown) return nullptr;
    switch (ctx.link.protocol) {
    case kProtocolPlain:
        return std::make_unique<PlainTcpSession>(ctx);
    case kProtocolCipher:
        return std::make_unique<CipherTcpSession>(ctx);
    default:
        return nullptr;
    }
}

bool SerialLinkSelected(const LinkState& link)
{
    return link.kind == LinkKind::Usb;
}

bool LoginBeforeOperation(const LinkState& link)
{
    return link.kind == LinkKind::Network && link.protocol == kProtocolCipher && link.loggedIn != 1;
}

}  // namespace volmar
