#include "cli/Args.h"

namespace volmar::cli {
namespace {

struct Spelled {
    std::string name;
    bool takesValue;
};

// Every spelling of the known options: "--output" and "-o" are "output".
std::map<std::string, Spelled> Spellings(const std::vector<Option>& known)
{
    std::map<std::string, Spelled> spellings;
    for (const Option& o : known) {
        spellings.emplace(std::string("--") + o.name, Spelled{o.name, o.takesValue});
        if (o.shortSpelling) spellings.emplace(o.shortSpelling, Spelled{o.name, o.takesValue});
    }
    return spellings;
}

bool Declares(const std::vector<Option>& options, const std::string& name)
{
    for (const Option& o : options)
        if (name == o.name) return true;
    return false;
}

// "-5", "-0.25", "-.5": a value, not an option.
bool IsNegativeNumber(const std::string& a)
{
    auto digit = [&](size_t i) { return i < a.size() && a[i] >= '0' && a[i] <= '9'; };
    return a.size() > 1 && a[0] == '-' && (digit(1) || (a[1] == '.' && digit(2)));
}

}  // namespace

const std::vector<Option>& GeneralOptions()
{
    static const std::vector<Option> options = {{"help", false, "-h"}, {"version"}};
    return options;
}

const std::vector<Option>& LinkOptions()
{
    static const std::vector<Option> options = {
        {"serial", true}, {"host", true},     {"unit", true}, {"port", true},   {"protocol", true},
        {"login", true},  {"password", true}, {"yes"},        {"quiet"},
    };
    return options;
}

Args ParseArgs(int argc, char** argv, const std::vector<Option>& known)
{
    const std::map<std::string, Spelled> spellings = Spellings(known);
    Args args;
    bool onlyPositional = false;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (!onlyPositional && a == "--") {
            onlyPositional = true;
            continue;
        }
        if (!onlyPositional && a.size() > 1 && a[0] == '-' && !IsNegativeNumber(a)) {
            std::string name = a, inlineValue;
            bool hasInline = false;
            if (size_t eq = a.find('='); a.rfind("--", 0) == 0 && eq != std::string::npos) {
                name = a.substr(0, eq);
                inlineValue = a.substr(eq + 1);
                hasInline = true;
            }
            const auto option = spellings.find(name);
            if (option != spellings.end() && option->second.takesValue) {
                const std::string& canonical = option->second.name;
                if (hasInline) {
                    args.values[canonical] = inlineValue;
                    args.repeated[canonical].push_back(inlineValue);
                } else if (i + 1 < argc) {
                    args.values[canonical] = argv[++i];
                    args.repeated[canonical].push_back(argv[i]);
                } else {
                    args.error = "option " + name + " needs a value";
                    return args;
                }
                args.given.emplace_back(canonical, name);
                continue;
            }
            if (option != spellings.end() && !hasInline) {
                args.flags.insert(option->second.name);
                args.given.emplace_back(option->second.name, name);
                continue;
            }
            args.error = "unknown option " + a;
            return args;
        }
        if (args.command.empty()) {
            args.command = a;
        } else {
            args.positional.push_back(a);
        }
    }
    return args;
}

std::string CheckCommandOptions(const Args& args, LinkUse link, const std::vector<Option>& own)
{
    for (const auto& [name, spelling] : args.given) {
        if (name == "help" || Declares(own, name)) continue;
        const bool linkOption = Declares(LinkOptions(), name);
        if (linkOption && link == LinkUse::Always) continue;
        if (linkOption && link == LinkUse::WithFromUnit) {
            if (args.Has("from-unit")) continue;
            return args.command + ": " + spelling + " goes with --from-unit";
        }
        return args.command + ": unknown option " + spelling;
    }
    return "";
}

}  // namespace volmar::cli
