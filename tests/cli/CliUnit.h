#pragma once
// A simulator child process serving every link, and volmar-cli run against
// it, for the tests of the device commands.
#include <memory>
#include <string>
#include <vector>

#include "CliRunner.h"
#include "Process.h"
#include "SimProcess.h"

namespace volmar::test {

enum class Link { Serial, Plain, Cipher };

inline std::string LinkName(Link l)
{
    switch (l) {
    case Link::Serial: return "serial";
    case Link::Plain: return "plain";
    case Link::Cipher: return "cipher";
    }
    return "";
}

// A simulator with the given extra options, and the CLI pointed at it.
class Unit {
public:
    explicit Unit(std::vector<std::string> options = {})
    {
        m_journal = m_dir.File("journal.log");
        std::vector<std::string> args = {"--serial", "--tcp", "0", "--cipher", "0", "--journal", m_journal};
        args.insert(args.end(), options.begin(), options.end());
        m_sim = std::make_unique<SimProcess>(args);
        m_ready = m_sim->WaitReady();
    }

    bool Ready() const { return m_ready; }
    std::string Errors() const { return m_sim->Errors(); }
    std::string Journal() const { return testing::ReadFile(m_journal); }
    const testing::TempDir& Dir() const { return m_dir; }
    uint16_t Port(const std::string& link) const { return m_sim->Port(link); }
    std::string SerialPath() const { return m_sim->Link("serial"); }

    // Runs volmar-cli with the link options of l, --yes and the login.
    testing::ProcessResult Cli(Link l, std::vector<std::string> args, const std::string& password = "kovan",
                               Runner runner = Runner::ChildProcess)
    {
        switch (l) {
        case Link::Serial: args.insert(args.end(), {"--serial", m_sim->Link("serial")}); break;
        case Link::Plain:
            args.insert(args.end(), {"--host", "127.0.0.1", "--port", std::to_string(m_sim->Port("tcp")), "--protocol",
                                     "plain"});
            break;
        case Link::Cipher:
            args.insert(args.end(), {"--host", "127.0.0.1", "--port", std::to_string(m_sim->Port("cipher"))});
            break;
        }
        args.insert(args.end(), {"--yes", "--quiet", "--login", "kovan", "--password", password});
        return RunCli(runner, args, {"VOLMAR_PROFILE=" + m_dir.File("profile.ini")}, 60000);
    }

private:
    testing::TempDir m_dir;
    std::string m_journal;
    std::unique_ptr<SimProcess> m_sim;
    bool m_ready = false;
};

}  // namespace volmar::test
