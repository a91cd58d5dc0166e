#pragma once
// The read primitives of the block protocol. They never block in a read:
// they read what is queued and wait on the stream (poll() on a port, the
// virtual clock in tests) until the deadline, so a byte is taken as soon as
// it arrives and the time-out budget is the same as polling every 10 ms.
#include <cstddef>
#include <cstdint>

#include "core/link/ByteStream.h"
#include "core/link/Clock.h"

namespace volmar {

inline constexpr int kByteTimeoutMs = 3000;    // 300 polls, 10 ms apart
inline constexpr int kStxTimeoutMs = 12000;    // 1200 polls, 10 ms apart
inline constexpr int kDrainQuietMs = 100;      // the line counts as drained after 100 ms of quiet
inline constexpr int kDrainLimitMs = 12000;    // a line that never goes quiet stops draining here

// Reads exactly k bytes into out within timeoutMs; false if they never arrive.
bool ReadExactly(ByteStream& line, Clock& clock, uint8_t* out, size_t k, int timeoutMs);

// Reads one byte within timeoutMs; -1 when none arrives.
int ReadOneByte(ByteStream& line, Clock& clock, int timeoutMs);

// Discards bytes until an STX was read; false if none arrives within timeoutMs.
bool HuntStx(ByteStream& line, Clock& clock, int timeoutMs);

// Discards incoming bytes until the line has been quiet for 100 ms.
void DrainInput(ByteStream& line, Clock& clock);

}  // namespace volmar
