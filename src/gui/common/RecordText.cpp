#include "common/RecordText.h"

#include <cstring>
#include <string>

#include "settings/SettingRecord.h"
#include "settings/TextConvert.h"

namespace volmar::gui {

QString RecordText(const char* field)
{
    return QString::fromStdU16String(Utf8ToWide(field, std::strlen(field)));
}

void StoreRecordText(char* field, size_t capacity, const QString& text)
{
    const std::string utf8 = WideToUtf8(text.toStdU16String());
    StoreText(field, capacity, utf8.data(), utf8.size());
}

bool IsPlainCredential(const QString& text, int maxChars)
{
    if (text.size() > maxChars) return false;
    for (QChar c : text)
        if (c.unicode() > 128) return false;
    return true;
}

}  // namespace volmar::gui
