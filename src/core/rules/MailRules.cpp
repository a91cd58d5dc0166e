#include "core/rules/MailRules.h"

#include <string>

#include "core/rules/FieldRules.h"
#include "core/rules/VerdictCollector.h"

namespace volmar::rules {

namespace {

constexpr int kAddressChars = 64;
constexpr int kSubjectChars = 32;
constexpr int kBodyChars = 256;

bool FitsField(std::string_view text, size_t capacity)
{
    return text.size() < capacity;
}

// The body as the editor stores it again: every line end as CR LF.
std::string StoredBody(std::string_view body)
{
    std::string out;
    for (size_t i = 0; i < body.size(); ++i) {
        if (body[i] == '\r' && i + 1 < body.size() && body[i + 1] == '\n') continue;
        if (body[i] == '\n') out += '\r';
        out += body[i];
    }
    return out;
}

void CheckReport(const MailReport& report, VerdictCollector& c)
{
    const std::string body = StoredBody(report.MESSAGE);
    for (const FieldProblem& p : CheckReportTexts(report.MODE == kUse, report.TITLE, body)) c.Add(p.field, p.message);
}

}  // namespace

FieldProblems CheckMailAddress(std::string_view name, std::string_view address)
{
    FieldProblems out;
    if (EditChars(name) > kAddressChars) AddProblem(out, "MAIL_NAME", "Setting error: Attention name.");
    if (name.find('"') != std::string_view::npos) AddProblem(out, "MAIL_NAME", "Setting error: \"\" cannot be used.");
    if (address.find('\0') != std::string_view::npos || EditChars(address) > kAddressChars)
        AddProblem(out, "MAIL_ADDRESS", "Setting error: Address");
    return out;
}

FieldProblems CheckReportTexts(bool enabled, std::string_view subject, std::string_view body)
{
    FieldProblems out;
    const bool subjectFits =
        enabled ? EditChars(subject) <= kSubjectChars : FitsField(subject, sizeof(MailReport::TITLE));
    if (!subjectFits) AddProblem(out, "TITLE", "Setting error: Subject");
    const bool bodyFits = enabled ? EditChars(body) <= kBodyChars : FitsField(body, sizeof(MailReport::MESSAGE));
    if (!bodyFits) AddProblem(out, "MESSAGE", "Setting error: Body text");
    return out;
}

FieldProblems CheckReportOffsets(std::optional<int64_t> minute, std::optional<int64_t> second)
{
    auto valid = [](std::optional<int64_t> v) { return v && *v >= 0 && *v <= kOffsetMax; };
    FieldProblems out;
    if (!valid(minute)) AddProblem(out, "OFFSET_MIN", "Setting error: Time delay (min.)");
    if (!valid(second)) AddProblem(out, "OFFSET_SEC", "Setting error: Time delay (sec.)");
    return out;
}

void CheckMailRules(const SettingRecord& record, std::vector<RuleVerdict>& out)
{
    const SmtpPop3Block& s = record.COM.SMTP_POP3;
    VerdictCollector addresses(out, "COM/SMTP_POP3");
    for (int i = 0; i < kMailAddressCount; ++i) {
        for (const FieldProblem& p : CheckMailAddress(s.MAIL_NAME[i], s.MAIL_ADDRESS[i]))
            addresses.Add(p.field + std::to_string(i + 1), p.message);
    }
    const MailReportBlock& m = record.MAIL_REPORT;
    for (int i = 0; i < kEventReportCount; ++i) {
        VerdictCollector event(out, "MAIL_REPORT/EVENT" + std::to_string(i + 1));
        CheckReport(m.EVENT[i], event);
    }
    VerdictCollector time(out, "MAIL_REPORT/TIME");
    CheckReport(m.TIME.REPORT, time);
    // Only an hour that sends checks its offsets.
    for (int h = 0; h < kReportTimeCount; ++h) {
        const ReportTime& t = m.TIME.REPORT_TIME[h];
        if (t.MODE != kUse) continue;
        for (const FieldProblem& p : CheckReportOffsets(t.OFFSET_MIN, t.OFFSET_SEC))
            time.Add("REPORT_TIME" + std::to_string(h) + "/" + p.field, p.message);
    }
}

}  // namespace volmar::rules
