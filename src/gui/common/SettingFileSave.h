#pragma once
// Saving a settings document to the file the user chose. The bytes go to a
// temporary file beside it that replaces it only once complete, so a failed
// save leaves the old file (or none) rather than half a document.
#include <string>
#include <string_view>

namespace volmar::gui {

enum class SaveOutcome {
    Saved,
    CannotOpen,   // the file cannot be written there at all
    WriteFailed,  // writing, syncing or replacing failed
};

// error, when given, receives the reason of a failure ("PATH: reason").
SaveOutcome SaveSettingFile(const std::string& path, std::string_view document, std::string* error = nullptr);

}  // namespace volmar::gui
