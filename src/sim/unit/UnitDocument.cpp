#include "sim/unit/UnitDocument.h"

#include <cstring>
#include <memory>
#include <string_view>

#include "core/settings/DocumentReader.h"
#include "core/settings/DocumentWriter.h"
#include "core/settings/Gzlib.h"
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

std::string SingleValueDocument(const std::string& path, const std::string& value)
{
    std::vector<std::string> names;
    for (size_t pos = 0; pos < path.size();) {
        const size_t end = path.find('>', pos);
        if (path[pos] != '<' || end == std::string::npos || end == pos + 1) return {};
        names.push_back(path.substr(pos + 1, end - pos - 1));
        pos = end + 1;
    }
    if (names.size() < 2 || names.front() != "VOL_MAR") return {};
    std::string doc = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n";
    for (const std::string& n : names) doc += "<" + n + ">";
    for (char c : value) {
        switch (c) {
        case '&': doc += "&amp;"; break;
        case '<': doc += "&lt;"; break;
        case '>': doc += "&gt;"; break;
        default: doc.push_back(c);
        }
    }
    for (auto n = names.rbegin(); n != names.rend(); ++n) doc += "</" + *n + ">";
    // Only a document that names a known leaf and a value the reader takes.
    auto probe = std::make_unique<SettingRecord>();
    ResetSettingRecord(*probe);
    if (ReadSettingDocument(*probe, doc.data(), doc.size()) != 0) return {};
    return doc;
}

void ApplyDocument(SettingRecord& record, const std::string& document)
{
    ReadSettingDocument(record, document.data(), document.size());
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
