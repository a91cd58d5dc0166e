#pragma once
// What a device command works with: the preferences, the link chosen by the
// options (--serial, --host, --unit, --port, --protocol) or the preferences,
// and the terminal's interaction (--yes, --quiet, --login, --password).
#include <memory>

#include "cli/Args.h"
#include "cli/CliInteraction.h"
#include "core/common/Profile.h"
#include "core/link/transfer/LinkState.h"
#include "core/settings/SettingRecord.h"

namespace volmar::cli {

struct Session {
    std::unique_ptr<Profile> profile;
    LinkState link;
    std::unique_ptr<CliInteraction> ui;
};

// False (with the reason on stderr) for conflicting or bad link options.
bool BuildSession(const Args& args, Console& console, Session& s);

// The preferences: the user's own, or the INI file named by VOLMAR_PROFILE
// (scripts and tests keep theirs apart that way).
std::unique_ptr<Profile> OpenProfile();
// --port and --protocol into link; false (the reason on stderr) when bad.
bool ReadPortAndProtocol(const Args& args, Console& console, LinkState& link);
// --yes, --quiet, --login, and --password or VOLMAR_PASSWORD.
CliAnswers ReadAnswers(const Args& args);
// Reads the settings file to upload or compare into record; kExitOk when it
// is usable, else the exit code (its verdict is on stderr).
int LoadSettingsFile(const Args& args, Console& console, const std::string& path, SettingRecord& record);

// The link options' part of a device command's --help.
extern const char* const kLinkOptionsHelp;

}  // namespace volmar::cli
