#include "core/link/transfer/ResultPolling.h"

#include <cstring>
#include <string>

#include "core/link/transfer/Interaction.h"
#include "core/link/transfer/SerialLine.h"
#include "core/link/transfer/UnitMessages.h"

namespace volmar {
namespace {

constexpr uint8_t kCmdResult = 'A';
constexpr uint8_t kReplyResult = 'a';
constexpr size_t kResultCapacity = 1024;
constexpr uint8_t kStatusDone = 0;
constexpr uint8_t kStatusProcessing = 1;

}  // namespace

bool PollUnitResult(SerialLine& line, Interaction& ui, uint8_t expectedEcho)
{
    uint8_t reply[kResultCapacity];
    for (;;) {
        std::memset(reply, 0, sizeof reply);
        size_t received = 0;
        // A '*' reply (length 0) or a record without a status byte is no answer.
        if (!line.Request(kCmdResult, {}, kReplyResult, reply, received) || received < 2 ||
            reply[0] != expectedEcho) {
            ui.Show({MessageIcon::Error, kMsgResultFailed});
            return false;
        }
        if (reply[1] == kStatusDone) return true;
        if (reply[1] != kStatusProcessing) {
            const char* text = reinterpret_cast<const char*>(reply + 2);
            ShowUnitResult(ui, reply[1], std::string(text, strnlen(text, received - 2)));
            return false;
        }
        ui.Pause(kResultPollMs);
    }
}

}  // namespace volmar
