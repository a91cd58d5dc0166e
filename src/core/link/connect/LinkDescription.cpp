#include "core/link/connect/LinkDescription.h"

#include "core/link/connect/AddressBook.h"
#include "core/link/transfer/LinkState.h"

namespace volmar {

LinkDescription DescribeLink(const LinkState& link, Profile& profile, const ComPortNames& ports)
{
    LinkDescription d;
    if (link.kind == LinkKind::Usb) {
        d.accessMode = "USB";
        if (link.comPort >= 1 && link.comPort <= kListedComPorts) {
            if (auto it = ports.find(link.comPort - 1); it != ports.end()) d.device = it->second;
        }
        return d;
    }
    d.accessMode = "Network";
    if (!link.address.empty()) {
        d.device = link.address;
        return d;
    }
    const AddressBook book = ReadAddressBook(profile);
    const int slot = FindAddressSlot(book, link.selectedUnit, false);
    if (slot >= 0) d.device = book[slot].name + " (" + book[slot].address + ")";
    return d;
}

}  // namespace volmar
