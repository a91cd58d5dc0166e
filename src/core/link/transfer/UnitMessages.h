#pragma once
// The texts of the device operations and the messages of a unit's verdict.
#include <optional>
#include <string>
#include <string_view>

#include "core/common/Message.h"
#include "core/link/serial/PortAccessHint.h"

namespace volmar {

class Interaction;

extern const char* const kMsgCannotOpenPort;       // "Cannot open COM port %d"
extern const char* const kMsgStatusFailed;         // "Error.\nFailed to obtain the status."
extern const char* const kMsgUnsupportedDevice;    // "Unsupported device"
extern const char* const kMsgCannotConnect;        // "Cannot connect."
extern const char* const kMsgPasswordIncorrect;    // "Password is incorrect."
extern const char* const kMsgNetworkProhibited;    // "Network connection is prohibited."
extern const char* const kMsgInvalidLogin;         // "Invalid login ID and/or password"
extern const char* const kMsgTransmitFailed;       // "Failed to transmit"
extern const char* const kMsgReceiveFailed;        // "Failed to receive"
extern const char* const kMsgResultFailed;         // "Error. \nFailed to receive the result of mail delivery."
extern const char* const kMsgError;                // "Error"
extern const char* const kMsgConfirmUpload;        // "Are you sure to upload?"

// Result code a refused encrypted put may carry and still count as done.
constexpr int kUnitResultNoMessage = 100;

// The message of a unit's result code, with the unit's UTF-8 text for 101
// (cut to 4096 UTF-16 units); none for 100.
std::optional<Message> UnitResultMessage(int code, std::string_view text);
// "Error.\nCODE:%d".
Message UnitErrorMessage(int code);

// Show the above through the interaction.
void ShowUnitResult(Interaction& ui, int code, std::string_view text);
void ShowUnitError(Interaction& ui, int code);

// "Cannot open COM port %d", then the device and why it would not open
// (refused to this user, held by another program, not connected). Without a
// number (a device given by its path) the device takes the number's place;
// without a device, the number has none kept for it. Then what the user can
// do about it: the group command for this user, ModemManager holding the port.
Message PortOpenMessage(int port, const std::string& device, int error, const PortHostView& host = {});

}  // namespace volmar
