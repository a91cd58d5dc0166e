#pragma once
// The unit's verdict on an object sent over the serial link.
#include <cstdint>

namespace volmar {

class Interaction;
class SerialLine;

// Interval of the result queries while the unit is still processing.
constexpr int kResultPollMs = 500;

// Asks for the result ('A') until the unit stops answering "processing"
// (status 1), pausing 500 ms between rounds. Status 0 is success; another
// status is shown with ShowUnitResult. A query without an answer, or with
// the wrong echo, shows "Error. \nFailed to receive the result of mail
// delivery.". A unit that falls silent ends the polling through the time-outs
// of the request transaction.
bool PollUnitResult(SerialLine& line, Interaction& ui, uint8_t expectedEcho);

}  // namespace volmar
