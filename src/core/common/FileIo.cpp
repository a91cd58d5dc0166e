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
    m_path = path;
    for (int attempt = 0; attempt < 100; ++attempt) {
        m_temp = TempNameBeside(path);
        // 0666: the kernel takes the umask (or the folder's default ACL) off.
        m_fd.Reset(::open(m_temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666));
        if (m_fd || errno != EEXIST) break;
    }
    if (!m_fd) {
        SetError(error, path, errno);
        m_temp.clear();
        return false;
    }
    m_writeError = 0;
    return true;
}

bool AtomicFile::Write(std::string_view data)
{
    if (!m_fd) return false;
    while (!data.empty() && m_writeError == 0) {
        const ssize_t n = ::write(m_fd.Get(), data.data(), data.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            m_writeError = n < 0 ? errno : EIO;
            break;
        }
        data.remove_prefix(static_cast<size_t>(n));
    }
    return m_writeError == 0;
}

bool AtomicFile::Commit(std::string* error)
{
    if (!m_fd) {
        SetError(error, m_path, EBADF);
        return false;
    }
    int err = m_writeError;
    struct stat st {};
    if (err == 0 && ::stat(m_path.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
        ::fchmod(m_fd.Get(), st.st_mode & 07777) != 0)
        err = errno;
    if (err == 0 && ::fsync(m_fd.Get()) != 0) err = errno;
    if (::close(m_fd.Release()) != 0 && err == 0) err = errno;
    if (err == 0 && ::rename(m_temp.c_str(), m_path.c_str()) != 0) err = errno;
    if (err != 0) {
        ::unlink(m_temp.c_str());
        m_temp.clear();
        SetError(error, m_path, err);
        return false;
    }
    m_temp.clear();
    return true;
}

void AtomicFile::Discard()
{
    if (!m_fd) return;
    m_fd.Reset();
    ::unlink(m_temp.c_str());
    m_temp.clear();
}

}  // namespace volmar
