#pragma once
// The Changes window in the device flows of a window: the review of the
// unit's setting before an upload and the read-back after it (as the
// preferences ask), and the hub's comparison of the edited setting with a
// settings file or with the connected unit.
#include <string>

#include "core/link/transfer/SettingUpload.h"
#include "core/settings/SettingRecord.h"

class QWidget;

namespace volmar::gui {

struct AppContext;

// Sets upload.reviewChanges and upload.verify when "Show changes before
// upload" and "Verify after upload" are on. Both open the window on the
// window's thread while the upload waits; document is what the upload sends.
void AddChangeSteps(UploadOptions& upload, AppContext& ctx, const std::string& document);

// The edited setting against the settings file at path ("Failed to Open
// File" when it cannot be read).
void CompareWithFile(const SettingRecord& edited, AppContext& ctx, QWidget* parent, const std::string& path);

// The edited setting against the unit's: the unit's setting is downloaded
// (access-mode confirmation and login as for any download) behind
// "Please wait", then the window shows what an upload would change.
void CompareWithUnit(const SettingRecord& edited, AppContext& ctx, QWidget* parent);

}  // namespace volmar::gui
