#include "core/link/transfer/UnitMessages.h"

#include "core/link/serial/PortAccessHint.h"
#include "core/link/serial/PortOpenError.h"
#include "core/link/transfer/Interaction.h"
#include "core/settings/TextConvert.h"

namespace volmar {
namespace {

// Longest unit text of a result 101, in UTF-16 units.
constexpr size_t kUnitTextUnits = 4096;

}  // namespace

const char* const kMsgCannotOpenPort = "Cannot open COM port %d";
const char* const kMsgStatusFailed = "Error.\nFailed to obtain the status.";
const char* const kMsgUnsupportedDevice = "Unsupported device";
const char* const kMsgCannotConnect = "Cannot connect.";
const char* const kMsgPasswordIncorrect = "Password is incorrect.";
const char* const kMsgNetworkProhibited = "Network connection is prohibited.";
const char* const kMsgInvalidLogin = "Invalid login ID and/or password";
const char* const kMsgTransmitFailed = "Failed to transmit";
const char* const kMsgReceiveFailed = "Failed to receive";
const char* const kMsgResultFailed = "Error. \nFailed to receive the result of mail delivery.";
const char* const kMsgError = "Error";
const char* const kMsgConfirmUpload = "Are you sure to upload?";

std::optional<Message> UnitResultMessage(int code, std::string_view text)
{
    switch (code) {
    case 1: return Message{MessageIcon::Error, "Processing"};
    case 3: return Message{MessageIcon::Error, "Failed to save setting."};
    case kUnitResultNoMessage: return std::nullopt;
    case 101: {
        // The unit's text is untrusted: invalid sequences become U+FFFD and
        // it is cut to 4096 UTF-16 units (a character above U+FFFF takes
        // two), never between the two halves of a pair.
        std::u16string wide = Utf8ToWide(text.data(), text.size());
        if (wide.size() > kUnitTextUnits) wide.resize(kUnitTextUnits);
        const std::string clean = WideToUtf8(wide);
        return Message{MessageIcon::Error, "Cannot save: Unsupported setting value(s).\n" + clean};
    }
    case 102: return Message{MessageIcon::Error, "Cannot save: Setting data corruption."};
    case 103: return Message{MessageIcon::Error, "Cannot change logging setting during logging."};
    default: return UnitErrorMessage(code);
    }
}

Message UnitErrorMessage(int code)
{
    return {MessageIcon::Error, "Error.\nCODE:" + std::to_string(code)};
}

void ShowUnitResult(Interaction& ui, int code, std::string_view text)
{
    if (auto m = UnitResultMessage(code, text)) ui.Show(*m);
}

void ShowUnitError(Interaction& ui, int code)
{
    ui.Show(UnitErrorMessage(code));
}

Message PortOpenMessage(int port, const std::string& device, int error, const PortHostView& host)
{
    std::string text = "Cannot open COM port ";
    if (port > 0) {
        text += std::to_string(port) + "\n";
        text += device.empty() ? "No serial device is kept for COM" + std::to_string(port) + "."
                               : device + ": " + DescribePortOpenError(error);
    } else {
        text += device + "\n" + DescribePortOpenError(error);
    }
    if (!device.empty()) {
        if (const std::string hint = PortAccessHint(error, device, host); !hint.empty()) text += "\n" + hint;
    }
    return {MessageIcon::Error, text};
}

}  // namespace volmar
