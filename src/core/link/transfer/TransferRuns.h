#pragma once
// The three wait-dialog runs: each fills a TransferView with its progress
// source, has the interaction run the job's transfer on a worker thread,
// then decides the outcome as the dialog's timer does once the worker has
// finished, showing the messages. They return job.success.
#include <atomic>
#include <cstdint>
#include <string>

#include "core/link/transfer/LinkContext.h"
#include "core/link/transfer/TransferJob.h"

namespace volmar {

class CCipherLink;

// Serial: a send is followed by the result polling with the job's expected
// echo; "Failed to transmit" / "Failed to receive" when the transaction fails.
bool RunSerialTransfer(Interaction& ui, SerialLine& line, TransferJob& job);

// Plain TCP on its own connection to address with the current credentials,
// counting its payload bytes in progress. The acknowledgements set or clear
// the logged-in mark.
bool RunTcpTransfer(LinkContext& ctx, const std::string& address, TransferJob& job,
                    std::atomic<uint32_t>& progress);

// Encrypted TCP on a connection that has passed CheckUnitCipher. A put the
// unit refuses with code 100 counts as done. The link error of a failed put
// or get is shown first, then the unit's code.
bool RunCipherTransfer(Interaction& ui, CCipherLink& cipher, TransferJob& job);

}  // namespace volmar
