#pragma once
// The user-defined browser view: the files of one flat folder packed into a
// directory container and a data container, compressed and sent to the
// unit. Both containers are built in memory; nothing is written to disk.
//
// Directory entry (64 bytes, little-endian): "/" + UTF-8 name + NUL in 32
// bytes; year, month, day, hour, minute, second of the last write (UTC) as
// 16-bit values; the file's offset in the data blob and its length as 32-bit
// values; 12 zero bytes. An all-zero entry ends the list. The data blob is
// the files' bytes in the same order (by name). A container is the magic
// 0x5A5A5A5A, the padded blob length, the sum of the padded blob's 32-bit
// words mod 2^32 and a zero word, then the blob padded with zeros to a
// multiple of 4.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/common/Message.h"
#include "core/link/transfer/LinkContext.h"

namespace volmar {

constexpr uint32_t kUserViewMagic = 0x5A5A5A5A;
constexpr size_t kUserViewMaxFiles = 1024;
constexpr size_t kUserViewMaxName = 24;
constexpr size_t kUserViewMaxFileSize = 1048576;
constexpr size_t kUserViewDataCapacity = 0x3E0000;
constexpr size_t kUserViewDirCapacity = 0x20000;
constexpr size_t kUserViewEntrySize = 64;

// The container around blob.
std::vector<uint8_t> WrapUserViewBlob(std::span<const uint8_t> blob);

struct UserViewContainers {
    std::vector<uint8_t> directory;
    std::vector<uint8_t> data;
};

// Scans folder (flat; directories whose name starts with "." are skipped,
// files of any name are packed) and builds both containers, uncompressed.
// Each file is read with a bound and only regular files are taken. On
// failure returns false with the message to show.
bool BuildUserViewContainers(const std::string& folder, UserViewContainers& out, Message* error);

// BuildUserViewContainers, then each container compressed.
bool PackUserView(const std::string& folder, UserViewContainers& compressed, Message* error);

// Sends "UDAT_P", and only after it succeeded "UDIR_P"; "Completed" on
// success, "Failed to upload user defined browser view file." otherwise.
bool UploadUserView(LinkContext& ctx, const UserViewContainers& compressed);

// Sends "DEL" 0x0A, and only after it succeeded "DEL" 0x0B.
bool ResetUserView(LinkContext& ctx);

}  // namespace volmar
