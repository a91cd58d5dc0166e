#include "core/maintenance/MaintenanceFunctions.h"

#include <vector>

#include "core/maintenance/MaintenanceTexts.h"
#include "core/maintenance/MaintenanceTransfer.h"

namespace volmar {
namespace {

// A receive of at most capacity bytes; the bytes that arrived, or empty.
std::optional<std::vector<uint8_t>> Receive(LinkContext& ctx, const char* object, size_t capacity,
                                            const StatusPrecondition& precondition = {})
{
    std::vector<uint8_t> buffer(capacity, 0);
    auto job = TransferJob::Receive(object, buffer);
    if (!RunMaintenanceTransfer(ctx, job, precondition)) return std::nullopt;
    buffer.resize(std::min(job.length, capacity));
    return buffer;
}

bool SendBytes(LinkContext& ctx, const char* object, std::span<const uint8_t> data, uint8_t echo,
               const StatusPrecondition& precondition = {})
{
    auto job = TransferJob::Send(object, data, echo);
    return RunMaintenanceTransfer(ctx, job, precondition);
}

bool SendByte(LinkContext& ctx, const char* object, uint8_t value, uint8_t echo,
              const StatusPrecondition& precondition = {})
{
    const uint8_t data[1] = {value};
    return SendBytes(ctx, object, data, echo, precondition);
}

}  // namespace

std::optional<std::string> ReadUnitMac(LinkContext& ctx)
{
    auto reply = Receive(ctx, kObjMac, kMacLength);
    return reply ? FormatMac(*reply) : std::nullopt;
}

std::optional<std::string> ReadUnitVersion(LinkContext& ctx)
{
    auto status = ReadUnitIdentity(ctx);
    if (!status) return std::nullopt;
    return FormatVersion(*status);
}

std::optional<std::string> ReadSystemLog(LinkContext& ctx)
{
    auto reply = Receive(ctx, kObjLog, kLogCapacity);
    if (!reply) return std::nullopt;
    return DecodeSystemLog(*reply);
}

bool ResetSystemLog(LinkContext& ctx)
{
    return SendByte(ctx, kObjLog, 0x01, kEchoLogReset);
}

std::optional<std::string> ReadDiskFree(LinkContext& ctx)
{
    auto reply = Receive(ctx, kObjSd, kSdReplyCapacity, RequireSdCard(ctx.ui, kMsgNoDisk));
    if (!reply) return std::nullopt;
    return FormatDiskFree(*reply);
}

bool SetUnitTime(LinkContext& ctx, const TimePayload& payload)
{
    return SendBytes(ctx, kObjTime, payload, kEchoTime);
}

bool InitializeMemoryBlock(LinkContext& ctx)
{
    return SendByte(ctx, kObjMemoryClear, 0x00, kEchoMemoryClear, RequireNotLogging(ctx.ui));
}

bool RunFtpClientTest(LinkContext& ctx)
{
    return SendByte(ctx, kObjFtpTest, 0x6E, kEchoFtpTest, RequireSdCard(ctx.ui, kMsgInsertSdCard));
}

bool SendTestMail(LinkContext& ctx, uint8_t report)
{
    return SendByte(ctx, kObjMail, report, kEchoMail);
}

bool SendPresetCommand(LinkContext& ctx, const ValidPreset& preset)
{
    const std::string document = PresetDocument(preset);
    const std::span<const uint8_t> bytes(reinterpret_cast<const uint8_t*>(document.data()), document.size());
    return SendBytes(ctx, kObjSum, bytes, kEchoSum);
}

}  // namespace volmar
