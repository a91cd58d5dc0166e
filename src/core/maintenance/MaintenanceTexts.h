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
inline constexpr const char* kAskUpload = "Are you sure to upload?";
inline constexpr const char* kMsgSpecifyFolder = "Specify a folder.";
inline constexpr const char* kAskConvertUserView =
    "Are you sure to convert user defined browser view data to upload to device?";
inline constexpr const char* kAskResetUserView = "Are you sure to reset user defined browser view?";
inline constexpr const char* kMsgFolderNotFound = "Cannot find specified folder.";
inline constexpr const char* kMsgSubfolder = "Subfolder(s) found in specified folder.";
inline constexpr const char* kMsgMaxFiles = "Max. number of files limited to 1024.";
inline constexpr const char* kMsgMaxNameLength = "Max. file name length limited to 24 characters.\n";
inline constexpr const char* kMsgMaxFileSize = "Max. file size limited to 1MB.\n";
inline constexpr const char* kMsgUserViewOverCapacity = "User defined browser view file size is over capacity.";
inline constexpr const char* kMsgNoFileInFolder = "No file in specified folder.";
inline constexpr const char* kMsgUserViewRead = "Failed to read user defined browser view file.";
inline constexpr const char* kMsgUserViewCompress = "Failed to compress user defined browser view file.";
inline constexpr const char* kMsgUserViewUpload = "Failed to upload user defined browser view file.";
inline constexpr const char* kMsgCompleted = "Completed";

// Object names and the echo codes of the serial result query.
inline constexpr const char* kObjTime = "TIME";
inline constexpr const char* kObjMac = "MAC";
inline constexpr const char* kObjLog = "LOG";
inline constexpr const char* kObjSd = "SD";
inline constexpr const char* kObjSum = "SUM";
inline constexpr const char* kObjMemoryClear = "MBCLR";
inline constexpr const char* kObjMail = "MAIL";
inline constexpr const char* kObjFtpTest = "FTPC";
inline constexpr const char* kObjUserData = "UDAT_P";
inline constexpr const char* kObjUserDir = "UDIR_P";
inline constexpr const char* kObjDelete = "DEL";
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
