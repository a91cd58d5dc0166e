#include "core/link/transfer/TransferRuns.h"

#include <cstring>
#include <optional>

#include "core/link/cipher/CipherErrors.h"
#include "core/link/cipher/CipherLink.h"
#include "core/link/transfer/ResultPolling.h"
#include "core/link/transfer/UnitMessages.h"

namespace volmar {
namespace {

constexpr uint8_t kCmdGet = 'G';
constexpr uint8_t kReplyGet = 'g';

TransferView ViewOf(TransferLink link, const TransferJob& job, int64_t total)
{
    TransferView view;
    view.link = link;
    view.send = job.Sending();
    view.object = job.object;
    view.total = total;
    return view;
}

int64_t DefaultTotal(const TransferJob& job)
{
    return static_cast<int64_t>(job.Sending() ? job.payload.size() : job.buffer.size());
}

// Whether the worker ran to its end. An interaction that did not run the
// work leaves the job unfinished; that is a failed transfer.
bool Finished(const TransferJob& job)
{
    return job.state.load(std::memory_order_acquire) == kTransferFinished;
}

void Finish(TransferJob& job)
{
    job.state.store(kTransferFinished, std::memory_order_release);
}

// The bytes a transfer has really moved: a receive that succeeded has set
// its progress source to the full range; its length is the count.
std::function<int64_t()> MovedOf(const TransferJob& job, std::function<int64_t()> progress)
{
    return [&job, progress] {
        if (!job.Sending() && Finished(job) && job.error == 0) return static_cast<int64_t>(job.length);
        return progress();
    };
}

std::string MessageText(const TransferJob& job)
{
    return std::string(job.message, strnlen(job.message, sizeof job.message));
}

}  // namespace

bool RunSerialTransfer(Interaction& ui, SerialLine& line, TransferJob& job)
{
    job.success = false;
    TransferView view = ViewOf(TransferLink::Serial, job, DefaultTotal(job));
    view.progress = [&line] { return static_cast<int64_t>(line.Progress()); };
    view.moved = MovedOf(job, view.progress);
    ui.RunTransfer(view, [&] {
        job.state = kTransferRunning;
        bool ok = false;
        if (job.Sending()) {
            ok = line.Send(job.object, job.payload);
        } else {
            const auto* name = reinterpret_cast<const uint8_t*>(job.object.data());
            size_t received = 0;
            ok = line.Request(kCmdGet, {name, job.object.size()}, kReplyGet, job.buffer, received);
            job.length = received;
            if (ok) line.SetProgress(static_cast<int32_t>(job.buffer.size()));
        }
        job.error = ok ? 0 : 1;
        Finish(job);
    });
    if (!Finished(job)) job.error = 1;

    if (job.Sending()) {
        if (job.error != 0) {
            ui.Show({MessageIcon::Error, kMsgTransmitFailed});
        } else {
            job.success = PollUnitResult(line, ui, job.expectedEcho);
        }
    } else if (job.error != 0) {
        ui.Show({MessageIcon::Error, kMsgReceiveFailed});
    } else {
        job.success = true;
    }
    return job.success;
}

bool RunTcpTransfer(LinkContext& ctx, const std::string& address, TransferJob& job,
                    std::atomic<uint32_t>& progress)
{
    job.success = false;
    const TcpTarget target = ctx.Target(address);
    TcpCallState call;
    call.loggedIn = ctx.link.loggedIn;
    call.progress = &progress;
    // The get's range is the largest object, whatever the buffer.
    TransferView view = ViewOf(TransferLink::PlainTcp, job,
                               job.Sending() ? DefaultTotal(job) : int64_t{kMaxObjectSize});
    view.progress = [&progress] { return static_cast<int64_t>(progress.load()); };
    view.moved = MovedOf(job, view.progress);
    ctx.ui.RunTransfer(view, [&] {
        job.state = kTransferRunning;
        int result;
        if (job.Sending()) {
            result = TcpPutObject(target, job.object, job.payload, job.message, call);
        } else {
            result = TcpGetObject(target, job.object, job.buffer, call);
            if (call.outcome == kTcpOk) {
                job.length = static_cast<size_t>(result);
                progress = kMaxObjectSize;
            }
        }
        job.unitCode = call.outcome == kTcpOk ? 0 : result;
        job.error = call.outcome == kTcpOk        ? kTcpErrNone
                    : call.outcome == kTcpRefused ? kTcpErrCredentials
                                                  : kTcpErrUnit;
        Finish(job);
    });
    if (!Finished(job)) {
        job.error = kTcpErrUnit;
        job.unitCode = -1;
    } else {
        ctx.link.loggedIn = call.loggedIn;
    }
    job.message[sizeof job.message - 1] = '\0';

    switch (job.error) {
    case kTcpErrNone:
        job.success = true;
        break;
    case kTcpErrCredentials:
        ctx.ui.Show({MessageIcon::Warning, kMsgPasswordIncorrect});
        break;
    case kTcpErrUnit:
        if (job.Sending()) {
            ShowUnitResult(ctx.ui, job.unitCode, MessageText(job));
        } else {
            ShowUnitError(ctx.ui, job.unitCode);
        }
        break;
    default:
        ctx.ui.Show({MessageIcon::Error, kMsgError});
        break;
    }
    return job.success;
}

bool RunCipherTransfer(Interaction& ui, CCipherLink& cipher, TransferJob& job)
{
    job.success = false;
    TransferView view = ViewOf(TransferLink::CipherTcp, job, DefaultTotal(job));
    view.progress = [&cipher] { return static_cast<int64_t>(cipher.ByteCounter().load()); };
    view.moved = MovedOf(job, view.progress);
    // The worker may not show anything: its link error waits for this thread.
    std::optional<Message> linkError;
    ui.RunTransfer(view, [&] {
        job.state = kTransferRunning;
        bool ok = false;
        if (job.Sending()) {
            int code = 0;
            ok = cipher.Put(job.object, job.payload, code, job.message);
            job.unitCode = code;
            if (!ok && code == kUnitResultNoMessage) ok = true;
            if (!ok) linkError = ShowLinkError(kCipherErrUpload, cipher.LastError());
        } else {
            if (!job.buffer.empty()) job.buffer[0] = 0;
            size_t received = 0;
            ok = cipher.Get(job.object, job.buffer, received);
            if (ok) {
                job.length = received;
                cipher.ByteCounter() = static_cast<int32_t>(job.buffer.size());
            } else {
                job.unitCode = job.buffer.empty() ? 0 : job.buffer[0];
                linkError = ShowLinkError(kCipherErrDownload, cipher.LastError());
            }
        }
        job.error = ok ? 0 : 1;
        Finish(job);
    });
    if (!Finished(job)) job.error = 1;
    job.message[sizeof job.message - 1] = '\0';

    if (linkError) ui.Show(*linkError);
    if (job.error == 0) {
        job.success = true;
    } else if (job.Sending()) {
        ShowUnitResult(ui, job.unitCode, MessageText(job));
    } else {
        ShowUnitError(ui, job.unitCode);
    }
    return job.success;
}

}  // namespace volmar
