#include "gui/link/LinkSelection.h"

#include "gui/common/AppContext.h"
#include "gui/link/CDlgCom.h"
#include "core/link/connect/LinkPreferences.h"

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
    ReadLinkPreferences(ctx.profile, ctx.link,
                        [&ctx](int comPort) { return ResolveComDevice(ctx.profile, comPort, ctx.Devices()); });
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
