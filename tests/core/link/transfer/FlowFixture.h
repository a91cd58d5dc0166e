#pragma once
// Shared pieces of the device-flow tests: a recognisable setting and its
// compressed document, and the link state of a network unit on loopback.
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "RecordFactory.h"
#include "core/common/Profile.h"
#include "core/link/connect/AddressBook.h"
#include "core/link/transfer/LinkState.h"
#include "core/settings/DocumentWriter.h"
#include "core/settings/Gzlib.h"
#include "core/settings/SettingRecord.h"

namespace volmar::test {

// A default setting with a name of its own, so a download is recognisable.
inline std::unique_ptr<SettingRecord> NamedRecord(const char* name)
{
    auto record = testing::MakeDefaultRecord();
    StoreText(record->SYSTEM.NAME1, sizeof record->SYSTEM.NAME1, name, std::strlen(name));
    return record;
}

inline std::vector<uint8_t> Compress(const std::string& document)
{
    CGzlib zip;
    if (!zip.Compress(document.data(), document.size())) return {};
    return {zip.Compressed(), zip.Compressed() + zip.CompressedLength()};
}

inline std::string Decompress(const std::vector<uint8_t>& payload)
{
    CGzlib zip;
    if (!zip.Decompress(payload.data(), payload.size())) return "<not a zlib stream>";
    return {reinterpret_cast<const char*>(zip.Decompressed()), zip.DecompressedLength()};
}

// The address book holds the unit as slot 2 (slot 1 is free).
inline void SelectNetworkUnit(LinkState& link, Profile& profile, uint16_t port,
                              const std::string& address = "127.0.0.1")
{
    link.kind = LinkKind::Network;
    link.tcpPort = port;
    link.selectedUnit = "Tank farm";
    AddressBook book;
    book[1] = {"Tank farm", address};
    WriteAddressBook(profile, book);
}

}  // namespace volmar::test
