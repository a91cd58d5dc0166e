#pragma once
// The maintenance functions as one call each over the selected link, shared
// by the dialogs and volmar-cli. Questions ("Are you sure to ...?") are the
// caller's: they come before the link is opened. Every failure has shown its
// message through the interaction.
#include <cstdint>
#include <optional>
#include <string>

#include "core/link/transfer/LinkContext.h"
#include "core/maintenance/MaintenanceFormats.h"
#include "core/maintenance/PresetCount.h"

namespace volmar {

// "00-1A-2B-3C-4D-5E".
std::optional<std::string> ReadUnitMac(LinkContext& ctx);
// "QN70-G-R Ver. 2.1.300".
std::optional<std::string> ReadUnitVersion(LinkContext& ctx);
// The log text (empty when nothing arrived).
std::optional<std::string> ReadSystemLog(LinkContext& ctx);
// Sends "LOG" 0x01.
bool ResetSystemLog(LinkContext& ctx);
// "3.00GB (3221225472byte)"; "No disk" over serial and plain TCP without a card.
std::optional<std::string> ReadDiskFree(LinkContext& ctx);
// Sends "TIME" with the payload.
bool SetUnitTime(LinkContext& ctx, const TimePayload& payload);
// Sends "MBCLR" 0x00, refused with "Cannot initialize during logging." while
// the unit logs (not tested over the encrypted link).
bool InitializeMemoryBlock(LinkContext& ctx);
// Sends "FTPC" 0x6E, refused with "Insert SD card." without a card (not
// tested over the encrypted link).
bool RunFtpClientTest(LinkContext& ctx);
// Sends "MAIL" with the byte (event number - 1, or 100 for the regular report).
bool SendTestMail(LinkContext& ctx, uint8_t report);
// Sends "SUM" with the command document of a preset that passed its checks.
bool SendPresetCommand(LinkContext& ctx, const ValidPreset& preset);

}  // namespace volmar
