#pragma once
// Command-line parsing shared by every volmar-cli command: options may stand
// before or after the command name.
#include <map>
#include <set>
#include <string>
#include <vector>

namespace volmar::cli {

struct Args {
    std::string command;
    std::vector<std::string> positional;
    std::map<std::string, std::string> values;  // option name -> value
    std::set<std::string> flags;                // options without a value
    // Every value of an option given more than once, in order.
    std::map<std::string, std::vector<std::string>> repeated;
    std::string error;                          // set when parsing failed

    bool Has(const std::string& flag) const { return flags.count(flag) > 0; }
    const std::string* Value(const std::string& name) const
    {
        auto it = values.find(name);
        return it == values.end() ? nullptr : &it->second;
    }
};

Args ParseArgs(int argc, char** argv);

}  // namespace volmar::cli
