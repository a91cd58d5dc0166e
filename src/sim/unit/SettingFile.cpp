#include "sim/unit/SettingFile.h"

#include "core/common/FileIo.h"
#include "core/settings/DocumentReader.h"
#include "core/settings/DocumentWriter.h"

namespace volmar::sim {
namespace {

// A message box text on one line.
std::string OneLine(std::string text)
{
    for (char& c : text)
        if (c == '\n') c = ' ';
    return text;
}

}  // namespace

SettingFileResult LoadSettingFile(const std::string& path, SettingRecord& record)
{
    SettingFileResult result;
    std::string text, error;
    if (!ReadWholeFile(path, kSettingBufferSize, text, &error)) {
        result.message = error.empty() ? path + ": cannot be read" : error;
        return result;
    }
    ResetSettingRecord(record);
    const ConvertResult read = ConvertSettingDocument(record, text.data(), text.size(), true);
    result.ok = read.ok;
    if (read.hasMessage) result.message = path + ": " + OneLine(read.message.text);
    return result;
}

}  // namespace volmar::sim
