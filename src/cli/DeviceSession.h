#pragma once
// What a device command works with, built from the link options and the
// preferences: the profile, the link state and the terminal interaction.
#include <memory>

#include "cli/Args.h"
#include "cli/CliInteraction.h"
#include "common/Profile.h"
#include "link/transfer/LinkState.h"

namespace volmar::cli {

struct Session {
    std::unique_ptr<Profile> profile;
    LinkState link;
    std::unique_ptr<CliInteraction> ui;
};

// False (with the reason on stderr) when the link options do not fit.
bool BuildSession(const Args& args, Session& s);

}  // namespace volmar::cli
