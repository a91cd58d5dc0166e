#include "core/link/transfer/Login.h"

#include <string>

#include "core/link/transfer/Interaction.h"
#include "core/link/transfer/LinkState.h"
#include "core/link/transfer/UnitMessages.h"
#include "core/settings/TextConvert.h"

namespace volmar {

bool ConfirmAccessModeIfOn(LinkState& link, Interaction& ui, Profile& profile)
{
    if (profile.GetInt(kProfileSection, kPrefConnectConfirm, 1) == 0) return true;
    return ui.ConfirmAccessMode(link);
}

bool PromptLogin(LinkState& link, Interaction& ui)
{
    if (link.loggedIn == 1) return true;
    for (;;) {
        std::string id;
        std::string password;
        if (!ui.AskLogin(id, password)) return false;
        // Counted in UTF-16 units, as the edit fields count them, so that 16
        // of them always fit the 48 bytes of the link state. Bytes that are
        // not UTF-8 are stored as U+FFFD.
        const std::u16string wideId = Utf8ToWide(id);
        const std::u16string widePassword = Utf8ToWide(password);
        if (wideId.size() <= kMaxCredentialChars && widePassword.size() <= kMaxCredentialChars) {
            link.SetCredentials(WideToUtf8(wideId), WideToUtf8(widePassword));
            return true;
        }
        ui.Show({MessageIcon::Error, kMsgInvalidLogin});
    }
}

}  // namespace volmar
