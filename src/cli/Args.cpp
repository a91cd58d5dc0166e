#include "cli/Args.h"

namespace volmar::cli {
namespace {

// Options that take a value, by every spelling; the map's value is the
// canonical name.
const std::map<std::string, std::string> kValueOptions = {
    {"-o", "output"},       {"--output", "output"},     {"--serial", "serial"},
    {"--host", "host"},     {"--port", "port"},         {"--unit", "unit"},
    {"--login", "login"},   {"--password", "password"}, {"--protocol", "protocol"},
    {"--set", "set"},
    // network-settings, access-settings, terminal
    {"--ip", "ip"},         {"--mask", "mask"},         {"--gateway", "gateway"},
    {"--dns1", "dns1"},     {"--dns2", "dns2"},         {"--account", "account"},
    {"--save", "save"},
};

const std::map<std::string, std::string> kFlagOptions = {
    {"-h", "help"}, {"--help", "help"}, {"--version", "version"}, {"--yes", "yes"}, {"--quiet", "quiet"},
    {"--no-info-message", "no-info-message"}, {"--reset", "reset"},
    {"--dhcp", "dhcp"}, {"--manual", "manual"}, {"--enable", "enable"}, {"--disable", "disable"},
    {"--timestamps", "timestamps"},
    // diff, upload
    {"--labels", "labels"}, {"--from-unit", "from-unit"}, {"--show-changes", "show-changes"}, {"--verify", "verify"},
};

// The options of the link and its questions, taken by every command that
// reaches a unit.
const std::set<std::string> kLinkOptions = {"serial", "host",     "unit", "port", "protocol",
                                            "login",  "password", "yes",  "quiet"};

enum class Link { None, Always, WithFromUnit };

struct CommandOptions {
    Link link;
    std::set<std::string> own;
};

// The options each command takes besides -h/--help.
const std::map<std::string, CommandOptions> kCommandOptions = {
    {"new", {Link::None, {"output"}}},
    {"check", {Link::None, {"no-info-message"}}},
    {"convert", {Link::None, {"output", "no-info-message"}}},
    {"network", {Link::None, {"output", "no-info-message"}}},
    {"access", {Link::None, {"output", "no-info-message"}}},
    {"diff", {Link::WithFromUnit, {"labels", "from-unit", "no-info-message"}}},
    {"compress", {Link::None, {"output"}}},
    {"decompress", {Link::None, {"output"}}},
    {"status", {Link::Always, {}}},
    {"download", {Link::Always, {"output"}}},
    {"upload", {Link::Always, {"show-changes", "verify", "labels", "no-info-message"}}},
    {"time", {Link::Always, {"set"}}},
    {"mac", {Link::Always, {}}},
    {"version", {Link::Always, {}}},
    {"log", {Link::Always, {"reset"}}},
    {"disk", {Link::Always, {}}},
    {"init", {Link::Always, {}}},
    {"ftp-test", {Link::Always, {}}},
    {"preset", {Link::Always, {}}},
    {"test-mail", {Link::Always, {}}},
    {"user-view", {Link::Always, {}}},
    {"network-settings", {Link::Always, {"dhcp", "manual", "ip", "mask", "gateway", "dns1", "dns2"}}},
    {"access-settings", {Link::Always, {"enable", "disable", "account"}}},
    {"terminal", {Link::None, {"serial", "save", "timestamps"}}},
    {"report", {Link::WithFromUnit, {"output", "from-unit", "no-info-message"}}},
};

// "-5", "-0.25", "-.5": a value, not an option.
bool IsNegativeNumber(const std::string& a)
{
    auto digit = [&](size_t i) { return i < a.size() && a[i] >= '0' && a[i] <= '9'; };
    return a.size() > 1 && a[0] == '-' && (digit(1) || (a[1] == '.' && digit(2)));
}

}  // namespace

Args ParseArgs(int argc, char** argv)
{
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
            if (auto v = kValueOptions.find(name); v != kValueOptions.end()) {
                if (hasInline) {
                    args.values[v->second] = inlineValue;
                    args.repeated[v->second].push_back(inlineValue);
                } else if (i + 1 < argc) {
                    args.values[v->second] = argv[++i];
                    args.repeated[v->second].push_back(argv[i]);
                } else {
                    args.error = "option " + name + " needs a value";
                    return args;
                }
                args.given.emplace_back(v->second, name);
                continue;
            }
            if (auto f = kFlagOptions.find(name); f != kFlagOptions.end() && !hasInline) {
                args.flags.insert(f->second);
                args.given.emplace_back(f->second, name);
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

std::string CheckCommandOptions(const Args& args)
{
    static const CommandOptions kNone{Link::None, {}};
    const auto entry = kCommandOptions.find(args.command);
    const CommandOptions& takes = entry == kCommandOptions.end() ? kNone : entry->second;
    for (const auto& [name, spelling] : args.given) {
        if (name == "help" || takes.own.count(name) > 0) continue;
        if (kLinkOptions.count(name) > 0 && takes.link == Link::Always) continue;
        if (kLinkOptions.count(name) > 0 && takes.link == Link::WithFromUnit) {
            if (args.Has("from-unit")) continue;
            return args.command + ": " + spelling + " goes with --from-unit";
        }
        return args.command + ": unknown option " + spelling;
    }
    return "";
}

}  // namespace volmar::cli
