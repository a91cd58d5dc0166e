#include "gui/common/SettingFileSave.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "core/common/FileIo.h"

namespace volmar::gui {
namespace {

std::string FolderOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// What opening the file for writing would have said: an existing file must
// be a writable regular file (a read-only file stays untouched, as it would
// with a plain overwrite), and its folder must take a new file. 0 when it
// can, else the errno that says why.
int WriteRefusal(const std::string& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) return EISDIR;
        if (!S_ISREG(st.st_mode)) return EINVAL;
        if (::access(path.c_str(), W_OK) != 0) return errno;
    }
    return ::access(FolderOf(path).c_str(), W_OK | X_OK) == 0 ? 0 : errno;
}

}  // namespace

SaveOutcome SaveSettingFile(const std::string& path, std::string_view document, std::string* error)
{
    const int refusal = path.empty() ? ENOENT : WriteRefusal(path);
    if (refusal != 0) {
        if (error) *error = path + ": " + std::strerror(refusal);
        return SaveOutcome::CannotOpen;
    }
    return WriteFileAtomically(path, document, error) ? SaveOutcome::Saved : SaveOutcome::WriteFailed;
}

}  // namespace volmar::gui
