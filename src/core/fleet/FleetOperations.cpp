#include "core/fleet/FleetOperations.h"

#include <openssl/evp.h>

#include <cstdio>
#include <memory>

#include "core/common/FileIo.h"
#include "core/link/transfer/SettingDownload.h"
#include "core/link/transfer/SettingUpload.h"
#include "core/maintenance/MaintenanceFunctions.h"
#include "core/settings/DocumentWriter.h"
#include "core/settings/DocumentReader.h"
#include "core/settings/Gzlib.h"
#include "core/sheets/Csv.h"

namespace volmar {
namespace {

constexpr size_t kMaxNameInFileName = 96;

std::string Hex2(unsigned v)
{
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", v & 0xFFu);
    return text;
}

}  // namespace

std::string Sha256Hex(std::string_view bytes)
{
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (EVP_Digest(bytes.data(), bytes.size(), digest, &length, EVP_sha256(), nullptr) != 1) return {};
    static const char kDigits[] = "0123456789abcdef";
    std::string hex;
    for (unsigned int i = 0; i < length; ++i) {
        hex += kDigits[digest[i] >> 4];
        hex += kDigits[digest[i] & 15];
    }
    return hex;
}

FleetOperation FleetStatusOperation()
{
    return [](FleetJob& job) {
        UnitSession* session = job.Session();
        if (!session || !session->Open()) return false;
        const UnitStatus status = session->Status();
        session->Close();
        const int build = (status[3] << 8) | status[4];
        job.result.fields = {
            {"device_code", Hex2(status[0])},
            {"firmware", std::to_string(status[1]) + "." + std::to_string(status[2]) + "." + std::to_string(build)},
            {"flags", Hex2(status[5])},
        };
        return true;
    };
}

std::string BackupFileName(const std::string& unitName, std::time_t stamp)
{
    std::string safe;
    for (const char c : unitName.substr(0, kMaxNameInFileName)) {
        const auto u = static_cast<unsigned char>(c);
        safe += (u < 0x20 || u == 0x7F || c == '/' || c == '\\') ? '_' : c;
    }
    if (safe.empty() || safe[0] == '.' || safe[0] == '-') safe = std::string(1, '_').append(safe);
    std::tm local{};
    localtime_r(&stamp, &local);
    char time[32];
    std::strftime(time, sizeof time, "%Y%m%d-%H%M%S", &local);
    return safe + "-" + time + ".xml";
}

FleetOperation FleetBackupOperation(const std::string& dir, std::time_t stamp)
{
    return [dir, stamp](FleetJob& job) {
        UnitSession* session = job.Session();
        if (!session || !session->Open()) return false;
        // The buffers of one running unit: the largest object and its
        // document.
        std::vector<uint8_t> buffer(kMaxObjectSize);
        size_t length = 0;
        const bool got = session->GetObject(kSettingObject, buffer, length);
        session->Close();
        if (!got) return false;
        auto zip = std::make_unique<CGzlib>();
        Message error;
        if (!UnpackSettingPayload(buffer.data(), length, *zip, &error)) {
            job.ctx.ui.Show(error);
            return false;
        }
        const std::string document(reinterpret_cast<const char*>(zip->Decompressed()), zip->DecompressedLength());
        // Kept only when it reads as a setting: a unit that sends garbage
        // fails instead of leaving a useless backup.
        auto record = std::make_unique<SettingRecord>();
        const ConvertResult loaded = ConvertSettingDocument(*record, document.data(), document.size(), false);
        if (!loaded.ok) {
            job.ctx.ui.Show(loaded.hasMessage ? loaded.message
                                              : Message{MessageIcon::Error, "The unit's setting does not read."});
            return false;
        }
        if (job.Cancelled()) return false;
        const std::string name = BackupFileName(job.unit.name, stamp);
        std::string why;
        if (!WriteFileAtomically(dir + "/" + name, document, &why)) {
            job.ctx.ui.Show({MessageIcon::Error, "Cannot write " + why});
            return false;
        }
        job.result.fields = {{"file", name}, {"sha256", Sha256Hex(document)}};
        return true;
    };
}

FleetOperation FleetTimeSyncOperation()
{
    return [](FleetJob& job) {
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        const auto payload = BuildTimePayload(DateTimeFieldsOf(local));
        if (!payload) {
            job.ctx.ui.Show({MessageIcon::Error, "The PC's clock is outside 2010 to 2059."});
            return false;
        }
        if (!SetUnitTime(job.ctx, *payload)) return false;
        char text[32];
        std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
        job.result.fields = {{"time", text}};
        return true;
    };
}

FleetOperation FleetDiffOperation(std::shared_ptr<const SettingRecord> file,
                                  std::shared_ptr<std::vector<std::vector<SettingDifference>>> differences)
{
    auto document = std::make_shared<const std::string>(WriteSettingDocument(*file));
    return [document, differences](FleetJob& job) {
        auto onUnit = std::make_unique<SettingRecord>();
        ResetSettingRecord(*onUnit);
        if (!DownloadSetting(job.ctx.link, job.ctx.ui, job.ctx.profile, *onUnit, job.ctx.options)) return false;
        auto changes = ChangesOfDocument(*onUnit, *document);
        job.result.fields = {{"differences", std::to_string(changes.size())}};
        (*differences)[job.index] = std::move(changes);
        return true;
    };
}

FleetOperation FleetUploadOperation(std::shared_ptr<const SettingRecord> record, bool verify)
{
    auto document = std::make_shared<const std::string>(WriteSettingDocument(*record));
    return [record, document, verify](FleetJob& job) {
        UploadOptions upload;
        upload.askConfirmation = false;
        upload.confirmAccessMode = false;
        size_t differing = 0;
        bool readBack = true;
        if (verify) {
            upload.verify = [&](const SettingRecord* back) {
                if (!back) {
                    readBack = false;
                    return;
                }
                differing = ChangesOfDocument(*back, *document).size();
            };
        }
        if (!UploadSetting(job.ctx.link, job.ctx.ui, job.ctx.profile, *record, job.ctx.options, std::move(upload)))
            return false;
        if (!verify) return true;
        if (!readBack) return false;  // its message was shown
        if (differing > 0) {
            job.ctx.ui.Show({MessageIcon::Warning, "The unit holds something else than was uploaded: " +
                                                       std::to_string(differing) + " value(s) differ."});
            return false;
        }
        job.result.fields = {{"verified", "yes"}};
        return true;
    };
}

bool WriteBackupIndex(const std::string& dir, const std::vector<FleetUnit>& units,
                      const std::vector<FleetResult>& results, std::string* error)
{
    std::string csv = "name,address,file,sha256,result\r\n";
    for (size_t i = 0; i < units.size() && i < results.size(); ++i) {
        const FleetResult& r = results[i];
        const std::string* file = r.Field("file");
        const std::string* sha = r.Field("sha256");
        const bool ok = r.state == FleetState::Succeeded;
        // Text from the units file or the unit is no formula in a spreadsheet.
        sheets::AppendCsvRow(csv, {sheets::GuardFormula(units[i].name), sheets::GuardFormula(units[i].Where()),
                                   sheets::GuardFormula(ok && file ? *file : ""), ok && sha ? *sha : "",
                                   ok ? "ok" : sheets::GuardFormula(r.error)});
    }
    return WriteFileAtomically(dir + "/index.csv", csv, error);
}

}  // namespace volmar
