#pragma once
// The address book of network units: 32 fixed slots in the preferences,
// sections "DST1" to "DST32", each with a device name ("NAME") and a domain
// name or dotted IPv4 address ("ADDR"). Slots keep their positions; a free
// slot has empty texts.
#include <array>
#include <string>

#include "core/common/Profile.h"

namespace volmar {

class Interaction;
struct LinkState;

constexpr int kAddressBookSlots = 32;

inline constexpr const char* kPrefSlotName = "NAME";
inline constexpr const char* kPrefSlotAddress = "ADDR";

extern const char* const kMsgIllegalAddress;  // "Illegal network address"

struct AddressBookEntry {
    std::string name;
    std::string address;
    // A slot counts as used only when both texts are set.
    bool Used() const { return !name.empty() && !address.empty(); }
};

using AddressBook = std::array<AddressBookEntry, kAddressBookSlots>;

// The section of slot 1 to 32: "DST%d".
std::string AddressSlotSection(int slot);

AddressBook ReadAddressBook(Profile& profile);
// Writes all 32 slots, empty texts included.
void WriteAddressBook(Profile& profile, const AddressBook& book);

// Index (0-based) of the first slot whose name equals name exactly
// (case-sensitive), or -1. An empty name matches nothing; usedOnly skips
// slots without an address.
int FindAddressSlot(const AddressBook& book, const std::string& name, bool usedOnly);

// The address of the selected unit: LinkState::address when one was given
// directly, else the address of the first used slot named
// LinkState::selectedUnit. When there is none, shows "Illegal network
// address" (error icon) and fails.
bool LookUpUnitAddress(const LinkState& link, Profile& profile, Interaction& ui, std::string& address);

}  // namespace volmar
