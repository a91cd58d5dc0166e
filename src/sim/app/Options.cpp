#include "sim/app/Options.h"

#include <arpa/inet.h>

#include <cerrno>
#include <cstdlib>
#include <functional>
#include <string_view>

#include "sim/unit/UnitDocument.h"

namespace volmar::sim {
namespace {

constexpr size_t kMaxAccountText = 48;
constexpr uint64_t kMaxCount = 1000000;
constexpr size_t kMaxGarbage = 4096;
constexpr uint64_t kMaxStatusLength = 64;
constexpr uint64_t kMaxTextRate = 100000;
constexpr uint64_t kMaxSdBytes = uint64_t{1} << 50;  // 1 PiB

// A decimal number, or hexadecimal after "0x"; at most max.
bool Number(const std::string& text, uint64_t max, uint64_t& out)
{
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const std::string digits = hex ? text.substr(2) : text;
    if (digits.empty() || digits.find_first_not_of(hex ? "0123456789abcdefABCDEF" : "0123456789") != std::string::npos)
        return false;
    errno = 0;
    const unsigned long long v = std::strtoull(digits.c_str(), nullptr, hex ? 16 : 10);
    if (errno != 0 || v > max) return false;
    out = v;
    return true;
}

std::string NumberError(const std::string& option, const std::string& text, uint64_t max)
{
    return option + ": '" + text + "' is not a number from 0 to " + std::to_string(max);
}

// Each handler returns an error text, empty when the value was taken.
using Handler = std::function<std::string(AppOptions&, const std::string& option, const std::string& value)>;

struct OptionSpec {
    std::string_view name;
    std::string_view value;  // what the value is, as --help shows it; empty for a switch
    Handler handle;
};

Handler Count(uint64_t max, std::function<void(AppOptions&, uint64_t)> store)
{
    return [max, store](AppOptions& o, const std::string& option, const std::string& value) -> std::string {
        uint64_t v = 0;
        if (!Number(value, max, v)) return NumberError(option, value, max);
        store(o, v);
        return {};
    };
}

Handler Port(std::optional<uint16_t> AppOptions::*field)
{
    return Count(65535, [field](AppOptions& o, uint64_t v) { o.*field = static_cast<uint16_t>(v); });
}

Handler Path(std::string AppOptions::*field)
{
    return [field](AppOptions& o, const std::string& option, const std::string& value) -> std::string {
        if (value.empty()) return option + " needs a file name";
        o.*field = value;
        return {};
    };
}

Handler Switch(std::function<void(AppOptions&)> set)
{
    return [set](AppOptions& o, const std::string&, const std::string&) -> std::string {
        set(o);
        return {};
    };
}

// A byte count up to 1 PiB, or any real ("nan", "-1", "inf", "1e300") for a
// card that reports nonsense.
std::string SdFree(AppOptions& o, const std::string& option, const std::string& value)
{
    uint64_t v = 0;
    if (Number(value, kMaxSdBytes, v)) {
        o.unit.sdFreeBytes = static_cast<double>(v);
        return {};
    }
    char* end = nullptr;
    const double real = value.empty() ? 0 : std::strtod(value.c_str(), &end);
    if (value.empty() || *end != '\0') return NumberError(option, value, kMaxSdBytes) + ", nor a real";
    o.unit.sdFreeBytes = real;
    return {};
}

Handler NetworkFault(LinkFault fault)
{
    return [fault](AppOptions& o, const std::string& option, const std::string&) -> std::string {
        if (o.networkFault != LinkFault::None && o.networkFault != fault)
            return option + ": only one of the TCP faults (--silent, --close-after-ack, ...) may be given";
        o.networkFault = fault;
        return {};
    };
}

std::string DeviceCode(AppOptions& o, const std::string& option, const std::string& value)
{
    uint64_t v = 0;
    if (value.size() == 1 && !(value[0] >= '0' && value[0] <= '9')) {
        v = static_cast<unsigned char>(value[0]);
    } else if (!Number(value, 255, v)) {
        return option + ": '" + value + "' is neither one character such as ')' nor a number from 0 to 255";
    }
    o.unit.deviceCode = static_cast<uint8_t>(v);
    return {};
}

std::string Firmware(AppOptions& o, const std::string& option, const std::string& value)
{
    const size_t a = value.find('.');
    const size_t b = a == std::string::npos ? a : value.find('.', a + 1);
    uint64_t major = 0, minor = 0, build = 0;
    if (b == std::string::npos || !Number(value.substr(0, a), 255, major) ||
        !Number(value.substr(a + 1, b - a - 1), 255, minor) || !Number(value.substr(b + 1), 65535, build))
        return option + ": '" + value + "' is not MAJOR.MINOR.BUILD (0-255, 0-255, 0-65535), e.g. 2.1.300";
    o.unit.major = static_cast<uint8_t>(major);
    o.unit.minor = static_cast<uint8_t>(minor);
    o.unit.build = static_cast<uint16_t>(build);
    return {};
}

std::string AccountOption(AppOptions& o, const std::string& option, const std::string& value)
{
    const size_t colon = value.find(':');
    if (colon == std::string::npos || colon == 0 || colon > kMaxAccountText ||
        value.size() - colon - 1 > kMaxAccountText)
        return option + ": '" + value + "' is not ID:PASSWORD (each at most 48 bytes, the ID not empty)";
    o.unit.accounts.push_back({value.substr(0, colon), value.substr(colon + 1)});
    return {};
}

std::string Mac(AppOptions& o, const std::string& option, const std::string& value)
{
    const std::string bad = option + ": '" + value + "' is not six hexadecimal bytes such as 02-51-4E-70-47-01";
    if (value.size() != 17) return bad;
    for (size_t i = 0; i < 6; ++i) {
        if (i > 0 && value[3 * i - 1] != '-' && value[3 * i - 1] != ':') return bad;
        uint64_t byte = 0;
        if (!Number("0x" + value.substr(3 * i, 2), 255, byte)) return bad;
        o.unit.mac[i] = static_cast<uint8_t>(byte);
    }
    return {};
}

std::string RefusePut(AppOptions& o, const std::string& option, const std::string& value)
{
    const size_t colon = value.find(':');
    uint64_t code = 0;
    if (!Number(value.substr(0, colon), 255, code) || code < 2)
        return option + ": '" + value + "' is not CODE[:TEXT] with a code from 2 to 255";
    o.unit.refusePutCode = static_cast<int>(code);
    o.unit.refusePutText = colon == std::string::npos ? std::string() : value.substr(colon + 1);
    return {};
}

std::string AlterAfterPut(AppOptions& o, const std::string& option, const std::string& value)
{
    const size_t eq = value.find('=');
    const std::string doc = eq == std::string::npos ? std::string()
                                                    : SingleValueDocument(value.substr(0, eq), value.substr(eq + 1));
    if (doc.empty())
        return option + ": '" + value + "' is not PATH=VALUE with the path of a value and a value it takes, e.g. "
                        "'<VOL_MAR><SYSTEM><NAME1>=Plant 2'";
    o.unit.alterAfterPut = doc;
    return {};
}

std::string Address(AppOptions& o, const std::string& option, const std::string& value)
{
    in_addr parsed{};
    if (::inet_pton(AF_INET, value.c_str(), &parsed) != 1)
        return option + ": '" + value + "' is not a dotted IPv4 address such as 127.0.0.5";
    o.address = value;
    return {};
}

const std::vector<OptionSpec>& Specs()
{
    static const std::vector<OptionSpec> specs = {
        {"--serial", "", Switch([](AppOptions& o) { o.serial = true; })},
        {"--tcp", "PORT", Port(&AppOptions::tcpPort)},
        {"--cipher", "PORT", Port(&AppOptions::cipherPort)},
        {"--address", "A", Address},
        {"--config", "FILE", Path(&AppOptions::configPath)},
        {"--journal", "FILE", Path(&AppOptions::journalPath)},
        {"--device-code", "C", DeviceCode},
        {"--firmware", "M.m.b", Firmware},
        {"--flags", "N", Count(255, [](AppOptions& o, uint64_t v) { o.unit.flags = static_cast<uint8_t>(v); })},
        {"--sd", "", Switch([](AppOptions& o) { o.unit.flags |= kFlagSdCard; })},
        {"--no-sd", "", Switch([](AppOptions& o) { o.unit.flags &= ~kFlagSdCard; })},
        {"--logging", "", Switch([](AppOptions& o) { o.unit.flags |= kFlagLogging; })},
        {"--no-network-config", "", Switch([](AppOptions& o) { o.unit.flags &= ~kFlagNetworkConfig; })},
        {"--account", "ID:PW", AccountOption},
        {"--mac", "XX-XX-XX-XX-XX-XX", Mac},
        {"--sd-free", "BYTES", SdFree},
        {"--nak-first", "N",
         Count(kMaxCount, [](AppOptions& o, uint64_t v) { o.serialFaults.nakFirstFrames = static_cast<int>(v); })},
        {"--corrupt-block", "N",
         Count(kMaxCount, [](AppOptions& o, uint64_t v) { o.serialFaults.corruptBlock = static_cast<int>(v); })},
        {"--garbage", "N",
         Count(kMaxGarbage, [](AppOptions& o, uint64_t v) { o.serialFaults.garbageBeforeStx = v; })},
        {"--pace", "", Switch([](AppOptions& o) { o.serialFaults.paceAtLineRate = true; })},
        {"--silent", "", [](AppOptions& o, const std::string& option, const std::string& v) {
             o.serialFaults.silent = true;
             return NetworkFault(LinkFault::Silent)(o, option, v);
         }},
        {"--bad-complement", "N", Count(kMaxCount, [](AppOptions& o, uint64_t v) {
             o.serialFaults.badComplementFrom = static_cast<int>(v);
         })},
        {"--bad-terminator", "N", Count(kMaxCount, [](AppOptions& o, uint64_t v) {
             o.serialFaults.badTerminatorFrom = static_cast<int>(v);
         })},
        {"--bad-block-number", "N", Count(kMaxCount, [](AppOptions& o, uint64_t v) {
             o.serialFaults.badBlockNumberFrom = static_cast<int>(v);
         })},
        {"--negative-block", "N", [](AppOptions& o, const std::string& option, const std::string& value) {
             uint64_t v = 0;
             if (!Number(value, kMaxCount, v) || v == 0) return NumberError(option, value, kMaxCount) + " (not 0)";
             o.serialFaults.negativeBlock = static_cast<int>(v);
             return std::string();
         }},
        {"--no-eot", "", Switch([](AppOptions& o) { o.serialFaults.noEot = true; })},
        {"--status-length", "N",
         Count(kMaxStatusLength, [](AppOptions& o, uint64_t v) { o.serialFaults.statusLength = v; })},
        {"--short-reply", "", NetworkFault(LinkFault::ShortReply)},
        {"--refuse-hello", "", NetworkFault(LinkFault::RefuseHello)},
        {"--bad-hello-code", "", NetworkFault(LinkFault::BadHelloCode)},
        {"--odd-challenge", "", NetworkFault(LinkFault::OddChallenge)},
        {"--hello-without-status", "", NetworkFault(LinkFault::HelloWithoutStatus)},
        {"--oversize-get", "", NetworkFault(LinkFault::OversizeGet)},
        {"--close-after-ack", "", NetworkFault(LinkFault::CloseAfterAck)},
        {"--close-instead-of-ack", "", NetworkFault(LinkFault::CloseInsteadOfAck)},
        {"--refuse-login", "", Switch([](AppOptions& o) { o.unit.refuseLogin = true; })},
        {"--alter-after-put", "PATH=VALUE", AlterAfterPut},
        {"--processing", "N",
         Count(kMaxCount, [](AppOptions& o, uint64_t v) { o.unit.processingRounds = static_cast<int>(v); })},
        {"--refuse-put", "CODE[:TEXT]", RefusePut},
        {"--text-log", "FILE", Path(&AppOptions::textLogPath)},
        {"--text-rate", "N", Count(kMaxTextRate, [](AppOptions& o, uint64_t v) { o.textLogRate = static_cast<int>(v); })},
        {"--text-repeat", "", Switch([](AppOptions& o) { o.textLogRepeat = true; })},
    };
    return specs;
}

}  // namespace

ParseResult ParseOptions(const std::vector<std::string>& args)
{
    ParseResult result;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            result.status = ParseStatus::Help;
            return result;
        }
        if (arg == "--version") {
            result.status = ParseStatus::Version;
            return result;
        }
        const size_t eq = arg.find('=');
        const std::string name = arg.substr(0, eq);
        const OptionSpec* option = nullptr;
        for (const OptionSpec& s : Specs())
            if (s.name == name) option = &s;
        if (option == nullptr) {
            result.error = arg.starts_with("-") ? "unknown option " + name : "unexpected argument '" + arg + "'";
            return result;
        }
        std::string value;
        if (option->value.empty()) {
            if (eq != std::string::npos) {
                result.error = name + " takes no value";
                return result;
            }
        } else if (eq != std::string::npos) {
            value = arg.substr(eq + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            result.error = name + " needs a value: " + name + " " + std::string(option->value);
            return result;
        }
        result.error = option->handle(result.options, name, value);
        if (!result.error.empty()) return result;
    }
    const AppOptions& o = result.options;
    if (!o.serial && !o.tcpPort && !o.cipherPort) {
        result.error = "nothing to serve: give --serial, --tcp PORT and/or --cipher PORT";
        return result;
    }
    if (!o.textLogPath.empty() && !o.serial) {
        result.error = "--text-log plays on the serial side: give --serial too";
        return result;
    }
    if (o.tcpPort && o.cipherPort && *o.tcpPort != 0 && *o.tcpPort == *o.cipherPort) {
        result.error = "--tcp and --cipher need different ports (the simulator serves them on separate listeners)";
        return result;
    }
    result.status = ParseStatus::Run;
    return result;
}

}  // namespace volmar::sim
