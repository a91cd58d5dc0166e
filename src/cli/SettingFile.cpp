#include "cli/SettingFile.h"

#include "cli/Command.h"
#include "core/common/FileIo.h"

namespace volmar::cli {

bool ReadSettingFile(const std::string& path, Console& console, SettingRecord& record, bool showInfo,
                     ConvertResult& verdict)
{
    std::string bytes, error;
    if (!ReadWholeFile(path, kMaxSettingFile, bytes, &error)) {
        Print(console.err, "volmar-cli: cannot read %s\n", error.c_str());
        return false;
    }
    ResetSettingRecord(record);
    verdict = ConvertSettingDocument(record, bytes.data(), bytes.size(), showInfo);
    return true;
}

int LoadSettingFile(const std::string& path, Console& console, SettingRecord& record, bool showInfo,
                    LoadMessage form)
{
    ConvertResult verdict;
    if (!ReadSettingFile(path, console, record, showInfo, verdict)) return kExitFailed;
    if (verdict.hasMessage && form == LoadMessage::OneLineAfterPath)
        Print(console.err, "%s: %s\n", path.c_str(), OneLine(verdict.message.text).c_str());
    else if (verdict.hasMessage)
        Print(console.err, "%s\n", verdict.message.text.c_str());
    if (verdict.ok) return kExitOk;
    return (verdict.flags & kReadFailed) ? kExitFailed : kExitUnsupportedParam;
}

std::string OneLine(std::string_view text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        out += (text[i] == '\n' || text[i] == '\r') ? ' ' : text[i];
    }
    return out;
}

void PrintVerdictLine(std::ostream& out, const std::string& path, const std::string& label, std::string_view message)
{
    out << path << ": " << label << ": " << OneLine(message) << '\n';
}

}  // namespace volmar::cli
