#pragma once
// One device operation's conversation with the unit, whatever link carries
// it: open (the port or connection, the unit check and the login the link
// needs), the unit's status record, gets and puts of objects behind the wait
// dialog, the unit's result, close. Serial, plain TCP and encrypted TCP each
// implement it; the flows (setting download and upload, maintenance, the
// small network editors, the CLI's diff) are written once against it.
//
// Each session counts its own progress and has its own cancel: two sessions
// in one process share nothing.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "core/link/transfer/Interaction.h"
#include "core/link/transfer/LinkContext.h"
#include "core/link/transfer/TransferJob.h"
#include "core/link/transfer/UnitStatus.h"

namespace volmar {

class UnitSession {
public:
    explicit UnitSession(LinkContext& ctx) : m_ctx(ctx) {}
    virtual ~UnitSession() = default;
    UnitSession(const UnitSession&) = delete;
    UnitSession& operator=(const UnitSession&) = delete;

    // Which link carries the session (what the wait dialog shows).
    virtual TransferLink Link() const = 0;

    // Reaches the unit and checks it, with the login the link needs. False
    // (its message shown) on failure, or at once after Cancel.
    bool Open();
    // The unit's status record as Open received it.
    const UnitStatus& Status() const { return m_status; }
    // Whether Status is the answer to a status query (serial, plain TCP). The
    // encrypted link only has the reply of its handshake, which a
    // maintenance precondition does not test.
    virtual bool StatusQueried() const { return true; }
    // Whether a document to upload is packed before Open (the serial link
    // refuses an oversized setting before it opens the port) or after it
    // (the network links check the unit first).
    virtual bool PacksBeforeOpen() const { return false; }
    // The unit's identity without a transfer: by default the unit check of
    // Open (the session is closed again). Empty after a failure.
    virtual std::optional<UnitStatus> Identify();

    // Runs job behind the wait dialog and decides its outcome with the
    // link's messages (a serial put includes the result polling). Returns
    // job.success; false at once after Cancel.
    bool Transfer(TransferJob& job);
    // Reads object into buffer; length receives its size.
    bool GetObject(const std::string& object, std::span<uint8_t> buffer, size_t& length);
    // Writes payload as object; echo is the serial result record's echo code.
    bool PutObject(const std::string& object, std::span<const uint8_t> payload, uint8_t echo);
    // The unit's result or error code of the last transfer (0 after success).
    int Result() const { return m_result; }

    // Closes the port or connection; the session may be opened again.
    virtual void Close() = 0;

    // Payload bytes of the current transfer; any thread may read it while a
    // transfer runs.
    virtual int64_t Progress() const = 0;
    // Stops the session: every later Open and Transfer fails without a
    // message. Any thread may call it.
    void Cancel() { m_cancelled.store(true, std::memory_order_relaxed); }
    bool Cancelled() const { return m_cancelled.load(std::memory_order_relaxed); }

protected:
    virtual bool DoOpen(UnitStatus& status) = 0;
    virtual bool DoTransfer(TransferJob& job) = 0;

    LinkContext& m_ctx;

private:
    UnitStatus m_status{};
    int m_result = 0;
    std::atomic<bool> m_cancelled{false};
};

}  // namespace volmar
