#pragma once
// The messages, questions and display texts of the maintenance functions.
namespace volmar {

inline constexpr const char* kMsgIllegalDateTime = "Illegal date/time";
inline constexpr const char* kMsgNoDisk = "No disk";
inline constexpr const char* kMsgInsertSdCard = "Insert SD card.";
inline constexpr const char* kMsgInitDuringLogging = "Cannot initialize during logging.";
inline constexpr const char* kMsgMacFailed = "Failed to obtain MAC address";
inline constexpr const char* kMsgVersionFailed = "Failed to obtain the version";
inline constexpr const char* kAskResetLog = "Are you sure to reset system log?";
inline constexpr const char* kAskInitialize = "Are you sure to initialize memory block?";
inline constexpr const char* kAskProceed = "Are you sure to proceed?";
inline constexpr const char* kMsgPresetError = "Setting error: Preset value";
inline constexpr const char* kMsgNoPreset = "No presetting for this channel.";
inline constexpr const char* kMsgEventDisabled = "The event is disabled.";
inline constexpr const char* kMsgNoEventAddress = "No mail address is specified for event.";
inline constexpr const char* kMsgRegularDisabled = "Regular reporting is disabled.";
inline constexpr const char* kMsgNoAddress = "No mail address is specified.";

// Object names and the echo codes of the serial result query.
inline constexpr const char* kObjTime = "TIME";
inline constexpr const char* kObjMac = "MAC";
inline constexpr const char* kObjLog = "LOG";
inline constexpr const char* kObjSd = "SD";
inline constexpr const char* kObjSum = "SUM";
inline constexpr const char* kObjMemoryClear = "MBCLR";
inline constexpr const char* kObjMail = "MAIL";
inline constexpr const char* kObjFtpTest = "FTPC";
inline constexpr unsigned char kEchoTime = 10;
inline constexpr unsigned char kEchoDelete = 11;
inline constexpr unsigned char kEchoLogReset = 12;
inline constexpr unsigned char kEchoMail = 14;
inline constexpr unsigned char kEchoSum = 15;
inline constexpr unsigned char kEchoFtpTest = 16;
inline constexpr unsigned char kEchoMemoryClear = 20;
inline constexpr unsigned char kEchoUserDir = 21;
inline constexpr unsigned char kEchoUserData = 22;

}  // namespace volmar
