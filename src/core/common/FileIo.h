#pragma once
// Whole-file reads with a size bound, and atomic writes: the bytes go to a
// temporary file in the same folder, are synced, and replace the target by
// rename, so a failure never leaves half a file.
#include <cstddef>
#include <string>
#include <string_view>

#include "core/common/UniqueFd.h"

namespace volmar {

// Reads the whole file; fails (with a reason) when it cannot be read or is
// larger than maxBytes.
bool ReadWholeFile(const std::string& path, size_t maxBytes, std::string& out, std::string* error = nullptr);

bool WriteFileAtomically(const std::string& path, std::string_view data, std::string* error = nullptr);

// A file written piece by piece that replaces path only when committed. The
// new file is made beside path with the mode the umask gives (0666 & ~umask,
// as any program creating a file); when path exists, the new file takes
// over its mode, so a file the user restricted stays restricted. Dropped
// without Commit(), the new file is removed and path stays as it was.
class AtomicFile {
public:
    AtomicFile() = default;
    ~AtomicFile() { Discard(); }
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    bool Open(const std::string& path, std::string* error = nullptr);
    bool IsOpen() const { return m_fd.Valid(); }
    // False once any write has failed; the file is then never committed.
    bool Write(std::string_view data);
    // Syncs the new file and renames it over path (false, with the reason,
    // when that or an earlier write failed; the new file is then removed).
    bool Commit(std::string* error = nullptr);
    void Discard();

private:
    std::string m_path;
    std::string m_temp;
    UniqueFd m_fd;
    int m_writeError = 0;
};

}  // namespace volmar
