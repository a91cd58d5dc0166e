#include "core/common/FileIo.h"

#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstring>

namespace volmar {
namespace {

void SetError(std::string* error, const std::string& what, int err)
{
    if (error) *error = what + ": " + std::strerror(err);
}

std::string DirectoryOf(const std::string& path)
{
    size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// A name for the new file beside path that no one else picks: ".volmar-"
// and six random letters or digits.
std::string TempNameBeside(const std::string& path)
{
    static constexpr char kChars[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    uint8_t bytes[6] = {};
    if (::getrandom(bytes, sizeof bytes, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof bytes)) {
        // No randomness yet (early boot): O_EXCL keeps a clash harmless.
        static std::atomic<uint64_t> counter{0};
        uint64_t mix = static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) +
                       counter.fetch_add(1) * 0x9E3779B97F4A7C15ull;
        for (uint8_t& b : bytes) b = static_cast<uint8_t>(mix >>= 7);
    }
    std::string name = DirectoryOf(path) + "/.volmar-";
    for (uint8_t b : bytes) name += kChars[b % (sizeof kChars - 1)];
    return name;
}

}  // namespace

bool ReadWholeFile(const std::string& path, size_t maxBytes, std::string& out, std::string* error)
{
    UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd) {
        SetError(error, path, errno);
        return false;
    }
    struct stat st {};
    if (::fstat(fd.Get(), &st) == 0 && S_ISDIR(st.st_mode)) {
        SetError(error, path, EISDIR);
        return false;
    }
    out.clear();
    char buf[65536];
    for (;;) {
        ssize_t n = ::read(fd.Get(), buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR) continue;
            SetError(error, path, errno);
            return false;
        }
        if (n == 0) break;
        if (out.size() + static_cast<size_t>(n) > maxBytes) {
            if (error) *error = path + ": file is too large (more than " + std::to_string(maxBytes) + " bytes)";
            return false;
        }
        out.append(buf, static_cast<size_t>(n));
    }
    return true;
}

bool WriteFileAtomically(const std::string& path, std::string_view data, std::string* error)
{
    AtomicFile file;
    if (!file.Open(path, error)) return false;
    file.Write(data);
    return file.Commit(error);
}

bool AtomicFile::Open(const std::string& path, std::string* error)
{
    Discard();
    path_ = path;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp_ = TempNameBeside(path);
        // 0666: the kernel takes the umask (or the folder's default ACL) off.
        fd_.Reset(::open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666));
        if (fd_ || errno != EEXIST) break;
    }
    if (!fd_) {
        SetError(error, path, errno);
        temp_.clear();
        return false;
    }
    writeError_ = 0;
    return true;
}

bool AtomicFile::Write(std::string_view data)
{
    if (!fd_) return false;
    while (!data.empty() && writeError_ == 0) {
        const ssize_t n = ::write(fd_.Get(), data.data(), data.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            writeError_ = n < 0 ? errno : EIO;
            break;
        }
        data.remove_prefix(static_cast<size_t>(n));
    }
    return writeError_ == 0;
}

bool AtomicFile::Commit(std::string* error)
{
    if (!fd_) {
        SetError(error, path_, EBADF);
        return false;
    }
    int err = writeError_;
    struct stat st {};
    if (err == 0 && ::stat(path_.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
        ::fchmod(fd_.Get(), st.st_mode & 07777) != 0)
        err = errno;
    if (err == 0 && ::fsync(fd_.Get()) != 0) err = errno;
    if (::close(fd_.Release()) != 0 && err == 0) err = errno;
    if (err == 0 && ::rename(temp_.c_str(), path_.c_str()) != 0) err = errno;
    if (err != 0) {
        ::unlink(temp_.c_str());
        temp_.clear();
        SetError(error, path_, err);
        return false;
    }
    temp_.clear();
    return true;
}

void AtomicFile::Discard()
{
    if (!fd_) return;
    fd_.Reset();
    ::unlink(temp_.c_str());
    temp_.clear();
}

}  // namespace volmar
