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
    {"--no-info-message", "no-info-message"},
    {"--dhcp", "dhcp"}, {"--manual", "manual"}, {"--enable", "enable"}, {"--disable", "disable"},
    {"--timestamps", "timestamps"},
    // diff, upload
    {"--labels", "labels"}, {"--from-unit", "from-unit"}, {"--show-changes", "show-changes"}, {"--verify", "verify"},
};

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
        if (!onlyPositional && a.size() > 1 && a[0] == '-') {
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
                continue;
            }
            if (auto f = kFlagOptions.find(name); f != kFlagOptions.end() && !hasInline) {
                args.flags.insert(f->second);
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

}  // namespace volmar::cli
