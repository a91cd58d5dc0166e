// volmar-cli report: the settings report of a file or of a unit's setting,
// as HTML or (when built with QtGui) PDF.
#include <memory>
#include <string>

#include "cli/Command.h"
#include "cli/DeviceSession.h"
#include "core/link/transfer/Login.h"
#include "core/link/transfer/SettingDownload.h"
#include "core/report/ReportBuilder.h"
#include "core/report/ReportHtml.h"
#if VOLMAR_CLI_PDF
#include "pdf/ReportPdf.h"
#endif

namespace volmar::cli {
namespace {

constexpr const char* kUsage = "usage: volmar-cli report FILE [-o OUT.html|OUT.pdf]\n"
                               "       volmar-cli report --from-unit [LINK OPTIONS] [-o OUT.html|OUT.pdf]\n";

bool WantsPdf(const Args& args)
{
    const std::string* out = args.Value("output");
    if (!out || out->size() < 4) return false;
    std::string tail = out->substr(out->size() - 4);
    for (char& c : tail) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    return tail == ".pdf";
}

// The unit the link options name, for the report's header.
std::string UnitSource(const Args& args, const Session& s)
{
    if (const std::string* v = args.Value("serial")) return "unit on " + *v;
    if (const std::string* v = args.Value("host")) return "unit at " + *v;
    if (const std::string* v = args.Value("unit")) return "unit " + *v;
    if (s.link.kind == LinkKind::Usb) return "unit on " + (s.link.comDevice.empty() ? "USB" : s.link.comDevice);
    return "unit " + s.link.selectedUnit;
}

bool Download(const Args& args, Console& console, SettingRecord& record, std::string& source)
{
    Session s;
    if (!BuildSession(args, console, s)) return false;
    if (!ConfirmAccessModeIfOn(s.link, *s.ui, *s.profile)) return false;
    ResetSettingRecord(record);
    if (!DownloadSetting(s.link, *s.ui, *s.profile, record)) return false;
    source = UnitSource(args, s);
    return true;
}

int Render(const Args& args, Console& console, const report::Document& doc)
{
    const std::string html = report::RenderHtml(doc);
    if (!WantsPdf(args)) return WriteOutput(args, console, html) ? kExitOk : kExitFailed;
#if VOLMAR_CLI_PDF
    pdf::GuiForPdf gui;
    std::string bytes, error;
    if (!pdf::HtmlToPdf(html, "Settings report: " + doc.header.source, bytes, &error)) {
        Print(console.err, "volmar-cli: cannot make the PDF: %s\n", error.c_str());
        return kExitFailed;
    }
    return WriteOutput(args, console, bytes) ? kExitOk : kExitFailed;
#else
    console.err << "volmar-cli: this build writes the report as HTML only (no QtGui for PDF); "
                   "give -o OUT.html\n";
    return kExitUsage;
#endif
}

int CmdReport(const Args& args, Console& console)
{
    const bool fromUnit = args.Has("from-unit");
    if (fromUnit ? !args.positional.empty() : args.positional.size() != 1) {
        console.err << kUsage;
        return kExitUsage;
    }
    auto record = std::make_unique<SettingRecord>();
    std::string source;
    if (fromUnit) {
        if (!Download(args, console, *record, source)) return kExitFailed;
    } else {
        source = args.positional[0];
        // A setting with values the reader dropped still has a report.
        if (LoadSettingsFile(args, console, source, *record) == kExitFailed) return kExitFailed;
    }
    return Render(args, console, report::BuildReport(*record, report::MakeHeader(source)));
}

}  // namespace

const std::vector<Command>& ReportCommands()
{
    static const std::string help = std::string(kUsage) +
        "\nWrites the settings report of a settings file, or of the setting downloaded\n"
        "from the unit (--from-unit), to OUT or stdout: what the setting does, only\n"
        "what is in use. OUT ending in .pdf gives a PDF (A4), any other an HTML file.\n"
        "Passwords are never shown.\n" VOLMAR_NO_INFO_MESSAGE_HELP +
        kLinkOptionsHelp;
    static const std::vector<Command> commands = {
        {"report", "write the settings report of a file or a unit (HTML or PDF)", help.c_str(), CmdReport,
         LinkUse::WithFromUnit, {kOutputOption, kFromUnitOption, kNoInfoMessageOption}},
    };
    return commands;
}

}  // namespace volmar::cli
