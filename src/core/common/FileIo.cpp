#include "common/FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace volmar {
namespace {

void SetError(std::string* error, const std::string& what, int err)
{
    if (error) *error = what + ": " + std::strerror(err);
}

// Closes a descriptor on every path.
class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd()
    {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    int release()
    {
        int fd = fd_;
        fd_ = -1;
        return fd;
    }

private:
    int fd_;
};

std::string DirectoryOf(const std::string& path)
{
    size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

}  // namespace

bool ReadWholeFile(const std::string& path, size_t maxBytes, std::string& out, std::string* error)
{
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        SetError(error, path, errno);
        return false;
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) == 0 && S_ISDIR(st.st_mode)) {
        SetError(error, path, EISDIR);
        return false;
    }
    out.clear();
    char buf[65536];
    for (;;) {
        ssize_t n = ::read(fd.get(), buf, sizeof buf);
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
    std::string tmpl = DirectoryOf(path) + "/.volmar-XXXXXX";
    std::vector<char> name(tmpl.begin(), tmpl.end());
    name.push_back('\0');
    Fd fd(::mkostemp(name.data(), O_CLOEXEC));
    if (fd.get() < 0) {
        SetError(error, path, errno);
        return false;
    }
    const char* p = data.data();
    size_t left = data.size();
    bool ok = true;
    int err = 0;
    while (left > 0) {
        ssize_t n = ::write(fd.get(), p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            ok = false;
            err = errno;
            break;
        }
        p += n;
        left -= static_cast<size_t>(n);
    }
    if (ok) {
        // A replaced file keeps its permissions; a new one is readable by all.
        struct stat st {};
        mode_t mode = (::stat(path.c_str(), &st) == 0) ? (st.st_mode & 07777) : 0644;
        (void)::fchmod(fd.get(), mode);
    }
    if (ok && ::fsync(fd.get()) != 0) {
        ok = false;
        err = errno;
    }
    if (::close(fd.release()) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (ok && ::rename(name.data(), path.c_str()) != 0) {
        ok = false;
        err = errno;
    }
    if (!ok) {
        ::unlink(name.data());
        SetError(error, path, err);
        return false;
    }
    return true;
}

}  // namespace volmar
