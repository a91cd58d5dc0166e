#include "editors/io/SettingUploadStep.h"

#include "app/AppContext.h"
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
    LinkWatchingInteraction ui(ctx.ui, linkShown);
    const bool uploaded = UploadSetting(ctx.link, ui, ctx.profile, record, options);
    if (linkShown) linkShown();
    return uploaded;
}

}  // namespace volmar::gui
