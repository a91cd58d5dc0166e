#pragma once
// Command-line parsing shared by every volmar-cli command: options may stand
// before or after the command name, and each command takes only its own.
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace volmar::cli {

struct Args {
    std::string command;
    std::vector<std::string> positional;
    std::map<std::string, std::string> values;  // option name -> value
    std::set<std::string> flags;                // options without a value
    // Every value of an option given more than once, in order.
    std::map<std::string, std::vector<std::string>> repeated;
    // Every option given: its name and its spelling on the command line.
    std::vector<std::pair<std::string, std::string>> given;
    std::string error;                          // set when parsing failed

    bool Has(const std::string& flag) const { return flags.count(flag) > 0; }
    const std::string* Value(const std::string& name) const
    {
        auto it = values.find(name);
        return it == values.end() ? nullptr : &it->second;
    }
};

// An option: its name, which is also its long spelling ("output" is
// --output), whether it takes a value, and a short spelling if it has one.
struct Option {
    const char* name;
    bool takesValue = false;
    const char* shortSpelling = nullptr;  // "-o"
};

// Whether a command takes the link options (LinkOptions()): never, always,
// or only together with --from-unit.
enum class LinkUse { None, Always, WithFromUnit };

// The options that go with any command or none: -h/--help and --version.
const std::vector<Option>& GeneralOptions();
// The options of the link and its questions, taken by every command that
// reaches a unit.
const std::vector<Option>& LinkOptions();

// Parses the options and arguments; known holds every option of every
// command (an option may stand before the command's name). A word that
// starts with "-" and a digit (or "-." and a digit) is a negative number,
// hence an argument.
Args ParseArgs(int argc, char** argv, const std::vector<Option>& known);

// The usage error for the first option given that the command does not take
// ("download: unknown option --verify"); empty when all are its own.
// -h/--help goes with every command.
std::string CheckCommandOptions(const Args& args, LinkUse link, const std::vector<Option>& own);

}  // namespace volmar::cli
