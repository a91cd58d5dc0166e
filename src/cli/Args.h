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

// Parses the options and arguments. A word that starts with "-" and a digit
// (or "-." and a digit) is a negative number, hence an argument.
Args ParseArgs(int argc, char** argv);

// The usage error for the first option given that the command does not take
// ("download: unknown option --verify"); empty when all are its own.
// -h/--help goes with every command.
std::string CheckCommandOptions(const Args& args);

}  // namespace volmar::cli
