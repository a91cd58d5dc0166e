#include "core/link/connect/LinkPreferences.h"

#include "core/link/transfer/LinkState.h"

namespace volmar {

void ReadLinkPreferences(Profile& profile, LinkState& link, const ComDeviceOf& deviceOf)
{
    link.kind = profile.GetInt(kProfileSection, kPrefComType, 1) == 1 ? LinkKind::Usb : LinkKind::Network;
    link.comPort = profile.GetInt(kProfileSection, kPrefCom, 1);
    link.tcpPort = profile.GetInt(kProfileSection, kPrefNetPort, kDefaultTcpPort);
    link.selectedUnit = profile.GetText(kProfileSection, kPrefNet, "");
    link.comDevice = deviceOf ? deviceOf(link.comPort) : KeptComDevice(profile, link.comPort);
}

}  // namespace volmar
