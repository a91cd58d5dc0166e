#include "SimProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <stdexcept>
#include <thread>

namespace volmar::test {
namespace {

int64_t NowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

SimProcess::SimProcess(const std::vector<std::string>& args)
{
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
    const std::string errPath = m_dir.File("stderr");
    m_pid = ::fork();
    if (m_pid < 0) {
        ::close(fds[0]);
        ::close(fds[1]);
        throw std::runtime_error("fork failed");
    }
    if (m_pid == 0) {
        const int in = ::open("/dev/null", O_RDONLY);
        const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (in < 0 || err < 0) _exit(127);
        ::dup2(in, 0);
        ::dup2(fds[1], 1);
        ::dup2(err, 2);
        std::vector<char*> argv{const_cast<char*>(QN70G_SIM_PATH)};
        for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execv(QN70G_SIM_PATH, argv.data());
        _exit(127);
    }
    ::close(fds[1]);
    m_out = fds[0];
}

SimProcess::~SimProcess()
{
    if (m_pid > 0) {
        ::kill(m_pid, SIGKILL);
        ::waitpid(m_pid, nullptr, 0);
    }
    if (m_out >= 0) ::close(m_out);
}

bool SimProcess::WaitReady(int timeoutMs)
{
    const int64_t deadline = NowMs() + timeoutMs;
    for (;;) {
        for (size_t end = m_pending.find('\n'); end != std::string::npos; end = m_pending.find('\n')) {
            const std::string line = m_pending.substr(0, end);
            m_pending.erase(0, end + 1);
            if (line == "ready") return true;
            if (const size_t colon = line.find(": "); colon != std::string::npos)
                m_links[line.substr(0, colon)] = line.substr(colon + 2);
        }
        const int64_t left = deadline - NowMs();
        if (left <= 0) return false;
        pollfd p{m_out, POLLIN, 0};
        if (::poll(&p, 1, static_cast<int>(left)) <= 0) continue;
        char buf[512];
        const ssize_t n = ::read(m_out, buf, sizeof buf);
        if (n <= 0) return false;  // the child closed its output: it ended
        m_pending.append(buf, static_cast<size_t>(n));
    }
}

std::string SimProcess::Link(const std::string& name) const
{
    const auto it = m_links.find(name);
    return it == m_links.end() ? std::string() : it->second;
}

uint16_t SimProcess::Port(const std::string& name) const
{
    const std::string where = Link(name);
    const size_t colon = where.rfind(':');
    return colon == std::string::npos ? 0 : static_cast<uint16_t>(std::atoi(where.c_str() + colon + 1));
}

bool SimProcess::Signal(int signal) const { return m_pid > 0 && ::kill(m_pid, signal) == 0; }

int SimProcess::WaitExit(int timeoutMs)
{
    if (m_pid <= 0) return -1;
    const int64_t deadline = NowMs() + timeoutMs;
    int status = 0;
    while (::waitpid(m_pid, &status, WNOHANG) == 0) {
        if (NowMs() > deadline) return -1;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    m_pid = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string SimProcess::Errors() const { return testing::ReadFile(m_dir.File("stderr")); }

}  // namespace volmar::test
