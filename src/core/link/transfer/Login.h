#pragma once
// The access-mode confirmation and the login prompt that open a device
// operation.
#include "core/common/Profile.h"

namespace volmar {

class Interaction;
struct LinkState;

// Runs the access-mode confirmation when the preference "CONNECT_CONFIRM"
// is on (the default); true when the operation may go on.
bool ConfirmAccessModeIfOn(LinkState& link, Interaction& ui, Profile& profile);

// True at once when the user has logged in. Otherwise asks for the login ID
// and password until both are at most 16 characters ("Invalid login ID
// and/or password" in between) and stores them in the link state; false on
// Cancel, with no message.
bool PromptLogin(LinkState& link, Interaction& ui);

}  // namespace volmar
