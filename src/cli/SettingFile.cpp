#include "cli/SettingFile.h"

#include "cli/Command.h"
#include "core/common/FileIo.h"
#include "core/settings/DocumentReader.h"

namespace volmar::cli {

namespace {
constexpr size_t kMaxDocumentFile = 16u << 20;
}

int LoadSettingFile(const std::string& path, Console& console, SettingRecord& record, bool showInfo)
{
    std::string bytes, error;
    if (!ReadWholeFile(path, kMaxDocumentFile, bytes, &error)) {
        Print(console.err, "volmar-cli: cannot read %s\n", error.c_str());
        return kExitFailed;
    }
    ResetSettingRecord(record);
    const ConvertResult verdict = ConvertSettingDocument(record, bytes.data(), bytes.size(), showInfo);
    if (verdict.hasMessage) Print(console.err, "%s: %s\n", path.c_str(), OneLine(verdict.message.text).c_str());
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
