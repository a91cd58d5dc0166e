#include "core/link/connect/AddressBook.h"

#include "core/link/transfer/Interaction.h"
#include "core/link/transfer/LinkState.h"

namespace volmar {

const char* const kMsgIllegalAddress = "Illegal network address";

std::string AddressSlotSection(int slot)
{
    return "DST" + std::to_string(slot);
}

AddressBook ReadAddressBook(Profile& profile)
{
    AddressBook book;
    for (int i = 0; i < kAddressBookSlots; ++i) {
        const std::string section = AddressSlotSection(i + 1);
        book[i].name = profile.GetText(section, kPrefSlotName, "");
        book[i].address = profile.GetText(section, kPrefSlotAddress, "");
    }
    return book;
}

void WriteAddressBook(Profile& profile, const AddressBook& book)
{
    for (int i = 0; i < kAddressBookSlots; ++i) {
        const std::string section = AddressSlotSection(i + 1);
        profile.SetText(section, kPrefSlotName, book[i].name);
        profile.SetText(section, kPrefSlotAddress, book[i].address);
    }
}

int FindAddressSlot(const AddressBook& book, const std::string& name, bool usedOnly)
{
    if (name.empty()) return -1;
    for (int i = 0; i < kAddressBookSlots; ++i) {
        if (usedOnly && !book[i].Used()) continue;
        if (book[i].name == name) return i;
    }
    return -1;
}

bool LookUpUnitAddress(const LinkState& link, Profile& profile, Interaction& ui, std::string& address)
{
    if (!link.address.empty()) {
        address = link.address;
        return true;
    }
    const AddressBook book = ReadAddressBook(profile);
    const int slot = FindAddressSlot(book, link.selectedUnit, true);
    if (slot < 0) {
        ui.Show({MessageIcon::Error, kMsgIllegalAddress});
        return false;
    }
    address = book[slot].address;
    return true;
}

}  // namespace volmar
