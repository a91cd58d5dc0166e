#pragma once
// Upload of a settings document as object "CONFIG_P": the full document of
// the configuration hub, and the partial network and access documents.
#include <functional>
#include <string>

#include "core/common/Profile.h"
#include "core/link/transfer/LinkContext.h"
#include "core/link/transfer/UnitStatus.h"
#include "core/settings/SettingRecord.h"

namespace volmar {

// Echo code of "CONFIG_P" in the serial result record.
constexpr uint8_t kSettingEcho = 2;

// The unit's setting as read over the upload's own port or connection.
struct UnitSetting {
    const SettingRecord& record;  // reset, then loaded with what the unit sent
    size_t payloadBytes = 0;      // the compressed size the unit sent
    bool serial = false;          // read over the serial link
};

struct UploadOptions {
    // Ask "Are you sure to upload?" first (the partial-document editors ask
    // before they store their fields and turn this off).
    bool askConfirmation = true;
    // Run the access-mode confirmation when "CONNECT_CONFIRM" is on.
    bool confirmAccessMode = true;
    // Runs after the unit check with the unit's status record; false stops
    // the upload (it has shown its message). The firmware check goes here.
    std::function<bool(const UnitStatus&)> acceptUnit;
    // Before the send, over the same port or connection: the unit's setting
    // is read and handed here with the size of the payload about to go; false
    // stops the upload with nothing sent. When the read fails the upload
    // stops (its message has been shown).
    std::function<bool(const UnitSetting& onUnit, size_t uploadBytes)> reviewChanges;
    // After the unit took the document: its setting read back over the same
    // port or connection, or null when that read failed (its message has
    // been shown). The upload's result stays true either way.
    std::function<void(const SettingRecord* readBack)> verify;
};

// Uploads an already-written document: the confirmation steps; over the
// serial link the size rule and compression, then the port, the unit check
// and the send with echo 2 and result polling; over a network link the unit
// check first, then the size rule, compression and the put. Returns whether
// the unit took the document; every failure has shown its message.
bool UploadSettingObject(LinkState& link, Interaction& ui, Profile& profile,
                         const std::string& document, const UploadOptions& upload = {},
                         const LinkOptions& options = {});

// The upload of the configuration hub: the full document of record, with the
// firmware check against the unit's version.
// upload carries the review and verify steps (its acceptUnit is replaced).
bool UploadSetting(LinkState& link, Interaction& ui, Profile& profile, const SettingRecord& record,
                   const LinkOptions& options = {}, UploadOptions upload = {});

}  // namespace volmar
