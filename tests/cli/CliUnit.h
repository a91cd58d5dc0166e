#pragma once
// A simulator child process serving every link, and volmar-cli run against
// it, for the tests of the device commands.
#include <memory>
#include <string>
#include <vector>

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
        journal_ = dir_.File("journal.log");
        std::vector<std::string> args = {"--serial", "--tcp", "0", "--cipher", "0", "--journal", journal_};
        args.insert(args.end(), options.begin(), options.end());
        sim_ = std::make_unique<SimProcess>(args);
        ready_ = sim_->WaitReady();
    }

    bool Ready() const { return ready_; }
    std::string Errors() const { return sim_->Errors(); }
    std::string Journal() const { return testing::ReadFile(journal_); }
    const testing::TempDir& Dir() const { return dir_; }
    uint16_t Port(const std::string& link) const { return sim_->Port(link); }
    std::string SerialPath() const { return sim_->Link("serial"); }

    // Runs volmar-cli with the link options of l, --yes and the login.
    testing::ProcessResult Cli(Link l, std::vector<std::string> args, const std::string& password = "kovan")
    {
        switch (l) {
        case Link::Serial: args.insert(args.end(), {"--serial", sim_->Link("serial")}); break;
        case Link::Plain:
            args.insert(args.end(), {"--host", "127.0.0.1", "--port", std::to_string(sim_->Port("tcp")), "--protocol",
                                     "plain"});
            break;
        case Link::Cipher:
            args.insert(args.end(), {"--host", "127.0.0.1", "--port", std::to_string(sim_->Port("cipher"))});
            break;
        }
        args.insert(args.end(), {"--yes", "--quiet", "--login", "kovan", "--password", password});
        return testing::RunProcess(VOLMAR_CLI_PATH, args, {"VOLMAR_PROFILE=" + dir_.File("profile.ini")}, 60000);
    }

private:
    testing::TempDir dir_;
    std::string journal_;
    std::unique_ptr<SimProcess> sim_;
    bool ready_ = false;
};

}  // namespace volmar::test
