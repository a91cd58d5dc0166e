#pragma once
// qn70g-sim as a child process: started with arguments, its ready lines read
// from a pipe, signalled, and waited for with a time limit. The child is
// killed when the object goes, so no test leaves one behind.
#include <sys/types.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "Process.h"

namespace volmar::test {

class SimProcess {
public:
    explicit SimProcess(const std::vector<std::string>& args);
    ~SimProcess();
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    // Reads standard output until the "ready" line; false when it does not
    // come within timeoutMs or the child ends first.
    bool WaitReady(int timeoutMs = 10000);
    // What a ready line gave for a link ("serial", "tcp", "cipher"); empty if none.
    std::string Link(const std::string& name) const;
    // The port of "tcp" or "cipher"; 0 if none.
    uint16_t Port(const std::string& name) const;

    bool Signal(int signal) const;
    // Waits for the child to end. Returns its exit code, or -1 when it was
    // killed by a signal or is still running after timeoutMs.
    int WaitExit(int timeoutMs);
    // Everything the child wrote on standard error so far.
    std::string Errors() const;

private:
    testing::TempDir m_dir;
    pid_t m_pid = -1;
    int m_out = -1;
    std::string m_pending;
    std::map<std::string, std::string> m_links;
};

}  // namespace volmar::test
