#include "core/link/transfer/ProtocolDetection.h"

#include <string>

#include "core/link/cipher/CipherErrors.h"
#include "core/link/cipher/CipherLink.h"
#include "core/link/connect/AddressBook.h"
#include "core/link/transfer/UnitCheck.h"

namespace volmar {

int DetectProtocol(LinkContext& ctx)
{
    LinkState& link = ctx.link;
    link.protocol = kProtocolUnknown;
    std::string address;
    if (!LookUpUnitAddress(link, ctx.profile, ctx.ui, address)) return link.protocol;

    {
        CCipherLink probe(ctx.TcpPort(), ctx.options.timeouts);
        if (!probe.Connect(address)) {
            link.loggedIn = 0;
            ctx.ui.Show(ShowLinkError(kCipherErrOpen, probe.LastError()));
            return link.protocol;
        }
        if (probe.Hello(false, link.password)) {
            link.protocol = kProtocolCipher;
            return link.protocol;
        }
    }  // the probe's socket closes here

    if (CheckUnitTcp(ctx, address)) {
        link.protocol = kProtocolPlain;
    } else {
        link.loggedIn = 0;
    }
    return link.protocol;
}

}  // namespace volmar
