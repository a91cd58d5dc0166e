#pragma once
// What the e-mail report windows share: row labels, recipient kinds, the
// channel kinds a report attaches, and the report texts (subject and body)
// between the record and the controls.
#include <cstddef>
#include <cstdint>

#include <QString>

#include "core/settings/SettingRecord.h"

namespace volmar::gui::rep {

// prefix followed by n in two digits ("No.07", "AI33").
QString Numbered(const char* prefix, int n);

// Recipient kinds: 0 "None", 1 "To", 2 "Cc", 3 "Bcc". The editor offers the
// first three; a stored 3 is shown and kept.
constexpr int kKindsOffered = 3;
constexpr int32_t kKindBcc = 3;
QString KindText(int32_t kind);

// The channel lists a report opens: what is attached, and the DO operation.
enum class Channels { Ai, Di, Pi, Oi, Do, DoOperation };

struct ChannelKind {
    const char* title;   // "AI", ...: the list's title and the row prefix
    int rows;
    uint32_t MailReport::*words[2];  // the attach mask (or the ON mask), 32 rows each
    uint32_t MailReport::*offWords[2];  // the OFF mask of the DO operation
};
const ChannelKind& KindOf(Channels channels);

// Whether the channel (row from 0) is in use in the I/O settings, and its
// name and comment.
bool ChannelInUse(const SettingRecord& record, Channels channels, int row);
QString ChannelName(const SettingRecord& record, Channels channels, int row);
QString ChannelComment(const SettingRecord& record, Channels channels, int row);

bool ReportBit(const MailReport& report, uint32_t MailReport::* const (&words)[2], int row);
void SetReportBit(MailReport& report, uint32_t MailReport::* const (&words)[2], int row, bool on);

// The DO operation of one output: 0 "None", 1 "ON", 2 "OFF" (ON wins when a
// loaded setting holds both bits).
int DoOperation(const MailReport& report, int row);
void SetDoOperation(MailReport& report, int row, int operation);
QString DoOperationText(int operation);

// The body text: CR LF in the record, LF in the text control.
QString BodyFromRecord(const char* field);
QString BodyForRecord(const QString& typed);

}  // namespace volmar::gui::rep
