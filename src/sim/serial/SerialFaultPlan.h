#pragma once
// Faults the simulated unit puts on its serial link, for tests and demos.
#include <cstddef>

namespace volmar::sim {

struct SerialFaultPlan {
    // Answer the first N good frames from the tool with NAK.
    int nakFirstFrames = 0;
    // Send the reply block with this index (counted from 0 over all blocks
    // the unit sends) once with a wrong check value; -1 for none.
    int corruptBlock = -1;
    // Send this many bytes of line noise (never STX) before every reply block.
    size_t garbageBeforeStx = 0;
    // Never answer anything.
    bool silent = false;
    // Send at the line rate, 38400 baud 8N1 (3840 bytes per second), instead
    // of as fast as the descriptor takes the bytes.
    bool paceAtLineRate = false;
    // From the reply block with this index on (counted as for corruptBlock),
    // every block has a wrong complement, terminator or block number; -1
    // for none.
    int badComplementFrom = -1;
    int badTerminatorFrom = -1;
    int badBlockNumberFrom = -1;
    // A reply of more blocks ends at its block with this index (from 1) with
    // a negative answer '*' instead; -1 for none.
    int negativeBlock = -1;
    // Acknowledge the last block of a put without the EOT, and drop the put.
    bool noEot = false;
    // Length of the status record sent (a unit sends 6).
    size_t statusLength = 6;
};

inline constexpr int kLineBytesPerSecond = 3840;

}  // namespace volmar::sim
