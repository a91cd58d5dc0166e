#pragma once
// The settings reader: turns a settings document (full or partial) back into
// a record. The caller resets the record first; fields the document leaves
// out keep their defaults.
#include <cstddef>
#include <string>

#include "core/common/Message.h"
#include "core/settings/DocumentSchema.h"
#include "core/settings/SettingRecord.h"

namespace volmar {

enum ReadFlag : int {
    kReadUnsupportedInfo = 1,   // an element the reader does not know
    kReadUnsupportedParam = 2,  // a known element with a value it does not accept
    kReadFailed = 4,            // the result is unusable
};

constexpr size_t kReadPathSize = 128;

// Parses the document into the record and returns the flags (0: everything
// accepted). path, when given, receives kReadPathSize bytes: the path of the
// first unsupported parameter, or else of the first unsupported element.
int ReadSettingDocument(SettingRecord& record, const char* data, size_t len, char* path = nullptr);

// The reader's verdict on one value: stored, not accepted (the document
// stays usable, the field keeps its value) or making the document unusable.
enum class LeafVerdict { Stored, Unsupported, Unusable };

// Stores the value text of a leaf (as the document carries it) into its
// field with the reader's own rules and ranges.
LeafVerdict StoreLeafText(const Node& leaf, char* field, const char* text, size_t len);

// The invariants a record read from a document must keep: the channel-count
// rule of the recording speed, pen channels, zone order, pulse widths and
// non-zero scales. Returns false on the first violation.
bool CheckSettingConsistency(const SettingRecord& record);

// The verdict of loading a document for editing: whether the setting is
// usable, the flags and path, and the message to show (if any).
struct ConvertResult {
    bool ok = false;
    int flags = 0;
    std::string path;
    bool hasMessage = false;
    Message message;
};

// Reads the document and forms the load message. showUnsupportedInfo is the
// preference "Show message when invalid setting is detected.".
ConvertResult ConvertSettingDocument(SettingRecord& record, const char* data, size_t len,
                                     bool showUnsupportedInfo = true);

}  // namespace volmar
