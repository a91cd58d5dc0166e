#include "sim/unit/UnitDocument.h"

#include <cstring>
#include <memory>
#include <string_view>

#include "settings/DocumentReader.h"
#include "settings/DocumentWriter.h"
#include "settings/Gzlib.h"
#include "sim/unit/UnitCodes.h"

namespace volmar::sim {
namespace {

constexpr std::string_view kRootStart = "<VOL_MAR>\r\n\r\n";
constexpr std::string_view kPartialEnd = "</VOL_MAR>\r\n\r\n";
constexpr std::string_view kComStart = "\n<COM>\r\n";
constexpr std::string_view kComEnd = "</COM>\r\n";

// The lines between the root tags of a partial document.
std::string_view PartialBody(std::string_view doc)
{
    const size_t start = doc.find(kRootStart);
    if (start == std::string_view::npos || doc.size() < start + kRootStart.size() + kPartialEnd.size())
        return {};
    const size_t from = start + kRootStart.size();
    return doc.substr(from, doc.size() - kPartialEnd.size() - from);
}

}  // namespace

std::string WriteUnitDocument(const SettingRecord& record)
{
    std::string doc = WriteSettingDocument(record);
    std::string access, network;
    WriteAccessDocument(record, access);
    WriteNetworkDocument(network, record);

    // The addresses go at the head of the COM section, the access block at
    // the head of the document, where the record keeps them.
    std::string_view addresses = PartialBody(network);
    if (addresses.starts_with(kComStart.substr(1)) && addresses.ends_with(kComEnd)) {
        addresses.remove_prefix(kComStart.size() - 1);
        addresses.remove_suffix(kComEnd.size());
        const size_t com = doc.find(kComStart);
        if (com != std::string::npos) doc.insert(com + kComStart.size(), addresses);
    }
    const size_t root = doc.find(kRootStart);
    if (root != std::string::npos) doc.insert(root + kRootStart.size(), PartialBody(access));
    return doc;
}

bool PackUnitSetting(const SettingRecord& record, std::vector<uint8_t>& out)
{
    const std::string doc = WriteUnitDocument(record);
    if (!SettingDocumentFits(doc.size())) return false;
    auto zip = std::make_unique<CGzlib>();
    if (!zip->Compress(doc.data(), doc.size())) return false;
    out.assign(zip->Compressed(), zip->Compressed() + zip->CompressedLength());
    return true;
}

PutOutcome ApplySettingPayload(SettingRecord& record, const std::vector<uint8_t>& payload, bool logging)
{
    auto zip = std::make_unique<CGzlib>();
    if (payload.empty() || !zip->Decompress(payload.data(), payload.size())) return {kResultCorrupt, {}};

    auto copy = std::make_unique<SettingRecord>(record);
    char path[kReadPathSize];
    const int flags = ReadSettingDocument(*copy, reinterpret_cast<const char*>(zip->Decompressed()),
                                          zip->DecompressedLength(), path);
    if (flags & kReadFailed) return {kResultCorrupt, {}};
    if (flags & kReadUnsupportedParam) return {kResultUnsupported, path};
    if (logging && std::memcmp(&copy->RECORD, &record.RECORD, sizeof record.RECORD) != 0)
        return {kResultLogging, {}};
    std::memcpy(&record, copy.get(), sizeof record);
    return {};
}

}  // namespace volmar::sim
