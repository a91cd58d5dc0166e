#pragma once
// Whole-file reads with a size bound, and atomic writes: the bytes go to a
// temporary file in the same folder, are synced, and replace the target by
// rename, so a failure never leaves half a file.
#include <cstddef>
#include <string>
#include <string_view>

namespace volmar {

// Reads the whole file; fails (with a reason) when it cannot be read or is
// larger than maxBytes.
bool ReadWholeFile(const std::string& path, size_t maxBytes, std::string& out, std::string* error = nullptr);

bool WriteFileAtomically(const std::string& path, std::string_view data, std::string* error = nullptr);

}  // namespace volmar
