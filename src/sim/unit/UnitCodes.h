#pragma once
// The object names a unit serves, the echo codes of the serial result query
// and the result codes the simulated unit answers with.
#include <cstdint>
#include <string_view>

namespace volmar::sim {

// Result codes the tool has a message for.
constexpr int kResultDone = 0;
constexpr int kResultProcessing = 1;
constexpr int kResultSaveFailed = 3;
constexpr int kResultNoMessage = 100;
constexpr int kResultUnsupported = 101;  // with the path of the first refused value
constexpr int kResultCorrupt = 102;
constexpr int kResultLogging = 103;

// Codes of this simulated unit that the tool shows as a number.
constexpr int kResultBadRequest = 4;      // payload of the wrong size or value
constexpr int kResultUnknownObject = 5;   // no such object
constexpr int kResultNoDisk = 6;          // the object needs the SD card
constexpr int kResultGiveUp = 7;          // the unit broke off its reply (serial fault)

// Echo code of the serial result query for an object written to the unit;
// 0 for an object the unit does not take.
uint8_t EchoCodeOf(std::string_view object);

}  // namespace volmar::sim
