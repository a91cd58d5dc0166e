#include "core/maintenance/UserView.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <memory>

#include "core/common/UniqueFd.h"
#include "core/maintenance/MaintenanceTexts.h"
#include "core/maintenance/MaintenanceTransfer.h"
#include "core/settings/Gzlib.h"

namespace volmar {
namespace {

void Put16(uint8_t* p, unsigned v)
{
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}

void Put32(uint8_t* p, uint32_t v)
{
    for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

bool Fail(Message* error, std::string text)
{
    if (error) *error = {MessageIcon::Error, std::move(text)};
    return false;
}

struct FolderEntry {
    std::string name;
    bool directory = false;
};

// The folder's entries sorted by name (the order of readdir is arbitrary).
bool ListFolder(int dirFd, std::vector<FolderEntry>& entries)
{
    DIR* dir = fdopendir(dup(dirFd));
    if (!dir) return false;
    const std::unique_ptr<DIR, int (*)(DIR*)> closer(dir, closedir);
    while (const dirent* e = readdir(dir)) {
        FolderEntry entry{e->d_name};
        struct stat st {};
        entry.directory = fstatat(dirFd, e->d_name, &st, 0) == 0 && S_ISDIR(st.st_mode);
        entries.push_back(std::move(entry));
        if (entries.size() > 64 * kUserViewMaxFiles) break;  // enough to refuse the folder
    }
    std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
    return true;
}

// Reads one regular file of at most kUserViewMaxFileSize bytes; a file that
// is not regular (a FIFO would block the read) is refused, and the length is
// what the reads returned, not what the size said.
bool ReadEntryFile(int dirFd, const std::string& name, std::vector<uint8_t>& bytes, std::tm& written,
                   Message* error)
{
    UniqueFd fd(openat(dirFd, name.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat st {};
    if (!fd || fstat(fd.Get(), &st) != 0 || !S_ISREG(st.st_mode))
        return Fail(error, std::string(kMsgUserViewRead) + "\n" + name);
    if (static_cast<uint64_t>(st.st_size) > kUserViewMaxFileSize) return Fail(error, kMsgMaxFileSize + name);
    bytes.assign(kUserViewMaxFileSize + 1, 0);
    size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t n = read(fd.Get(), bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return Fail(error, std::string(kMsgUserViewRead) + "\n" + name);
        if (n == 0) break;
        got += static_cast<size_t>(n);
    }
    if (got > kUserViewMaxFileSize) return Fail(error, kMsgMaxFileSize + name);
    bytes.resize(got);
    const time_t seconds = st.st_mtim.tv_sec;
    gmtime_r(&seconds, &written);
    return true;
}

void AppendEntry(std::vector<uint8_t>& dir, const std::string& name, const std::tm& t, uint32_t offset,
                 uint32_t length)
{
    uint8_t e[kUserViewEntrySize] = {};
    e[0] = '/';
    std::memcpy(e + 1, name.data(), name.size());
    const unsigned fields[6] = {static_cast<unsigned>(t.tm_year + 1900), static_cast<unsigned>(t.tm_mon + 1),
                                static_cast<unsigned>(t.tm_mday),        static_cast<unsigned>(t.tm_hour),
                                static_cast<unsigned>(t.tm_min),         static_cast<unsigned>(t.tm_sec)};
    for (int i = 0; i < 6; ++i) Put16(e + 32 + 2 * i, fields[i]);
    Put32(e + 44, offset);
    Put32(e + 48, length);
    dir.insert(dir.end(), e, e + sizeof e);
}

bool Compress(const std::vector<uint8_t>& container, std::vector<uint8_t>& out)
{
    auto zip = std::make_unique<CGzlib>();
    if (!zip->Compress(container.data(), container.size())) return false;
    out.assign(zip->Compressed(), zip->Compressed() + zip->CompressedLength());
    return true;
}

bool SendContainer(LinkContext& ctx, const char* object, const std::vector<uint8_t>& bytes, uint8_t echo)
{
    auto job = TransferJob::Send(object, bytes, echo);
    return RunMaintenanceTransfer(ctx, job);
}

bool SendDelete(LinkContext& ctx, uint8_t step)
{
    const std::vector<uint8_t> byte = {step};
    return SendContainer(ctx, kObjDelete, byte, kEchoDelete);
}

}  // namespace

std::vector<uint8_t> WrapUserViewBlob(std::span<const uint8_t> blob)
{
    const size_t padded = (blob.size() + 3) / 4 * 4;
    std::vector<uint8_t> out(16 + padded, 0);
    std::copy(blob.begin(), blob.end(), out.begin() + 16);
    uint32_t sum = 0;
    for (size_t i = 16; i < out.size(); i += 4)
        sum += static_cast<uint32_t>(out[i]) | static_cast<uint32_t>(out[i + 1]) << 8 |
               static_cast<uint32_t>(out[i + 2]) << 16 | static_cast<uint32_t>(out[i + 3]) << 24;
    Put32(out.data(), kUserViewMagic);
    Put32(out.data() + 4, static_cast<uint32_t>(padded));
    Put32(out.data() + 8, sum);
    return out;
}

bool BuildUserViewContainers(const std::string& folder, UserViewContainers& out, Message* error)
{
    UniqueFd dirFd(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    std::vector<FolderEntry> entries;
    if (!dirFd || !ListFolder(dirFd.Get(), entries)) return Fail(error, kMsgFolderNotFound);

    std::vector<uint8_t> dir;
    std::vector<uint8_t> data;
    std::vector<uint8_t> bytes;
    size_t files = 0;
    for (const FolderEntry& entry : entries) {
        if (entry.directory) {
            if (entry.name.starts_with('.')) continue;
            return Fail(error, kMsgSubfolder);
        }
        if (++files > kUserViewMaxFiles) return Fail(error, kMsgMaxFiles);
        if (entry.name.size() > kUserViewMaxName) return Fail(error, kMsgMaxNameLength + entry.name);
        std::tm written{};
        if (!ReadEntryFile(dirFd.Get(), entry.name, bytes, written, error)) return false;
        AppendEntry(dir, entry.name, written, static_cast<uint32_t>(data.size()), static_cast<uint32_t>(bytes.size()));
        data.insert(data.end(), bytes.begin(), bytes.end());
        if (data.size() + 16 > kUserViewDataCapacity) return Fail(error, kMsgUserViewOverCapacity);
    }
    if (files == 0) return Fail(error, kMsgNoFileInFolder);
    dir.resize(dir.size() + kUserViewEntrySize, 0);

    out.directory = WrapUserViewBlob(dir);
    out.data = WrapUserViewBlob(data);
    if (out.directory.size() > kUserViewDirCapacity || out.data.size() > kUserViewDataCapacity)
        return Fail(error, kMsgUserViewOverCapacity);
    return true;
}

bool PackUserView(const std::string& folder, UserViewContainers& compressed, Message* error)
{
    UserViewContainers plain;
    if (!BuildUserViewContainers(folder, plain, error)) return false;
    if (!Compress(plain.directory, compressed.directory) || !Compress(plain.data, compressed.data))
        return Fail(error, kMsgUserViewCompress);
    return true;
}

bool UploadUserView(LinkContext& ctx, const UserViewContainers& compressed)
{
    const bool ok = SendContainer(ctx, kObjUserData, compressed.data, kEchoUserData) &&
                    SendContainer(ctx, kObjUserDir, compressed.directory, kEchoUserDir);
    ctx.ui.Show(ok ? Message{MessageIcon::Information, kMsgCompleted} : Message{MessageIcon::Error, kMsgUserViewUpload});
    return ok;
}

bool ResetUserView(LinkContext& ctx) { return SendDelete(ctx, 0x0A) && SendDelete(ctx, 0x0B); }

}  // namespace volmar
