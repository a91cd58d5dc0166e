#pragma once
// "Upload to device" of the configuration hub: the ID/password guidance,
// then the upload of the whole setting with the firmware check.
#include <functional>

#include "core/link/transfer/LinkContext.h"
#include "core/settings/SettingRecord.h"

class QWidget;

namespace volmar::gui {

struct AppContext;

// Returns whether the unit took the setting; every failure has shown its
// message. The ID/password guidance, "Are you sure to upload?" and the
// access-mode confirmation (and the login, when the unit is known to speak
// the encrypted protocol) are asked on the window's thread before the unit
// is touched; the unit check and the transfer run behind "Please wait".
// linkShown runs once the access mode has been confirmed (the user may have
// changed the link there) and at the end, so that the caller's link lines
// follow.
bool UploadFromHub(SettingRecord& record, AppContext& ctx, QWidget* parent,
                   const std::function<void()>& linkShown, const LinkOptions& options = {});

}  // namespace volmar::gui
