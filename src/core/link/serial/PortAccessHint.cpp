#include "core/link/serial/PortAccessHint.h"

#include <dirent.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <vector>

namespace volmar {
namespace {

// Bounds on what is read, so that a busy system cannot stall the message.
constexpr int kMaxProcesses = 32768;
constexpr int kMaxDescriptors = 4096;
constexpr size_t kMaxGroupFile = 1u << 20;
constexpr const char* kDefaultGroup = "dialout";

struct DirCloser {
    void operator()(DIR* d) const { ::closedir(d); }
};
using DirPtr = std::unique_ptr<DIR, DirCloser>;

bool AllDigits(const char* s)
{
    if (!*s) return false;
    for (; *s; ++s)
        if (*s < '0' || *s > '9') return false;
    return true;
}

std::string Join(const std::string& root, const std::string& path)
{
    if (root.empty() || root == "/") return path;
    return (root.back() == '/' ? root.substr(0, root.size() - 1) : root) + path;
}

std::string FirstLine(const std::string& path, size_t limit)
{
    std::ifstream in(path);
    std::string line;
    if (in) std::getline(in, line);
    if (line.size() > limit) line.resize(limit);
    return line;
}

// The device as the kernel names it in a process's descriptor links: a
// /dev/serial/by-id link resolves to the tty it points at.
std::string Canonical(const std::string& path)
{
    char resolved[PATH_MAX];
    return ::realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

enum class Holder { None, Holds, Unknown };

struct ModemManager {
    bool running = false;
    Holder holder = Holder::None;
    std::string pid;
};

// The descriptors of ModemManager's process, when it runs: whether one of
// them is the device. Its folder is closed to other users, and then the
// answer is Unknown.
ModemManager FindModemManager(const std::string& root, const std::string& device)
{
    ModemManager mm;
    const std::string proc = Join(root, "/proc");
    DirPtr dir(::opendir(proc.c_str()));
    if (!dir) return mm;
    int seen = 0;
    while (dirent* e = ::readdir(dir.get())) {
        if (!AllDigits(e->d_name)) continue;
        if (++seen > kMaxProcesses) break;
        if (FirstLine(proc + "/" + e->d_name + "/comm", 64) != "ModemManager") continue;
        mm.running = true;
        mm.pid = e->d_name;
        break;
    }
    if (!mm.running) return mm;
    const std::string fdDir = proc + "/" + mm.pid + "/fd";
    DirPtr fds(::opendir(fdDir.c_str()));
    if (!fds) {
        mm.holder = Holder::Unknown;
        return mm;
    }
    const std::string target = device.rfind("/dev/", 0) == 0 && (root.empty() || root == "/")
                                   ? Canonical(device)
                                   : device;
    int count = 0;
    while (dirent* e = ::readdir(fds.get())) {
        if (!AllDigits(e->d_name)) continue;
        if (++count > kMaxDescriptors) break;
        char link[PATH_MAX];
        const ssize_t n = ::readlink((fdDir + "/" + e->d_name).c_str(), link, sizeof link - 1);
        if (n <= 0) continue;
        if (std::string(link, static_cast<size_t>(n)) == target) {
            mm.holder = Holder::Holds;
            break;
        }
    }
    return mm;
}

struct Group {
    std::string name;
    long gid = -1;
    std::vector<std::string> members;
};

std::vector<Group> ReadGroups(const std::string& root)
{
    std::vector<Group> groups;
    std::ifstream in(Join(root, "/etc/group"));
    std::string line;
    size_t total = 0;
    while (in && std::getline(in, line) && (total += line.size() + 1) <= kMaxGroupFile) {
        std::vector<std::string> fields;
        std::stringstream s(line);
        for (std::string f; std::getline(s, f, ':');) fields.push_back(f);
        if (fields.size() < 3) continue;
        Group g{fields[0], std::strtol(fields[2].c_str(), nullptr, 10), {}};
        if (fields.size() > 3) {
            std::stringstream m(fields[3]);
            for (std::string name; std::getline(m, name, ',');) g.members.push_back(name);
        }
        groups.push_back(std::move(g));
    }
    return groups;
}

std::string CurrentUser()
{
    if (const passwd* pw = ::getpwuid(::geteuid()); pw && pw->pw_name) return pw->pw_name;
    const char* user = std::getenv("USER");
    return user && *user ? user : "$USER";
}

bool ProcessHasGroup(long gid)
{
    if (gid < 0) return false;
    if (static_cast<long>(::getegid()) == gid) return true;
    const int count = ::getgroups(0, nullptr);
    if (count <= 0) return false;
    std::vector<gid_t> list(static_cast<size_t>(count));
    const int n = ::getgroups(count, list.data());
    for (int i = 0; i < n; ++i)
        if (static_cast<long>(list[i]) == gid) return true;
    return false;
}

// The group that gives access to the device: its own when the group may read
// and write it (uucp on some systems), else dialout.
const Group* AccessGroup(const std::vector<Group>& groups, const std::string& device, const std::string& root)
{
    struct stat st {};
    const std::string path = device.rfind("/", 0) == 0 ? Join(root, device) : device;
    if (::stat(path.c_str(), &st) == 0 && st.st_gid != 0 && (st.st_mode & S_IRGRP) && (st.st_mode & S_IWGRP)) {
        for (const Group& g : groups)
            if (g.gid == static_cast<long>(st.st_gid)) return &g;
    }
    for (const Group& g : groups)
        if (g.name == kDefaultGroup) return &g;
    return nullptr;
}

std::string PermissionHint(const std::string& device, const PortHostView& host)
{
    const std::string user = host.userName.empty() ? CurrentUser() : host.userName;
    const std::vector<Group> groups = ReadGroups(host.root);
    const Group* group = AccessGroup(groups, device, host.root);
    const std::string name = group ? group->name : kDefaultGroup;
    if (group && !ProcessHasGroup(group->gid)) {
        for (const std::string& m : group->members) {
            if (m != user) continue;
            return user + " is in the " + name +
                   " group, but this session began before that: log out and log in again.";
        }
    }
    return "To give " + user + " access to serial ports, run\n  sudo usermod -aG " + name + " " + user +
           "\nthen log out and log in again.";
}

}  // namespace

std::string PortAccessHint(int error, const std::string& device, const PortHostView& host)
{
    std::string hint;
    if (error == EACCES || error == EPERM) hint = PermissionHint(device, host);
    if (device.empty()) return hint;
    const ModemManager mm = FindModemManager(host.root, device);
    const std::string advice =
        "Mark the adapter as a unit so that ModemManager leaves it alone (SERIAL PORTS in 'man volmar'), "
        "or stop ModemManager: sudo systemctl stop ModemManager";
    if (mm.holder == Holder::Holds) {
        if (!hint.empty()) hint += "\n";
        hint += "ModemManager (process " + mm.pid + ") holds " + device + ". " + advice;
    } else if (mm.holder == Holder::Unknown && error == EBUSY) {
        if (!hint.empty()) hint += "\n";
        hint += "ModemManager is running and may be probing the port. " + advice;
    }
    return hint;
}

}  // namespace volmar
