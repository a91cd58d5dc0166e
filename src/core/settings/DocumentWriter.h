#pragma once
// The writers of the settings documents: the full document saved as a
// settings file and uploaded to the unit, and the two partial documents for
// the unit's network addresses and for configurator access. They read the
// record only.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "core/settings/SettingRecord.h"

namespace volmar {

// Callers refuse a document whose length plus 16 exceeds this size.
constexpr size_t kSettingBufferSize = 2097152;

// Writes the document into out (replacing its contents); returns its length.
size_t WriteSettingDocument(const SettingRecord& record, std::string& out);
size_t WriteNetworkDocument(std::string& out, const SettingRecord& record);
size_t WriteAccessDocument(const SettingRecord& record, std::string& out);

inline std::string WriteSettingDocument(const SettingRecord& record)
{
    std::string out;
    WriteSettingDocument(record, out);
    return out;
}

// Calls visit for every value the record carries, the access block and the
// network addresses included, in document order, with the element path
// ("<VOL_MAR><IO><AI><AI1><CARD_NO>") and the value as the document writes it;
// with TextForm::Plain texts come as the user's own text, not escaped. A
// non-empty under ("<VOL_MAR><IO><AI>") limits the walk to the values below it.
enum class TextForm { Escaped, Plain };
using LeafVisitor = std::function<void(const std::string& path, std::string_view value)>;
void VisitSettingValues(const SettingRecord& record, const LeafVisitor& visit,
                        TextForm texts = TextForm::Escaped, std::string_view under = {});

}  // namespace volmar
