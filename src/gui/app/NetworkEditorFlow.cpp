#include "gui/app/NetworkEditorFlow.h"

#include "gui/common/AppContext.h"
#include "gui/common/BackgroundJob.h"
#include "gui/link/EarlyLogin.h"
#include "core/link/session/SessionFactory.h"
#include "core/link/transfer/SettingDownload.h"
#include "core/link/transfer/SettingUpload.h"

namespace volmar::gui {

bool DownloadForEditor(AppContext& ctx, QWidget* parent, SettingRecord& record)
{
    OperationWindow owner(parent);
    EarlyLogin login(ctx.link, ctx.ui);
    if (!login.Ask()) return false;
    return RunBehindWaitWindow(
        parent, [&] { return DownloadSetting(ctx.link, login.Ui(), ctx.profile, record, ctx.linkOptions); });
}

bool UploadPartialDocument(AppContext& ctx, QWidget* parent, const std::string& document)
{
    if (!SerialLinkSelected(ctx.link)) return false;
    OperationWindow owner(parent);
    UploadOptions upload;
    upload.askConfirmation = false;
    upload.confirmAccessMode = false;
    return RunBehindWaitWindow(parent, [&] {
        return UploadSettingObject(ctx.link, ctx.ui, ctx.profile, document, upload, ctx.linkOptions);
    });
}

}  // namespace volmar::gui
