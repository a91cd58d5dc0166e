#include "gui/hub/SettingUploadStep.h"

#include <QWidget>

#include "gui/common/AppContext.h"
#include "gui/hub/ChangeSteps.h"
#include "gui/common/BackgroundJob.h"
#include "gui/link/EarlyLogin.h"
#include "core/link/transfer/FirmwareCheck.h"
#include "core/link/transfer/Login.h"
#include "core/link/transfer/SettingUpload.h"
#include "core/link/transfer/UnitMessages.h"
#include "gui/maintenance/CDlgSetIdPwd.h"
#include "core/settings/DocumentWriter.h"

namespace volmar::gui {

bool UploadFromHub(SettingRecord& record, AppContext& ctx, QWidget* parent,
                   const std::function<void()>& linkShown, const LinkOptions& options)
{
    OperationWindow owner(parent);
    // The questions that need no unit come first, on the window's thread and
    // without "Please wait".
    if (!CheckCredentialsBeforeUpload(record, ctx, parent)) return false;
    if (!ctx.ui.Confirm({MessageIcon::Information, kMsgConfirmUpload})) return false;
    const bool confirmed = ConfirmAccessModeIfOn(ctx.link, ctx.ui, ctx.profile);
    // The user may have changed the link in the confirmation.
    if (linkShown) linkShown();
    if (!confirmed) return false;
    EarlyLogin login(ctx.link, ctx.ui);
    if (!login.Ask()) return false;

    UploadOptions upload;
    upload.askConfirmation = false;
    upload.confirmAccessMode = false;
    upload.acceptUnit = [&](const UnitStatus& status) {
        if (auto refused = CheckUnitFirmware(record, UnitMajor(status), UnitMinor(status))) {
            ctx.ui.Show(*refused);
            return false;
        }
        return true;
    };
    // Written here, so that the worker never reads the window's record.
    const std::string document = WriteSettingDocument(record);
    // The unit's setting is read and compared before the send and read back
    // after it, over the same port or connection, as the preferences ask.
    AddChangeSteps(upload, ctx, document);
    // The unit check and the transfer run off the window's thread behind
    // "Please wait", so a slow unit never freezes the hub.
    const bool uploaded = RunBehindWaitWindow(
        parent, [&] { return UploadSettingObject(ctx.link, login.Ui(), ctx.profile, document, upload, options); });
    if (linkShown) linkShown();
    return uploaded;
}

}  // namespace volmar::gui
