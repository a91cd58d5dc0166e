#pragma once
// What the two small network editors of the main window share: the download
// of the unit's setting before the editor opens, and the upload of their
// partial document, which goes over the serial link only.
#include <string>

class QWidget;

namespace volmar {
struct SettingRecord;
}

namespace volmar::gui {

struct AppContext;

// The unit's setting into record (the login first when the unit asks for
// it, then the download behind "Please wait"); false when it failed or was
// cancelled, with its message shown.
bool DownloadForEditor(AppContext& ctx, QWidget* parent, SettingRecord& record);

// Sends document as the setting object over the serial link (unit check,
// transfer with echo 2, result polling) behind "Please wait". Over a network
// link nothing is sent and the result is false. The caller has asked
// "Are you sure to upload?" already.
bool UploadPartialDocument(AppContext& ctx, QWidget* parent, const std::string& document);

}  // namespace volmar::gui
