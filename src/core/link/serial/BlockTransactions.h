#pragma once
// The two transactions of the serial block protocol, written against the
// byte stream and the clock so that every retry and time-out rule runs in a
// unit test. CComPort runs them on its port with the system clock.
#include <atomic>
#include <cstddef>
#include <cstdint>

#include "core/link/ByteStream.h"
#include "core/link/Clock.h"

namespace volmar {

inline constexpr int kHandshakeAttempts = 3;
inline constexpr int kBlockAttempts = 3;
inline constexpr int kSilencePauseMs = 2000;

// Request transaction: sends one frame (command, param bytes as data, ETB)
// and receives the reply blocks of code replyCode (or '*') into out.
// received is the number of bytes stored, or 0 when the last block was '*'.
// progress holds the payload bytes received so far. Fails when the reply
// does not fit in capacity: every block is still acknowledged so the unit
// ends cleanly, but a cut-off object is never passed on as complete.
bool RequestTransaction(ByteStream& line, Clock& clock, std::atomic<int32_t>& progress,
                        uint8_t command, const uint8_t* param, size_t paramLen, uint8_t replyCode,
                        uint8_t* out, size_t capacity, size_t& received);

// Send transaction: a 'P' header frame with param bytes as data, then the
// data in 'p' blocks of 1024 bytes numbered from 1. progress holds the
// payload bytes the unit has acknowledged.
bool SendTransaction(ByteStream& line, Clock& clock, std::atomic<int32_t>& progress,
                     const uint8_t* param, size_t paramLen, const uint8_t* data, size_t len);

}  // namespace volmar
