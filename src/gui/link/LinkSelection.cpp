#include "gui/link/LinkSelection.h"

#include "gui/common/AppContext.h"
#include "gui/link/CDlgCom.h"

namespace volmar::gui {
namespace {

// What names the unit an operation reaches: a different one means a new
// session. The TCP port counts too: another port may be another service
// speaking the other protocol.
struct LinkIdentity {
    LinkDescription lines;
    int tcpPort = 0;
    bool operator==(const LinkIdentity&) const = default;
};

LinkIdentity IdentityOf(AppContext& ctx)
{
    LinkIdentity id{DescribeLink(ctx.link, ctx.profile, ctx.PortNames()), 0};
    if (ctx.link.kind == LinkKind::Network) id.tcpPort = ctx.link.tcpPort;
    return id;
}

}  // namespace

void LoadLinkPreferences(AppContext& ctx)
{
    Profile& p = ctx.profile;
    LinkState& link = ctx.link;
    link.kind = p.GetInt(kProfileSection, kPrefComType, 1) == 1 ? LinkKind::Usb : LinkKind::Network;
    link.comPort = p.GetInt(kProfileSection, kPrefCom, 1);
    link.tcpPort = p.GetInt(kProfileSection, kPrefNetPort, kDefaultTcpPort);
    link.selectedUnit = p.GetText(kProfileSection, kPrefNet, "");
    link.comDevice = ResolveComDevice(p, link.comPort, ctx.Devices());
}

bool ChangeLink(QWidget* parent, AppContext& ctx)
{
    const LinkIdentity before = IdentityOf(ctx);
    CDlgCom dialog(ctx, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    LoadLinkPreferences(ctx);
    if (!(IdentityOf(ctx) == before)) ctx.link.ResetSession();
    return true;
}

}  // namespace volmar::gui
