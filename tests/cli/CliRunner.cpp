#include "CliRunner.h"

#include <cstdlib>
#include <optional>
#include <sstream>
#include <utility>

#include "cli/Cli.h"

namespace volmar::test {
namespace {

// Sets variables of the environment, and puts them back when it goes.
class ScopedEnvironment {
public:
    explicit ScopedEnvironment(const std::vector<std::string>& env)
    {
        for (const std::string& e : env) {
            const std::string name = e.substr(0, e.find('='));
            const char* old = std::getenv(name.c_str());
            m_saved.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
            ::setenv(name.c_str(), e.size() > name.size() ? e.c_str() + name.size() + 1 : "", 1);
        }
    }
    ~ScopedEnvironment()
    {
        for (auto it = m_saved.rbegin(); it != m_saved.rend(); ++it) {
            if (it->second) {
                ::setenv(it->first.c_str(), it->second->c_str(), 1);
            } else {
                ::unsetenv(it->first.c_str());
            }
        }
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> m_saved;
};

}  // namespace

testing::ProcessResult RunCliInProcess(const std::vector<std::string>& args, const std::vector<std::string>& env,
                                       const std::string& input)
{
    const ScopedEnvironment scoped(env);
    std::vector<std::string> words = {"volmar-cli"};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);
    std::istringstream in(input);
    std::ostringstream out, err;
    cli::Console console{in, out, err};
    testing::ProcessResult result;
    result.exitCode = cli::Run(static_cast<int>(words.size()), argv.data(), console);
    result.out = out.str();
    result.err = err.str();
    return result;
}

testing::ProcessResult RunCli(Runner runner, const std::vector<std::string>& args,
                              const std::vector<std::string>& env, int timeoutMs)
{
    if (runner == Runner::InProcess) return RunCliInProcess(args, env);
    return testing::RunProcess(VOLMAR_CLI_PATH, args, env, timeoutMs);
}

std::string RunnerName(Runner runner)
{
    return runner == Runner::InProcess ? "InProcess" : "ChildProcess";
}

}  // namespace volmar::test
