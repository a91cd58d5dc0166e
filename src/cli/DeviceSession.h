#pragma once
// What a device command works with: the preferences, the link chosen by the
// options (--serial, --host, --unit, --port, --protocol) or the preferences,
// and the terminal's interaction (--yes, --quiet, --login, --password).
#include <memory>

#include "cli/Args.h"
#include "cli/CliInteraction.h"
#include "core/common/Profile.h"
#include "core/link/transfer/LinkState.h"

namespace volmar::cli {

struct Session {
    std::unique_ptr<Profile> profile;
    LinkState link;
    std::unique_ptr<CliInteraction> ui;
};

// False (with the reason on stderr) for conflicting or bad link options.
bool BuildSession(const Args& args, Console& console, Session& s);

// The link options' part of a device command's --help.
extern const char* const kLinkOptionsHelp;

}  // namespace volmar::cli
