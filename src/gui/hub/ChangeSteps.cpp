#include "gui/hub/ChangeSteps.h"

#include <memory>
#include <utility>

#include "gui/common/AppContext.h"
#include "gui/app/NetworkEditorFlow.h"
#include "gui/hub/CDlgChanges.h"
#include "core/compare/SettingChanges.h"
#include "gui/common/BackgroundJob.h"
#include "gui/common/SettingFileRead.h"
#include "gui/link/GuiInteraction.h"
#include "gui/common/WindowThread.h"
#include "core/link/transfer/Login.h"
#include "core/settings/DocumentWriter.h"

namespace volmar::gui {
namespace {

// Opens the window above the running operation's window (or parent) and
// returns whether the user chose "Upload".
bool ShowChanges(ChangesView view, AppContext& ctx, QWidget* parent = nullptr)
{
    return OnWindows([&] {
        OperationAside aside(true);
        CDlgChanges dialog(std::move(view), &ctx.profile, parent ? parent : DialogParent());
        const bool accepted = dialog.exec() == QDialog::Accepted;
        ReturnFocus(dialog.parentWidget());
        return accepted;
    });
}

bool PrefOn(AppContext& ctx, const char* key) { return ctx.profile.GetInt(kProfileSection, key, 1) != 0; }

}  // namespace

void AddChangeSteps(UploadOptions& upload, AppContext& ctx, const std::string& document)
{
    if (PrefOn(ctx, kPrefShowChanges)) {
        upload.reviewChanges = [&ctx, &document](const UnitSetting& onUnit, size_t uploadBytes) {
            ChangesView view;
            view.mode = ChangesMode::BeforeUpload;
            view.differences = ChangesOfDocument(onUnit.record, document);
            if (onUnit.serial) view.serialSeconds = std::pair{SerialSeconds(onUnit.payloadBytes), SerialSeconds(uploadBytes)};
            return ShowChanges(std::move(view), ctx);
        };
    }
    if (PrefOn(ctx, kPrefVerifyUpload)) {
        upload.verify = [&ctx, &document](const SettingRecord* readBack) {
            if (!readBack) return;  // the read's failure has been shown
            ChangesView view;
            view.mode = ChangesMode::AfterUpload;
            view.rightTitle = QStringLiteral("Uploaded");
            view.differences = ChangesOfDocument(*readBack, document);
            ShowChanges(std::move(view), ctx);
        };
    }
}

void CompareWithFile(const SettingRecord& edited, AppContext& ctx, QWidget* parent, const std::string& path)
{
    auto file = std::make_unique<SettingRecord>();
    if (!ReadSettingsFile(ctx, path, *file)) return;
    ChangesView view;
    view.leftTitle = QStringLiteral("In the file");
    view.rightTitle = QStringLiteral("Edited");
    view.differences = ChangesOfDocument(*file, WriteSettingDocument(edited));
    ShowChanges(std::move(view), ctx, parent);
}

void CompareWithUnit(const SettingRecord& edited, AppContext& ctx, QWidget* parent)
{
    if (!ConfirmAccessModeIfOn(ctx.link, ctx.ui, ctx.profile)) return;
    auto unit = std::make_unique<SettingRecord>();
    ResetSettingRecord(*unit);
    if (!DownloadForEditor(ctx, parent, *unit)) return;
    ChangesView view;
    view.rightTitle = QStringLiteral("Edited");
    view.differences = ChangesOfDocument(*unit, WriteSettingDocument(edited));
    ShowChanges(std::move(view), ctx, parent);
}

}  // namespace volmar::gui
