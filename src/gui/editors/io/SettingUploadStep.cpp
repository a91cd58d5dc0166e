#include "editors/io/SettingUploadStep.h"

#include <QMetaObject>
#include <QWidget>

#include "app/AppContext.h"
#include "link/DeviceOperation.h"
#include "link/transfer/SettingUpload.h"
#include "maintenance/CDlgSetIdPwd.h"

namespace volmar::gui {
namespace {

// Passes everything to the application's interaction and reports when the
// access mode has been confirmed.
class LinkWatchingInteraction final : public Interaction {
public:
    LinkWatchingInteraction(Interaction& inner, const std::function<void()>& confirmed)
        : inner_(inner), confirmed_(confirmed)
    {
    }

    void Show(const Message& message) override { inner_.Show(message); }
    bool Confirm(const Message& question) override { return inner_.Confirm(question); }
    bool ConfirmAccessMode(LinkState& link) override
    {
        const bool ok = inner_.ConfirmAccessMode(link);
        if (confirmed_) confirmed_();
        return ok;
    }
    bool AskLogin(std::string& id, std::string& password) override { return inner_.AskLogin(id, password); }
    void RunTransfer(const TransferView& view, const std::function<void()>& work) override
    {
        inner_.RunTransfer(view, work);
    }
    void Pause(int milliseconds) override { inner_.Pause(milliseconds); }

private:
    Interaction& inner_;
    const std::function<void()>& confirmed_;
};

}  // namespace

bool UploadFromHub(SettingRecord& record, AppContext& ctx, QWidget* parent,
                   const std::function<void()>& linkShown, const LinkOptions& options)
{
    if (!CheckCredentialsBeforeUpload(record, ctx, parent)) return false;
    // The upload runs off the window's thread behind "Please wait", so a slow
    // unit never freezes the hub; the link lines are refreshed on the
    // window's thread.
    std::function<void()> shown;
    if (linkShown) {
        shown = [parent, linkShown] {
            if (parent) {
                QMetaObject::invokeMethod(parent, linkShown, Qt::QueuedConnection);
            } else {
                linkShown();
            }
        };
    }
    LinkWatchingInteraction ui(ctx.ui, shown);
    const bool uploaded =
        RunDeviceOperation(parent, [&] { return UploadSetting(ctx.link, ui, ctx.profile, record, options); });
    if (linkShown) linkShown();
    return uploaded;
}

}  // namespace volmar::gui
